#include "hints/window/hint_skin.h"

#include "skins/manager/skin_manager.h"
#include "skins/paint/section_paint.h"

namespace lingotab::hints {
namespace {

using skins::TsMaskData;

// The width of one side: `own` is the mask's WL, WT, WR or WB; `extent` the
// mask rectangle's width or height and `parts` the frames or bands in it.
int sideWidth(const TsMaskData* mask, int own, int extent, int parts) {
    if (!mask) return 0;
    if (mask->BorderWidth >= 1) return mask->BorderWidth;
    if (own >= 1) return own;
    return parts > 0 ? extent / (parts * 3) : 0;
}

QColor fromTColor(skins::TColor color) {
    const skins::TColor rgb = skins::ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

}  // namespace

HintSkin HintSkin::find(const skins::TsSkinManager* manager, const QString& section) {
    HintSkin skin;
    skin.manager = manager;
    if (!manager || !manager->active()) return skin;
    skin.SkinIndex = manager->GetSkinIndex(section);
    if (skin.SkinIndex < 0) return skin;
    skin.BorderIndex =
        manager->GetMaskIndex(skin.SkinIndex, section, QStringLiteral("BORDERSMASK"));
    skin.BGIndex = manager->GetTextureIndex(skin.SkinIndex, section, QStringLiteral("PATTERN"));
    return skin;
}

bool HintSkin::valid() const {
    return manager && manager->IsValidSkinIndex(SkinIndex);
}

static const TsMaskData* borderMask(const HintSkin& skin) {
    if (!skin.manager || !skin.manager->IsValidImgIndex(skin.BorderIndex)) return nullptr;
    return &skin.manager->ma[std::size_t(skin.BorderIndex)];
}

int HintSkin::borderLeft() const {
    const TsMaskData* m = borderMask(*this);
    return sideWidth(m, m ? m->WL : 0, m ? m->R.width() : 0, m ? m->ImageCount : 0);
}

int HintSkin::borderRight() const {
    const TsMaskData* m = borderMask(*this);
    return sideWidth(m, m ? m->WR : 0, m ? m->R.width() : 0, m ? m->ImageCount : 0);
}

int HintSkin::borderTop() const {
    const TsMaskData* m = borderMask(*this);
    return sideWidth(m, m ? m->WT : 0, m ? m->R.height() : 0, m ? m->MaskType + 1 : 0);
}

int HintSkin::borderBottom() const {
    const TsMaskData* m = borderMask(*this);
    return sideWidth(m, m ? m->WB : 0, m ? m->R.height() : 0, m ? m->MaskType + 1 : 0);
}

int HintSkin::transparency() const {
    return valid() ? manager->gd[std::size_t(SkinIndex)].Props[0].Transparency : 0;
}

QColor HintSkin::fontColor() const {
    return valid() ? fromTColor(manager->gd[std::size_t(SkinIndex)].Props[0].FontColor.Color)
                   : QColor(Qt::black);
}

void HintSkin::paint(QImage& target, skins::TColor transparentFill) const {
    if (!valid()) return;
    skins::TCacheInfo beneath;
    beneath.FillColor = transparentFill;
    skins::PaintSection(target, *manager, SkinIndex, beneath, QPoint(0, 0), target.rect(), 0, true,
                        -1, BGIndex);
}

}  // namespace lingotab::hints
