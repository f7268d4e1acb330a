#pragma once

// The in-memory skin: the global record, one record per section of the
// options text, the masks cut from images, the large JPEG patterns and the
// index cache that painting reads most often. All images are 32-bit
// QImage::Format_ARGB32 bitmaps (not premultiplied, so exact magenta stays
// recognisable in transparent pixels); painting loops over their scan lines.

#include "skins/options/system_colors.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace lingotab::skins {

class TsSkinManager;

// Rectangle with exclusive right and bottom edges, as the mask notations
// write it: (Left, Top) is inside, (Right, Bottom) is just outside.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

// Global values of a skin ("GLOBALINFO", read without inheritance).
struct TsSkinData {
    QString SkinPath;     // folder of the current skin's image files (unpacked skins)
    bool Active = false;  // true while a skin is applied to the windows
    double Version = 0;
    QString Author;
    QString Description;
    TColor Shadow1Color = 0;
    int16_t Shadow1Offset = 0;
    int16_t Shadow1Blur = -1;
    int16_t Shadow1Transparency = 0;
    int16_t ExBorderWidth = 4;
    int16_t ExTitleHeight = 30;
    int16_t ExMaxHeight = 0;
    int16_t ExContentOffs = 8;
    int16_t ExShadowOffs = 0;
    int16_t ExCenterOffs = 0;
    int16_t ExDrawMode = 0;
    TColor FXColor = 0;
    TColor BorderColor = 0;
    int16_t BISpacing = 0;
    int16_t BIVAlign = 0;
    int16_t BIRightMargin = 0;
    int16_t BILeftMargin = 0;
    int16_t BITopMargin = 0;
    int16_t BIKeepHUE = 0;
    int16_t BICloseGlow = 0;
    int16_t BICloseGlowMargin = 0;
    int16_t BIMaxGlow = 0;
    int16_t BIMaxGlowMargin = 0;
    int16_t BIMinGlow = 0;
    int16_t BIMinGlowMargin = 0;
};

// Text colour and outline colours; -1 in an outline field: no outline there.
struct TsFontColor {
    TColor Color = 0;
    TColor Left = -1;
    TColor Top = -1;
    TColor Right = -1;
    TColor Bottom = -1;
    bool operator==(const TsFontColor&) const = default;
};

// One band of a gradient. Mode1 of the first band picks the form:
// 0 top to bottom, 1 left to right, 2 four corners.
struct TsGradPie {
    TColor Color1 = 0;
    TColor Color2 = 0;
    int32_t Percent = 0;  // 0..100
    int32_t Mode1 = 0;
    int32_t Mode2 = 0;
    bool operator==(const TsGradPie&) const = default;
};
using TsGradArray = std::vector<TsGradPie>;

// The background values of one visual state.
struct TsGenState {
    TColor Color = 0;
    TsFontColor FontColor;
    int32_t GradientPercent = 0;
    QString GradientData;
    TsGradArray GradientArray;
    int32_t ImagePercent = 0;
    TColor GlowColor = 0;
    uint8_t GlowSize = 0;
    int32_t Transparency = 0;
    bool operator==(const TsGenState&) const = default;
};

// One section of the options text, with inherited values filled in.
struct TsGeneralData {
    QString ParentClass;
    QString ClassName;
    int32_t States = 4;   // below 2: no separate hot state
    TsGenState Props[2];  // 0 normal, 1 hot (a copy of 0 when States < 2)
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = false;
    int32_t GlowCount = 0;
    int32_t GlowMargin = 0;
    int32_t BorderIndex = -1;  // masks "BORDERSMASK", "IMGTOPLEFT", ... in `ma`
    int32_t ImgTL = -1;
    int32_t ImgTR = -1;
    int32_t ImgBL = -1;
    int32_t ImgBR = -1;
    TColor Color = clWhite;
    int32_t Transparency = 0;  // percent
    int32_t GradientPercent = 0;
    QString GradientData = QStringLiteral(" ");
    TsGradArray GradientArray;
    int32_t ImagePercent = 0;
    TsFontColor FontColor;
    TColor HotColor = clWhite;
    int32_t HotTransparency = 0;
    int32_t HotGradientPercent = 0;
    QString HotGradientData;
    TsGradArray HotGradientArray;
    int32_t HotImagePercent = 0;
    TsFontColor HotFontColor;
    bool FadingEnabled = false;
    int32_t FadingIterations = 5;
    TColor HotGlowColor = clWhite;
    TColor GlowColor = clWhite;
    uint8_t HotGlowSize = 0;
    uint8_t GlowSize = 0;
};

