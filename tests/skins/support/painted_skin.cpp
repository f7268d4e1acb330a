#include "tests/skins/support/painted_skin.h"

namespace lingotab::skins::test {

namespace {

TsGeneralData plainSection(const QString& name, TColor color, TColor hot, int transparency = 0) {
    TsGeneralData d;
    d.ClassName = name;
    d.States = 3;
    d.Props[0].Color = color;
    d.Props[0].Transparency = transparency;
    d.Props[0].FontColor.Color = 0xFFFFFF;
    d.Props[1] = d.Props[0];
    d.Props[1].Color = hot;
    return d;
}

}  // namespace

PaintedSkin::PaintedSkin() {
    TacSkinContent& c = manager;
    // Master bitmap: a 6 x 6 border frame (3 frames) with magenta top-left
    // corners, and a 4 x 4 check glyph in three frames.
    c.MasterBitmap = QImage(40, 20, QImage::Format_ARGB32);
    c.MasterBitmap.fill(0xFF303030);
    for (int f = 0; f < 3; ++f) {
        c.MasterBitmap.setPixel(f * 6, 0, 0xFFFF00FF);
        c.MasterBitmap.setPixel(f * 6 + 1, 0, 0xFFFF00FF);
        c.MasterBitmap.setPixel(f * 6, 1, 0xFFFF00FF);
    }
    for (int y = 10; y < 14; ++y)
        for (int x = 0; x < 12; ++x) c.MasterBitmap.setPixel(x, y, kGlyphPixel);

    TsMaskData border;
    border.ClassName = QStringLiteral("BUTTON");
    border.PropertyName = QStringLiteral("BORDERSMASK");
    border.R = {0, 0, 18, 6};
    border.ImageCount = 3;
    border.WL = border.WT = border.WR = border.WB = 2;
    border.Manager = &manager;
    c.ma.push_back(border);

    for (const char* key : {"BOXCHECKED", "BOXUNCHECKED"}) {
        TsMaskData glyph;
        glyph.ClassName = QStringLiteral("GLOBALINFO");
        glyph.PropertyName = QString::fromLatin1(key);
        glyph.R = {0, 10, 12, 14};
        glyph.ImageCount = 3;
        glyph.ImgType = itisaGlyph;
        glyph.Manager = &manager;
        c.ma.push_back(glyph);
    }
    c.ConstData.CheckBoxChecked = 1;
    c.ConstData.CheckBoxUnChecked = 2;

    c.gd.push_back(plainSection(QStringLiteral("GLOBALINFO"), 0xC0C0C0, 0xC0C0C0));
    c.gd.push_back(plainSection(QStringLiteral("FORM"), 0x102030, 0x102030));
    TsGeneralData panel = plainSection(QStringLiteral("PANEL"), kPanelColor, kPanelColor);
    panel.GiveOwnFont = true;
    panel.Props[0].FontColor.Color = panel.Props[1].FontColor.Color = 0x00FFFF;
    c.gd.push_back(panel);
    TsGeneralData buttonSection =
        plainSection(QStringLiteral("BUTTON"), kButtonColor, kButtonHotColor);
    buttonSection.BorderIndex = 0;
    buttonSection.FadingEnabled = true;
    buttonSection.FadingIterations = 5;
    buttonSection.ShowFocus = true;
    c.gd.push_back(buttonSection);
    button = static_cast<int>(c.gd.size()) - 1;
    c.gd.push_back(plainSection(QStringLiteral("CHECKBOX"), 0xFFFFFF, 0xFFFFFF, 100));
    checkBox = static_cast<int>(c.gd.size()) - 1;
    c.SkinData.Active = true;
}

TsGeneralData& PaintedSkin::section(const QString& name) {
    return manager.gd[static_cast<size_t>(manager.GetSkinIndex(name))];
}

}  // namespace lingotab::skins::test
