#include "skins/controls/skinned_spin_edit.h"

#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"
#include "skins/paint/mask_frame.h"
#include "skins/paint/pixels.h"
#include "skins/paint/section_paint.h"
#include "skins/paint/text_routine.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace lingotab::skins {

namespace {

constexpr TColor clGrayText = clSystemColor | 17;

}  // namespace

QRect skinnedSpinButtonGeometry(const QSize& box) {
    // Inside the two-pixel border: 4 pixels from the right, full inner height.
    return {box.width() - kSpinButtonWidth - 2, 2, kSpinButtonWidth, box.height() - 4};
}

QRect spinButtonGeometry(const QLineEdit* box, const QRect& standard) {
    const TacSkinnedControl* look = TacSkinnedControl::of(box);
    return look != nullptr && look->skinned() ? skinnedSpinButtonGeometry(box->size()) : standard;
}

QRect spinUpButton(const QSize& group) {
    return {0, 0, std::max(group.width(), 15), group.height() / 2};
}

QRect spinDownButton(const QSize& group) {
    const int up = group.height() / 2;
    return {0, up, std::max(group.width(), 15), group.height() - up};
}

void DrawSpinArrow(QImage& image, const QRect& button, bool up, TColor color) {
    const int x0 = button.left() + (button.width() - 9) / 2;
    const int y0 = button.top() + (button.height() - 5) / 2;
    const std::array<QPoint, 3> points =
        up ? std::array<QPoint, 3>{QPoint(x0 + 1, y0 + 4), QPoint(x0 + 7, y0 + 4),
                                   QPoint(x0 + 4, y0 + 1)}
           : std::array<QPoint, 3>{QPoint(x0 + 1, y0 + 1), QPoint(x0 + 7, y0 + 1),
                                   QPoint(x0 + 4, y0 + 4)};
    QPainter painter(&image);
    const QColor c = QColor::fromRgb(colorToPixel(color));
    painter.setPen(c);
    painter.setBrush(c);
    painter.drawPolygon(points.data(), 3);
}

TacSkinnedSpinEdit::TacSkinnedSpinEdit(QLineEdit* box, QWidget* arrows, QLabel* boundLabel)
    : TacSkinnedControl(box, QStringLiteral("EDIT"), 0),
      box_(box),
      arrows_(arrows),
      boundLabel_(boundLabel),
      standard_(box->palette()),
      standardFrame_(box->hasFrame()),
      standardMargins_(box->textMargins()) {
    if (arrows != nullptr) new TacSkinnedSpinButtons(arrows);
    applyColors();
}

void TacSkinnedSpinEdit::applyColors() {
    if (!skinned()) {
        box_->setPalette(standard_);
        box_->setFrame(standardFrame_);
        box_->setTextMargins(standardMargins_);
        return;
    }
    const TsGeneralData& section = skin()->gd[static_cast<size_t>(SkinData.SkinIndex)];
    QPalette palette = standard_;
    // The section is painted behind the toolkit's text.
    palette.setBrush(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text,
                     QColor::fromRgb(colorToPixel(section.Props[0].FontColor.Color)));
    box_->setPalette(palette);
    box_->setFrame(false);
    // The text ends 3 pixels before the arrow group, inside the border.
    box_->setTextMargins(3, 0, kSpinButtonWidth + 3, 0);
    if (arrows_) arrows_->setGeometry(skinnedSpinButtonGeometry(box_->size()));
}