enum TacImgType { itisaBorder, itisaTexture, itisaGlyph, itisaGlow, itisaPngGlyph };

// A mask: a rectangle of the master bitmap, or an image of its own.
// `R` holds ImageCount frames side by side and MaskType + 1 equally tall
// bands (the second band, when present, holds the frames' masks). `R` is
// taken from the options text as written: painting clips it against the
// source image, and ImageCount or MaskType + 1 may be 0.
struct TsMaskData {
    QImage Bmp;  // null when the mask is a rectangle of the master bitmap
    QString ClassName;
    QString PropertyName;
    TRect R;
    int16_t ImageCount = 0;
    int16_t MaskType = 0;
    int16_t BorderWidth = 0;
    int16_t DrawMode = 0;
    TacImgType ImgType = itisaBorder;
    TsSkinManager* Manager = nullptr;
    int16_t WL = 0;
    int16_t WT = 0;
    int16_t WR = 0;
    int16_t WB = 0;
};

// A JPEG texture too large to be copied into a mask (more than 899,999
// pixels); tiled straight from the decoded image.
struct TsPatternData {
    QImage Img;
    QString ClassName;     // upper-cased
    QString PropertyName;  // upper-cased
};

// Indexes looked up once per load; -1 means none.
struct TConstantSkinData {
    int16_t IndexGLobalInfo = -1;
    int16_t ExBorder = -1;

    int16_t IndexTabTop = -1, IndexTabBottom = -1, IndexTabLeft = -1, IndexTabRight = -1;
    int16_t MaskTabTop = -1, MaskTabBottom = -1, MaskTabLeft = -1, MaskTabRight = -1;

    int16_t IndexScrollTop = -1, IndexScrollBottom = -1, IndexScrollLeft = -1,
            IndexScrollRight = -1;
    int16_t MaskScrollTop = -1, MaskScrollBottom = -1, MaskScrollLeft = -1, MaskScrollRight = -1;
    int16_t IndexBGScrollTop = -1, IndexBGScrollBottom = -1, IndexBGScrollLeft = -1,
            IndexBGScrollRight = -1;
    int16_t IndexBGHotScrollTop = -1, IndexBGHotScrollBottom = -1, IndexBGHotScrollLeft = -1,
            IndexBGHotScrollRight = -1;
    int16_t MaskArrowTop = -1, MaskArrowBottom = -1, MaskArrowLeft = -1, MaskArrowRight = -1;

    int16_t IndexSliderVert = -1, IndexSliderHorz = -1;
    int16_t MaskSliderVert = -1, MaskSliderHorz = -1;
    int16_t MaskSliderGlyphVert = -1, MaskSliderGlyphHorz = -1;
    int16_t ScrollSliderBGHorz = -1, ScrollSliderBGHotHorz = -1, ScrollSliderBGVert = -1,
            ScrollSliderBGHotVert = -1;

    int16_t IndexScrollBar1H = -1, IndexScrollBar1V = -1, IndexScrollBar2H = -1,
            IndexScrollBar2V = -1;
    int16_t MaskScrollBar1H = -1, MaskScrollBar1V = -1, MaskScrollBar2H = -1, MaskScrollBar2V = -1;
    int16_t BGScrollBar1H = -1, BGScrollBar1V = -1, BGScrollBar2H = -1, BGScrollBar2V = -1;
    int16_t BGHotScrollBar1H = -1, BGHotScrollBar1V = -1, BGHotScrollBar2H = -1,
            BGHotScrollBar2V = -1;

    int16_t CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
    int16_t RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
    int16_t SmallCheckBoxChecked = -1, SmallCheckBoxUnChecked = -1, SmallCheckBoxGrayed = -1;

    int32_t ComboBtnIndex = -1;
    int32_t ComboBtnBorder = -1;
    int32_t ComboBtnBG = -1;
    int32_t ComboBtnBGHot = -1;
    int32_t ComboGlyph = -1;
};

}  // namespace lingotab::skins
