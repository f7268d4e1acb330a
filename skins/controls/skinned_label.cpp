#include "skins/controls/skinned_label.h"

#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"
#include "skins/paint/pixels.h"

#include <QEvent>
#include <QLabel>

namespace lingotab::skins {

namespace {

QColor qcolor(TColor color) {
    return QColor::fromRgb(colorToPixel(color));
}

}  // namespace

QPoint boundLabelPosition(const QRect& control, const QSize& label, int indent) {
    return {control.left() - label.width() - indent - 4,
            control.top() + (control.height() - label.height()) / 2 - 1};
}

TacSkinnedLabel::TacSkinnedLabel(QLabel* label)
    : QObject(label), label_(label), standard_(label->palette()) {
    label->installEventFilter(this);
    applyColors();
}

TColor TacSkinnedLabel::skinFontColor() const {
    const TsSkinManager* manager = TsSkinManager::defaultManager();
    if (manager == nullptr || !manager->SkinData.Active) return clFuchsia;
    for (QWidget* w = label_->parentWidget(); w != nullptr; w = w->parentWidget()) {
        const TacSkinnedControl* look = TacSkinnedControl::of(w);
        if (look == nullptr || !manager->IsValidSkinIndex(look->SkinData.SkinIndex)) break;
        const TsGeneralData& section = manager->gd[static_cast<size_t>(look->SkinData.SkinIndex)];
        if (section.Props[0].Transparency > 50) continue;
        if (section.GiveOwnFont) return ColorToRGB(section.Props[0].FontColor.Color);
        break;
    }
    return manager->GetGlobalFontColor();
}

void TacSkinnedLabel::applyColors() {
    const TColor color = skinFontColor();
    if (color == clFuchsia) {
        label_->setPalette(standard_);
        return;
    }
    QPalette palette = standard_;
    palette.setColor(QPalette::Active, QPalette::WindowText, qcolor(color));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, qcolor(color));
    // Disabled: 40 % of the font colour, the rest of the background under it.
    TColor background = ColorToRGB(clBtnFace);
    if (const TacSkinnedControl* parent = TacSkinnedControl::of(label_->parentWidget());
        parent != nullptr && parent->skinned())
        background = ColorToRGB(
            parent->skin()->gd[static_cast<size_t>(parent->SkinData.SkinIndex)].Props[0].Color);
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     qcolor(MixColors(color, background, 0.4)));
    if (palette != label_->palette()) label_->setPalette(palette);
}

bool TacSkinnedLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ &&
        (event->type() == TacSkinCommandEvent::Type || event->type() == QEvent::ParentChange))
        applyColors();
    return false;
}

}  // namespace lingotab::skins
