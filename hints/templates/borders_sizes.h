#pragma once

#include <array>

namespace lingotab::hints {

class TacHintImage;

// Four sizes of a template picture (the nine-part cut or the text margins),
// addressed by index: 0 top, 1 left, 2 bottom, 3 right. The setters keep each
// pair inside the picture: a side is at most one pixel less than the
// picture's extent, and the opposite side shrinks to leave a middle of at
// least one pixel. A negative stored value reads as 0.
class TacBordersSizes {
  public:
    enum Index { Top = 0, Left = 1, Bottom = 2, Right = 3 };

    explicit TacBordersSizes(TacHintImage* owner = nullptr) : FOwner(owner) {}
    TacBordersSizes(const TacBordersSizes&) = delete;
    TacBordersSizes& operator=(const TacBordersSizes&) = delete;

    int value(Index index) const { return values_[index] < 0 ? 0 : values_[index]; }
    void setValue(Index index, int value);

    int top() const { return value(Top); }
    int left() const { return value(Left); }
    int bottom() const { return value(Bottom); }
    int right() const { return value(Right); }
    void setTop(int v) { setValue(Top, v); }
    void setLeft(int v) { setValue(Left, v); }
    void setBottom(int v) { setValue(Bottom, v); }
    void setRight(int v) { setValue(Right, v); }

    // Copies all four sizes through the setters.
    void Assign(const TacBordersSizes& source);
    // Stores the four sizes as they are, without limits or notice (the
    // picture-change step, which computes sizes that fit).
    void setUnchecked(int top, int left, int bottom, int right);

  private:
    std::array<int, 4> values_{};  // FTop, FLeft, FBottom, FRight
    TacHintImage* FOwner;
    bool notifying_ = false;
};

enum TacBorderDrawMode { dmRepeat, dmStretch };

// How the four border strips and the centre of a template picture fill the
// hint, addressed by index: 0 top, 1 left, 2 bottom, 3 right, 4 centre.
class TacBorderDrawModes {
  public:
    enum Index { Top = 0, Left = 1, Bottom = 2, Right = 3, Center = 4 };

    explicit TacBorderDrawModes(TacHintImage* owner = nullptr) : FOwner(owner) {}
    TacBorderDrawModes(const TacBorderDrawModes&) = delete;
    TacBorderDrawModes& operator=(const TacBorderDrawModes&) = delete;

    TacBorderDrawMode value(Index index) const { return modes_[index]; }
    void setValue(Index index, TacBorderDrawMode mode);
    void Assign(const TacBorderDrawModes& source);

  private:
    std::array<TacBorderDrawMode, 5> modes_{dmStretch, dmStretch, dmStretch, dmStretch, dmStretch};
    TacHintImage* FOwner;
};

}  // namespace lingotab::hints
