// ConstData: the section and mask indexes that scroll bars, tabs, check
// boxes and combo boxes look up on every paint, found once per load.

#include "skins/options/skin_content.h"

#include <array>

namespace lingotab::skins {

namespace {

// The section and mask lookups of one section, inheriting masks.
struct SectionLookup {
    const TacSkinContent* content;
    QString name;
    int index;

    SectionLookup(const TacSkinContent& c, const QString& section)
        : content(&c), name(section), index(c.GetSkinIndex(section)) {}

    int16_t section() const { return static_cast<int16_t>(index); }
    int16_t mask(const QString& key) const {
        return static_cast<int16_t>(content->GetMaskIndex(index, name, key));
    }
    // Glyphs of a missing section are absent, whatever other sections hold.
    int16_t glyph() const { return index < 0 ? int16_t{-1} : mask(QStringLiteral("GLYPHMASK")); }
};

using Four = std::array<SectionLookup, 4>;
using FourFields = std::array<int16_t*, 4>;

Four lookups(const TacSkinContent& c, const char* a, const char* b, const char* d, const char* e) {
    return {SectionLookup(c, QString::fromLatin1(a)), SectionLookup(c, QString::fromLatin1(b)),
            SectionLookup(c, QString::fromLatin1(d)), SectionLookup(c, QString::fromLatin1(e))};
}

// One field per section of a group, in the group's order.
template <typename Read>
void fill(const Four& sections, const FourFields& fields, const Read& read) {
    for (size_t i = 0; i < sections.size(); ++i) *fields[i] = read(sections[i]);
}

const QString kBorders = QStringLiteral("BORDERSMASK");
const QString kPattern = QStringLiteral("PATTERN");
const QString kHotPattern = QStringLiteral("HOTPATTERN");

const auto sectionIndex = [](const SectionLookup& s) { return s.section(); };
const auto borderMask = [](const SectionLookup& s) { return s.mask(kBorders); };
const auto patternMask = [](const SectionLookup& s) { return s.mask(kPattern); };
const auto hotPatternMask = [](const SectionLookup& s) { return s.mask(kHotPattern); };
const auto glyphMask = [](const SectionLookup& s) { return s.glyph(); };

}  // namespace

void TacSkinContent::InitConstantIndexes() {
    TConstantSkinData& c = ConstData;

    const SectionLookup global(*this, QStringLiteral("GLOBALINFO"));
    c.IndexGLobalInfo = global.section();
    // Without "GLOBALINFO" its masks are absent.
    const auto globalMask = [&](const char* key) {
        return global.index < 0 ? int16_t{-1} : global.mask(QString::fromLatin1(key));
    };
    c.ExBorder = globalMask("EXBORDER");

    const Four tabs = lookups(*this, "TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT");
    fill(tabs, {&c.IndexTabTop, &c.IndexTabBottom, &c.IndexTabLeft, &c.IndexTabRight},
         sectionIndex);
    fill(tabs, {&c.MaskTabTop, &c.MaskTabBottom, &c.MaskTabLeft, &c.MaskTabRight}, borderMask);

    const Four buttons =
        lookups(*this, "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT");
    fill(buttons,
         {&c.IndexScrollTop, &c.IndexScrollBottom, &c.IndexScrollLeft, &c.IndexScrollRight},
         sectionIndex);
    fill(buttons, {&c.MaskScrollTop, &c.MaskScrollBottom, &c.MaskScrollLeft, &c.MaskScrollRight},
         borderMask);
    fill(buttons,
         {&c.IndexBGScrollTop, &c.IndexBGScrollBottom, &c.IndexBGScrollLeft, &c.IndexBGScrollRight},
         patternMask);
    fill(buttons,
         {&c.IndexBGHotScrollTop, &c.IndexBGHotScrollBottom, &c.IndexBGHotScrollLeft,
          &c.IndexBGHotScrollRight},
         hotPatternMask);
    fill(buttons, {&c.MaskArrowTop, &c.MaskArrowBottom, &c.MaskArrowLeft, &c.MaskArrowRight},
         glyphMask);

    const SectionLookup sliderV(*this, QStringLiteral("SCROLLSLIDERV"));
    const SectionLookup sliderH(*this, QStringLiteral("SCROLLSLIDERH"));
    c.IndexSliderVert = sliderV.section();
    c.IndexSliderHorz = sliderH.section();
    c.MaskSliderVert = sliderV.mask(kBorders);
    c.MaskSliderHorz = sliderH.mask(kBorders);
    c.MaskSliderGlyphVert = sliderV.glyph();
    c.MaskSliderGlyphHorz = sliderH.glyph();
    c.ScrollSliderBGHorz = sliderH.mask(kPattern);
    c.ScrollSliderBGHotHorz = sliderH.mask(kHotPattern);
    c.ScrollSliderBGVert = sliderV.mask(kPattern);
    c.ScrollSliderBGHotVert = sliderV.mask(kHotPattern);

    const Four bars = lookups(*this, "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V");
    fill(bars, {&c.IndexScrollBar1H, &c.IndexScrollBar1V, &c.IndexScrollBar2H, &c.IndexScrollBar2V},
         sectionIndex);
    fill(bars, {&c.MaskScrollBar1H, &c.MaskScrollBar1V, &c.MaskScrollBar2H, &c.MaskScrollBar2V},
         borderMask);
    fill(bars, {&c.BGScrollBar1H, &c.BGScrollBar1V, &c.BGScrollBar2H, &c.BGScrollBar2V},
         patternMask);
    fill(bars, {&c.BGHotScrollBar1H, &c.BGHotScrollBar1V, &c.BGHotScrollBar2H, &c.BGHotScrollBar2V},
         hotPatternMask);

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
    c.ComboBtnBorder = GetMaskIndex(comboBtn, kBorders);
    c.ComboBtnBG = GetTextureIndex(c.ComboBtnIndex, comboBtn, kPattern);
    c.ComboBtnBGHot = GetTextureIndex(c.ComboBtnIndex, comboBtn, kHotPattern);
    c.ComboGlyph = GetMaskIndex(QStringLiteral("COMBOBOX"), QStringLiteral("GLYPHMASK"));

    InitMaskIndexes();
}

}  // namespace lingotab::skins
