#include "skins/controls/skinned_check_box.h"

#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"
#include "skins/paint/mask_frame.h"
#include "skins/paint/section_paint.h"
#include "skins/paint/text_routine.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>

namespace lingotab::skins {

TacSkinnedCheckBox::TacSkinnedCheckBox(QCheckBox* box)
    : TacSkinnedControl(box, QStringLiteral("CHECKBOX"), TsCommonData::COC_TsCheckBox), box_(box) {}

int TacSkinnedCheckBox::glyphMask() const {
    const TConstantSkinData& c = skin()->ConstData;
    switch (box_->checkState()) {
        case Qt::Checked:
            return c.CheckBoxChecked;
        case Qt::PartiallyChecked:
            return c.CheckBoxGrayed;
        default:
            return c.CheckBoxUnChecked;
    }
}

QSize TacSkinnedCheckBox::glyphSize() const {
    const TacMaskFrame frame = maskFrame(*skin(), glyphMask(), 0);
    return frame.valid() ? frame.rect.size() : QSize(16, 16);
}

QSize TacSkinnedCheckBox::autoSize() const {
    const QSize glyph = glyphSize();
    const QString text = box_->text();
    const QFontMetrics metrics(box_->font());
    const QSize caption = text.isEmpty() ? QSize() : metrics.size(Qt::TextSingleLine, text);
    const int width =
        glyph.width() + 2 * kMargin + (text.isEmpty() ? 0 : caption.width() + kTextIndent + 8);
    const int height = std::max(glyph.height(), caption.height() + 2 * kMargin) + 2;
    return {width, height};
}

void TacSkinnedCheckBox::applyAutoSize() {
    if (skinned()) box_->resize(autoSize());
}

void TacSkinnedCheckBox::paintImage(QImage& image) {
    const TsSkinManager& manager = *skin();
    const int index = SkinData.SkinIndex;
    const bool active = activeState();
    const int state = active ? 1 : 0;
    const TCacheInfo ci = parentCache();
    PaintSection(image, manager, index, ci, parentPos(), image.rect(), state, true,
                 SkinData.HotTexture, SkinData.Texture);

    const QSize glyph = glyphSize();
    const QString text = box_->text();
    if (!text.isEmpty()) {
        const int available = image.width() - glyph.width() - kTextIndent - 2 * kMargin - 2;
        const QFontMetrics metrics(box_->font());
        const QSize measured = metrics.size(Qt::TextSingleLine, text);
        const int top = std::max((image.height() - measured.height()) / 2, kMargin);
        const int left = box_->layoutDirection() == Qt::RightToLeft
                             ? kMargin
                             : image.width() - available - kMargin + 2;
        captionRect_ = QRect(left, top - 1, std::min(measured.width(), std::max(available, 0)),
                             measured.height());
        QPainter painter(&image);
        painter.setFont(box_->font());
        WriteTextEx(painter, text, true, active, &manager, fontSection(state),
                    Qt::AlignLeft | Qt::TextSingleLine, captionRect_);
        painter.end();
        if (box_->hasFocus())
            DrawFocusRect(image, captionRect_.adjusted(-1, 0, 1, 0), clBtnFace, clBlack);
    }

    const int frame = box_->isDown() ? 2 : state;
    const int x = box_->layoutDirection() == Qt::RightToLeft
                      ? image.width() - kMargin - glyph.width()
                      : kMargin;
    DrawMaskGlyph(image, manager, {x, (image.height() - glyph.height()) / 2}, frame, glyphMask(),
                  true);
    if (!box_->isEnabled()) ApplyDisabledLook(image, ci, parentPos());
}

bool TacSkinnedCheckBox::handle(QEvent* event) {
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange)
        applyAutoSize();
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
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                changeState(aeMouseDown, true);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                changeState(aeMouseUp, true);
            break;
        case QEvent::FocusOut:
            stopFade();
            SkinData.FMouseAbove = false;
            break;
        default:
            break;
    }
    return false;
}

QByteArray TacSkinnedCheckBox::paintKey() const {
    return TacSkinnedControl::paintKey() + (box_->isDown() ? "d" : "-") +
           QByteArray::number(box_->checkState()) + box_->text().toUtf8();
}

void TacSkinnedCheckBox::skinCommand(int command) {
    if (command == AC_SETNEWSKIN || command == AC_REFRESH) applyAutoSize();
}

}  // namespace lingotab::skins