void TacSkinnedSpinEdit::paintImage(QImage& image) {
    const TCacheInfo ci = parentCache();
    const int state = activeState() ? 1 : 0;
    PaintSection(image, *skin(), SkinData.SkinIndex, ci, parentPos(), image.rect(), state, true,
                 SkinData.HotTexture, SkinData.Texture);
    if (box_->isEnabled()) return;
    // Disabled: the text is part of the image, which then fades into the panel.
    QPainter painter(&image);
    painter.setFont(box_->font());
    const QRect text(3, 2, image.width() - kSpinButtonWidth - 6, image.height() - 4);
    WriteTextEx(painter, box_->text(), false, false, skin(), SkinData.SkinIndex,
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.end();
    ApplyDisabledLook(image, ci, parentPos());
}

bool TacSkinnedSpinEdit::handle(QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
            SkinData.FMouseAbove = true;
            invalidate();
            break;
        case QEvent::Leave:
            SkinData.FMouseAbove = false;
            invalidate();
            break;
        case QEvent::Resize:
            if (arrows_) arrows_->setGeometry(skinnedSpinButtonGeometry(box_->size()));
            break;
        case QEvent::EnabledChange:
            // With the blended disabled look the label greys with the box.
            if (boundLabel_) boundLabel_->setEnabled(box_->isEnabled());
            break;
        default:
            break;
    }
    return false;
}

// Enabled, the toolkit's edit draws its text and caret over the image.
bool TacSkinnedSpinEdit::paintsOverImage() const {
    return box_->isEnabled();
}

void TacSkinnedSpinEdit::skinCommand(int) {
    applyColors();
}

TacSkinnedSpinButtons::TacSkinnedSpinButtons(QWidget* arrows)
    : TacSkinnedControl(arrows, QStringLiteral("SPEEDBUTTON_SMALL"), 0) {
    arrows->setMouseTracking(true);
}

int TacSkinnedSpinButtons::state(bool up) const {
    const int which = up ? 1 : 2;
    if (pressed_ == which) return 2;
    return hot_ == which ? 1 : 0;
}

QByteArray TacSkinnedSpinButtons::paintKey() const {
    return TacSkinnedControl::paintKey() + char('0' + pressed_) + char('0' + hot_);
}

void TacSkinnedSpinButtons::paintImage(QImage& image) {
    const TsSkinManager& manager = *skin();
    const TCacheInfo ci = parentCache();
    // The group shows the box's image beneath it.
    if (ci.hasImage()) copyPixels(image, {0, 0}, *ci.Bmp, QRect(parentPos(), image.size()));
    const TsGeneralData& section = manager.gd[static_cast<size_t>(SkinData.SkinIndex)];
    const int edit = manager.GetSkinIndex(QStringLiteral("EDIT"));
    for (const bool up : {true, false}) {
        const QRect r = up ? spinUpButton(image.size()) : spinDownButton(image.size());
        const int s = state(up);
        PaintSection(image, manager, SkinData.SkinIndex, ci, parentPos() + r.topLeft(), r, s, true,
                     SkinData.HotTexture, SkinData.Texture);
        TColor color;
        if (!control()->isEnabled())
            color = clGrayText;
        else if (s > 0)
            color = section.States < 2 ? section.Props[0].FontColor.Color
                                       : section.Props[1].FontColor.Color;
        else
            color = manager.IsValidSkinIndex(edit)
                        ? manager.gd[static_cast<size_t>(edit)].Props[0].FontColor.Color
                        : clBlack;
        DrawSpinArrow(image, r, up, color);
    }
    if (!control()->isEnabled()) ApplyDisabledLook(image, ci, parentPos());
}

bool TacSkinnedSpinButtons::handle(QEvent* event) {
    const auto which = [&](QEvent* e) {
        const int y = static_cast<int>(static_cast<QMouseEvent*>(e)->position().y());
        return y < spinUpButton(control()->size()).height() ? 1 : 2;
    };
    switch (event->type()) {
        case QEvent::MouseMove:
            if (const int h = which(event); h != hot_) {
                hot_ = h;
                control()->update();
            }
            break;
        case QEvent::Leave:
            hot_ = 0;
            control()->update();
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                pressed_ = which(event);
                control()->update();
                // The box takes the focus when an arrow is pressed.
                if (QWidget* box = control()->parentWidget();
                    box != nullptr && box->focusPolicy() != Qt::NoFocus)
                    box->setFocus(Qt::MouseFocusReason);
            }
            break;
        case QEvent::MouseButtonRelease:
            pressed_ = 0;
            control()->update();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace lingotab::skins
