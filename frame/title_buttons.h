#pragma once

// Extra buttons in the title bar, left of the system buttons, with their
// mouse events. Changes of look ask the owning provider to repaint.

#include "frame/caption_button.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace lingotab::frame {

class TsSkinProvider;
class TsTitleButton;
class TacTitleHint;

// Sender, button (always the left one), shift state (always empty), and
// the pointer in screen coordinates.
using TMouseEvent = std::function<void(TsTitleButton* Sender, Qt::MouseButton Button,
                                       Qt::KeyboardModifiers Shift, int X, int Y)>;

class TsTitleButton {
  public:
    explicit TsTitleButton(TsSkinProvider* owner);
    ~TsTitleButton();

    bool UseSkinData() const { return FUseSkinData; }
    void setUseSkinData(bool value);
    const QString& Name() const { return FName; }
    void setName(const QString& value) { FName = value; }
    // A new picture stops the state animation.
    const QImage& Glyph() const { return FGlyph; }
    void setGlyph(const QImage& value);
    bool Enabled() const { return FEnabled; }
    void setEnabled(bool value);
    const QString& Hint() const { return FHint; }
    void setHint(const QString& value) { FHint = value; }
    bool Visible() const { return FVisible; }
    void setVisible(bool value);

    TMouseEvent OnMouseUp;
    TMouseEvent OnMouseDown;

    // The glyph as drawn: 32-bit pictures keep their alpha, others lose the
    // colour of their bottom-left pixel.
    const QImage& drawnGlyph() const { return drawnGlyph_; }

    TsCaptionButton BtnData;
    std::unique_ptr<TacTitleHint> HintWnd;  // while hot with a hint

  private:
    TsSkinProvider* FOwner;
    bool FUseSkinData = true;
    QString FName = QStringLiteral("TsTitleButton");
    QImage FGlyph;
    QImage drawnGlyph_;
    bool FEnabled = true;
    QString FHint;
    bool FVisible = true;
};

class TsTitleButtons {
  public:
    explicit TsTitleButtons(TsSkinProvider* owner) : FOwner(owner) {}

    TsTitleButton* Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TsTitleButton* Items(int i) const { return items_.at(static_cast<size_t>(i)).get(); }

  private:
    TsSkinProvider* FOwner;
    std::vector<std::unique_ptr<TsTitleButton>> items_;
};

// The read-me button's picture: a dark grey question mark, 12 x 12 pixels
// with alpha.
QImage questionMarkGlyph();

}  // namespace lingotab::frame
