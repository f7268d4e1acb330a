#pragma once

#include "skins/controls/skinned_control.h"

class QCheckBox;

namespace lingotab::skins {

// The skinned look of a check box: background, the skin's check glyph,
// caption in the colours of the section under it, focus frame, disabled
// look, automatic size and fades.
class TacSkinnedCheckBox : public TacSkinnedControl {
    Q_OBJECT
  public:
    static constexpr int kMargin = 2;
    static constexpr int kTextIndent = 0;

    explicit TacSkinnedCheckBox(QCheckBox* box);

    // The glyph mask of the current check state (-1 when the skin has none).
    int glyphMask() const;
    // Width and height of the glyph (16 x 16 without a glyph).
    QSize glyphSize() const;
    // The size the box takes with a skin (caption on one line).
    QSize autoSize() const;
    QRect CaptionRect() const { return captionRect_; }

  protected:
    void paintImage(QImage& image) override;
    QByteArray paintKey() const override;
    bool handle(QEvent* event) override;
    void skinCommand(int command) override;

  private:
    void applyAutoSize();

    QCheckBox* box_;
    QRect captionRect_;
};

}  // namespace lingotab::skins
