#include "tests/frame/support/title_skin.h"

namespace lingotab::frame::test {

namespace {

skins::TsGeneralData section(const QString& name, skins::TColor color, skins::TColor hot) {
    skins::TsGeneralData d;
    d.ClassName = name;
    d.States = 2;
    d.Props[0].Color = color;
    d.Props[1] = d.Props[0];
    d.Props[1].Color = hot;
    d.Props[1].FontColor.Color = 0xFFFFFF;
    return d;
}

}  // namespace

TitleSkin::TitleSkin() {
    skins::TacSkinContent& c = manager;
    c.MasterBitmap = QImage(600, 80, QImage::Format_ARGB32);
    c.MasterBitmap.fill(0xFF000000);
    c.gd.push_back(section(QStringLiteral("GLOBALINFO"), 0xC0C0C0, 0xC0C0C0));
    c.gd.push_back(section(QStringLiteral("FORM"), 0x808080, 0x808080));
    c.gd.push_back(section(QStringLiteral("FORMTITLE"), kTitleColor, kTitleHotColor));
    c.SkinData.BIRightMargin = 2;
    c.SkinData.BILeftMargin = 2;
    c.SkinData.Active = true;
}

void TitleSkin::addPicture(const QString& key, int width, int height, bool maskBand) {
    skins::TacSkinContent& c = manager;
    const int left = nextLeft_;
    nextLeft_ += 3 * width;
    for (int frame = 0; frame < 3; ++frame) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                c.MasterBitmap.setPixel(left + frame * width + x, y, kFramePixel[frame]);
                // A black mask band keeps the picture's pixels.
                if (maskBand)
                    c.MasterBitmap.setPixel(left + frame * width + x, height + y, 0xFF000000);
            }
        }
    }
    skins::TsMaskData mask;
    mask.ClassName = QStringLiteral("GLOBALINFO");
    mask.PropertyName = key;
    mask.R = {left, 0, left + 3 * width, maskBand ? 2 * height : height};
    mask.ImageCount = 3;
    mask.MaskType = maskBand ? 1 : 0;
    mask.ImgType = skins::itisaGlyph;
    mask.Manager = &manager;
    c.ma.push_back(mask);
}

void TitleSkin::addStandardPictures() {
    for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP"})
        addPicture(QLatin1String(key), 21, 18, true);
    addPicture(QStringLiteral("TITLEBUTTON"), 19, 18, true);
}

}  // namespace lingotab::frame::test
