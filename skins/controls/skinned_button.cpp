#include "skins/controls/skinned_button.h"

#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"
#include "skins/paint/mask_frame.h"
#include "skins/paint/section_paint.h"
#include "skins/paint/text_routine.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

namespace lingotab::skins {

TacSkinnedButton::TacSkinnedButton(QPushButton* button)
    : TacSkinnedControl(button, QStringLiteral("BUTTON"), TsCommonData::COC_TsBitBtn),
      button_(button) {}

int TacSkinnedButton::CurrentState() const {
    if (button_->isDown()) return 2;
    if (button_->isDefault() || button_->hasFocus() || activeState()) return 1;
    return 0;
}

void TacSkinnedButton::paintImage(QImage& image) {
    const TsSkinManager& manager = *skin();
    const int index = SkinData.SkinIndex;
    const TsGeneralData& section = manager.gd[static_cast<size_t>(index)];
    const int state = limitState(CurrentState(), section.States);
    const TCacheInfo ci = parentCache();
    QRegion corners;
    PaintSection(image, manager, index, ci, parentPos(), image.rect(), state, true,
                 SkinData.HotTexture, SkinData.Texture, &corners);

    // The window excludes the border's magenta corners, so clicks there
    // reach the control beneath.
    if (regionChanged_ && !fadeTimer()->running()) {
        const QRegion region = QRegion(image.rect()) - corners;
        if (region != SkinData.FRegion || button_->mask().isEmpty()) {
            SkinData.FRegion = region;
            if (corners.isEmpty())
                button_->clearMask();
            else
                button_->setMask(region);
        }
        regionChanged_ = false;
    }

    const QString text = button_->text();
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextExpandTabs;
    const QFontMetrics metrics(button_->font());
    const QRect measured = metrics.boundingRect(
        QRect(0, 0, std::max(image.width() - 2 * kMargin, 1), 10000), flags, text);
    const int left = std::max((image.width() - measured.width()) / 2, kMargin);
    const int top = (image.height() - measured.height() + 1) / 2;
    captionRect_ = QRect(left, top, measured.width(), measured.height());

    QRect textRect = captionRect_;
    if (state == 2) textRect.translate(1, 1);
    {
        QPainter painter(&image);
        painter.setFont(button_->font());
        WriteTextEx(painter, text, true, state > 0, &manager, index, flags, textRect);
    }
    if (button_->isEnabled() && button_->hasFocus() && !text.isEmpty() && section.ShowFocus)
        DrawFocusRect(image,
                      textRect.adjusted(-kFocusMargin, -kFocusMargin, kFocusMargin, kFocusMargin),
                      clBtnFace, clBlack);
    if (!button_->isEnabled()) ApplyDisabledLook(image, ci, parentPos());
}

bool TacSkinnedButton::handle(QEvent* event) {
    if (!button_->isEnabled()) return false;
    switch (event->type()) {
        case QEvent::Enter:
            SkinData.FMouseAbove = true;
            changeState(aeMouseEnter);
            break;
        case QEvent::Leave:
            SkinData.FMouseAbove = false;
            changeState(aeMouseLeave);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                QToolTip::hideText();
                mouseClicked_ = true;
                // The old image is taken now; the toolkit sets the button
                // down and repaints after the filters ran.
                changeState(aeMouseDown, true);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (mouseClicked_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                mouseClicked_ = false;
                stopFade();
                changeState(aeMouseUp, true);
            }
            break;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
                stopFade();
                regionChanged_ = true;
            }
            break;
        case QEvent::Resize:
        case QEvent::Move:
            regionChanged_ = true;
            break;
        default:
            break;
    }
    return false;
}

QByteArray TacSkinnedButton::paintKey() const {
    return TacSkinnedControl::paintKey() + (button_->isDown() ? "d" : "-") +
           (button_->isDefault() ? "D" : "-") + button_->text().toUtf8();
}

void TacSkinnedButton::skinCommand(int command) {
    regionChanged_ = true;
    if (command == AC_REMOVESKIN) {
        SkinData.FRegion = QRegion();
        button_->clearMask();
    }
}

}  // namespace lingotab::skins
