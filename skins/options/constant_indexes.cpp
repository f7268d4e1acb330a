// ConstData: the section and mask indexes that scroll bars, tabs, check
// boxes and combo boxes look up on every paint, found once per load.

#include "skins/options/skin_content.h"

namespace lingotab::skins {

namespace {

// The section and mask lookups of one section, inheriting masks.
struct SectionLookup {
    const TacSkinContent& content;
    QString name;
    int index;

    SectionLookup(const TacSkinContent& c, const QString& section)
        : content(c), name(section), index(c.GetSkinIndex(section)) {}

    int16_t mask(const QString& key) const {
        return static_cast<int16_t>(content.GetMaskIndex(index, name, key));
    }
    // A glyph belongs to a section that exists, whatever other sections hold.
    int16_t glyph() const { return index < 0 ? int16_t{-1} : mask(QStringLiteral("GLYPHMASK")); }
};

}  // namespace

void TacSkinContent::InitConstantIndexes() {
    TConstantSkinData& c = ConstData;
    const QString borders = QStringLiteral("BORDERSMASK");
    const QString pattern = QStringLiteral("PATTERN");
    const QString hotPattern = QStringLiteral("HOTPATTERN");

    const SectionLookup global(*this, QStringLiteral("GLOBALINFO"));
    c.IndexGLobalInfo = static_cast<int16_t>(global.index);
    // Without "GLOBALINFO" its masks are absent (the lookup also says so).
    const auto globalMask = [&](const char* key) {
        return global.index < 0 ? int16_t{-1} : global.mask(QString::fromLatin1(key));
    };
    c.ExBorder = globalMask("EXBORDER");

    const SectionLookup tabTop(*this, QStringLiteral("TABTOP")),
        tabBottom(*this, QStringLiteral("TABBOTTOM")), tabLeft(*this, QStringLiteral("TABLEFT")),
        tabRight(*this, QStringLiteral("TABRIGHT"));
    c.IndexTabTop = static_cast<int16_t>(tabTop.index);
    c.IndexTabBottom = static_cast<int16_t>(tabBottom.index);
    c.IndexTabLeft = static_cast<int16_t>(tabLeft.index);
    c.IndexTabRight = static_cast<int16_t>(tabRight.index);
    c.MaskTabTop = tabTop.mask(borders);
    c.MaskTabBottom = tabBottom.mask(borders);
    c.MaskTabLeft = tabLeft.mask(borders);
    c.MaskTabRight = tabRight.mask(borders);

    const SectionLookup top(*this, QStringLiteral("SCROLLBTNTOP")),
        bottom(*this, QStringLiteral("SCROLLBTNBOTTOM")),
        left(*this, QStringLiteral("SCROLLBTNLEFT")),
        right(*this, QStringLiteral("SCROLLBTNRIGHT"));
    c.IndexScrollTop = static_cast<int16_t>(top.index);
    c.IndexScrollBottom = static_cast<int16_t>(bottom.index);
    c.IndexScrollLeft = static_cast<int16_t>(left.index);
    c.IndexScrollRight = static_cast<int16_t>(right.index);
    c.MaskScrollTop = top.mask(borders);
    c.MaskScrollBottom = bottom.mask(borders);
    c.MaskScrollLeft = left.mask(borders);
    c.MaskScrollRight = right.mask(borders);
    c.IndexBGScrollTop = top.mask(pattern);
    c.IndexBGScrollBottom = bottom.mask(pattern);
    c.IndexBGScrollLeft = left.mask(pattern);
    c.IndexBGScrollRight = right.mask(pattern);
    c.IndexBGHotScrollTop = top.mask(hotPattern);
    c.IndexBGHotScrollBottom = bottom.mask(hotPattern);
    c.IndexBGHotScrollLeft = left.mask(hotPattern);
    c.IndexBGHotScrollRight = right.mask(hotPattern);
    c.MaskArrowTop = top.glyph();
    c.MaskArrowBottom = bottom.glyph();
    c.MaskArrowLeft = left.glyph();
    c.MaskArrowRight = right.glyph();

    const SectionLookup sliderV(*this, QStringLiteral("SCROLLSLIDERV")),
        sliderH(*this, QStringLiteral("SCROLLSLIDERH"));
    c.IndexSliderVert = static_cast<int16_t>(sliderV.index);
    c.IndexSliderHorz = static_cast<int16_t>(sliderH.index);
    c.MaskSliderVert = sliderV.mask(borders);
    c.MaskSliderHorz = sliderH.mask(borders);
    c.MaskSliderGlyphVert = sliderV.glyph();
    c.MaskSliderGlyphHorz = sliderH.glyph();
    c.ScrollSliderBGHorz = sliderH.mask(pattern);
    c.ScrollSliderBGHotHorz = sliderH.mask(hotPattern);
    c.ScrollSliderBGVert = sliderV.mask(pattern);
    c.ScrollSliderBGHotVert = sliderV.mask(hotPattern);

    const SectionLookup bar1H(*this, QStringLiteral("SCROLLBAR1H")),
        bar1V(*this, QStringLiteral("SCROLLBAR1V")), bar2H(*this, QStringLiteral("SCROLLBAR2H")),
        bar2V(*this, QStringLiteral("SCROLLBAR2V"));
    c.IndexScrollBar1H = static_cast<int16_t>(bar1H.index);
    c.IndexScrollBar1V = static_cast<int16_t>(bar1V.index);
    c.IndexScrollBar2H = static_cast<int16_t>(bar2H.index);
    c.IndexScrollBar2V = static_cast<int16_t>(bar2V.index);
    c.MaskScrollBar1H = bar1H.mask(borders);
    c.MaskScrollBar1V = bar1V.mask(borders);
    c.MaskScrollBar2H = bar2H.mask(borders);
    c.MaskScrollBar2V = bar2V.mask(borders);
    c.BGScrollBar1H = bar1H.mask(pattern);
    c.BGScrollBar1V = bar1V.mask(pattern);
    c.BGScrollBar2H = bar2H.mask(pattern);
    c.BGScrollBar2V = bar2V.mask(pattern);
    c.BGHotScrollBar1H = bar1H.mask(hotPattern);
    c.BGHotScrollBar1V = bar1V.mask(hotPattern);
    c.BGHotScrollBar2H = bar2H.mask(hotPattern);
    c.BGHotScrollBar2V = bar2V.mask(hotPattern);

    c.CheckBoxChecked = globalMask("BOXCHECKED");
    c.CheckBoxUnChecked = globalMask("BOXUNCHECKED");
    c.CheckBoxGrayed = globalMask("BOXGRAYED");
    c.RadioButtonChecked = globalMask("RADIOCHECKED");
    c.RadioButtonUnChecked = globalMask("RADIOUNCHECKED");
    c.RadioButtonGrayed = globalMask("RADIOGRAYED");
    c.SmallCheckBoxChecked = globalMask("SMALLCHECKED");
    c.SmallCheckBoxUnChecked = globalMask("SMALLUNCHECKED");
    c.SmallCheckBoxGrayed = globalMask("SMALLGRAYED");

    const QString comboBtn = QStringLiteral("COMBOBTN");
    c.ComboBtnIndex = GetSkinIndex(comboBtn);
    c.ComboBtnBorder = GetMaskIndex(comboBtn, borders);
    c.ComboBtnBG = GetTextureIndex(c.ComboBtnIndex, comboBtn, pattern);
    c.ComboBtnBGHot = GetTextureIndex(c.ComboBtnIndex, comboBtn, hotPattern);
    c.ComboGlyph = GetMaskIndex(QStringLiteral("COMBOBOX"), QStringLiteral("GLYPHMASK"));

    InitMaskIndexes();
}

}  // namespace lingotab::skins
