// The global record and one record per section, with section inheritance
// through "PARENTCLASS": a key missing from a section (for numbers also the
// value -1) is taken from its parent, then the parent's parent, and so on;
// a chain that comes back to a section already visited ends there, and so
// does one longer than kMaxAncestors.

#include "skins/options/ini_model.h"
#include "skins/options/options_loader.h"
#include "skins/options/skin_numbers.h"

#include <QVarLengthArray>

namespace lingotab::skins {

namespace {

const QString kGlobalInfo = QStringLiteral("GLOBALINFO");
const QString kParentClass = QStringLiteral("PARENTCLASS");
constexpr qsizetype kMaxAncestors = 32;

class InheritedReader {
  public:
    InheritedReader(const TacIniModel& model, const TacIniModel::Section& section)
        : model_(model), section_(section) {}

    // An integer or colour key; `fallback` when no section of the chain has it.
    int integer(const QString& key, int fallback) const {
        bool inherited = false;
        for (const TacIniModel::Section* section : chain()) {
            const QString* value = section->value(key);
            const int read = value ? readIntegerValue(*value).value_or(-1) : -1;
            if (read != -1) return inherited ? ColorToRGB(read) : read;
            inherited = true;
        }
        return fallback;
    }

    QString text(const QString& key, const QString& fallback) const {
        for (const TacIniModel::Section* section : chain()) {
            if (const QString* value = section->value(key)) return *value;
        }
        return fallback;
    }

    bool boolean(const QString& key) const {
        const QString value = text(key, QStringLiteral("0")).toUpper();
        return value == QLatin1String("1") || value == QLatin1String("TRUE");
    }

    TsFontColor fontColor(const QString& color, const QString& prefix) const {
        return {integer(color, 0), integer(prefix + QLatin1String("TCLEFT"), -1),
                integer(prefix + QLatin1String("TCTOP"), -1),
                integer(prefix + QLatin1String("TCRIGHT"), -1),
                integer(prefix + QLatin1String("TCBOTTOM"), -1)};
    }

  private:
    // The section, then its ancestors, each at most once.
    QVarLengthArray<const TacIniModel::Section*, 8> chain() const {
        QVarLengthArray<const TacIniModel::Section*, 8> sections{&section_};
        while (sections.size() <= kMaxAncestors) {
            const TacIniModel::Section* last = sections.back();
            const QString* parent = last->value(kParentClass);
            if (!parent || parent->isEmpty() || *parent == QLatin1String("?") ||
                *parent == last->name)
                break;
            const TacIniModel::Section* next = model_.section(*parent);
            if (!next || std::find(sections.begin(), sections.end(), next) != sections.end()) break;
            sections.push_back(next);
        }
        return sections;
    }

    const TacIniModel& model_;
    const TacIniModel::Section& section_;
};

// Gradient text: groups of five ";"-separated fields, of which the first
// four are strict numbers (colour 1, colour 2, percent, mode).
TsGradArray parseGradient(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    TsGradArray bands;
    for (qsizetype group = 0; group + 5 <= fields.size(); group += 5) {
        TsGradPie band;
        band.Color1 = std::max(0, strictInteger(fields[group]));
        band.Color2 = std::max(0, strictInteger(fields[group + 1]));
        band.Percent = std::clamp(strictInteger(fields[group + 2]), 0, 100);
        band.Mode1 = strictInteger(fields[group + 3]);
        bands.push_back(band);
    }
    return bands;
}

int16_t strictKey(const TacIniModel& model, const QString& key, const QString& fallback) {
    return static_cast<int16_t>(strictInteger(model.readString(kGlobalInfo, key, fallback)));
}

int16_t integerKey(const TacIniModel& model, const QString& key, int fallback) {
    return static_cast<int16_t>(model.readInteger(kGlobalInfo, key, fallback));
}

void readGlobalRecord(const TacIniModel& model, TsSkinData& data) {
    data.Version =
        readDecimal(model.readString(kGlobalInfo, QStringLiteral("VERSION"), {})).value_or(0);
    data.Author = model.readString(kGlobalInfo, QStringLiteral("AUTHOR"), {});
    data.Description = model.readString(kGlobalInfo, QStringLiteral("DESCRIPTION"), {});
    data.Shadow1Color = model.readInteger(kGlobalInfo, QStringLiteral("SHADOW1COLOR"), 0);
    data.Shadow1Offset = strictKey(model, QStringLiteral("SHADOW1OFFSET"), QStringLiteral("0"));
    data.Shadow1Blur = strictKey(model, QStringLiteral("SHADOW1BLUR"), QStringLiteral("-1"));
    data.Shadow1Transparency =
        strictKey(model, QStringLiteral("SHADOW1TRANSPARENCY"), QStringLiteral("0"));
    data.ExBorderWidth = integerKey(model, QStringLiteral("BORDERWIDTH"), 4);
    data.ExTitleHeight = integerKey(model, QStringLiteral("TITLEHEIGHT"), 30);
    data.ExMaxHeight = integerKey(model, QStringLiteral("MAXHEIGHT"), 0);
    if (data.ExMaxHeight == 0) data.ExMaxHeight = data.ExTitleHeight;
    data.ExContentOffs = integerKey(model, QStringLiteral("FORMOFFSET"), 8);
    data.ExShadowOffs = integerKey(model, QStringLiteral("ALIGNOFFSET"), 0);
    data.ExCenterOffs = integerKey(model, QStringLiteral("CENTEROFFSET"), 0);
    data.ExDrawMode = integerKey(model, QStringLiteral("BORDERMODE"), 0);
    data.BorderColor = model.readInteger(kGlobalInfo, QStringLiteral("BORDERCOLOR"), 0);
    data.BISpacing = integerKey(model, QStringLiteral("BISPACE"), 0);
    data.BIVAlign = integerKey(model, QStringLiteral("BIVALIGN"), 0);
    data.BIRightMargin = integerKey(model, QStringLiteral("BIRIGHT"), 0);
    data.BILeftMargin = integerKey(model, QStringLiteral("BILEFT"), 0);
    data.BITopMargin = integerKey(model, QStringLiteral("BITOP"), 0);
    data.BIKeepHUE = integerKey(model, QStringLiteral("BIKEEPHUE"), 0);
    data.BICloseGlow = strictKey(model, QStringLiteral("BICONCLOSEGLOW"), QStringLiteral("0"));
    data.BICloseGlowMargin =
        strictKey(model, QStringLiteral("BICONCLOSEGLOWMARGIN"), QStringLiteral("0"));
    data.BIMaxGlow = strictKey(model, QStringLiteral("BICONMAXGLOW"), QStringLiteral("0"));
    data.BIMaxGlowMargin =
        strictKey(model, QStringLiteral("BICONMAXGLOWMARGIN"), QStringLiteral("0"));
    data.BIMinGlow = strictKey(model, QStringLiteral("BICONMINGLOW"), QStringLiteral("0"));
    data.BIMinGlowMargin =
        strictKey(model, QStringLiteral("BICONMINGLOWMARGIN"), QStringLiteral("0"));
}

TsGenState state(TColor color, const TsFontColor& fontColor, int gradientPercent,
                 const QString& gradientData, const TsGradArray& gradient, int imagePercent,
                 TColor glowColor, uint8_t glowSize, int transparency) {
    return {color,        fontColor, gradientPercent, gradientData, gradient,
            imagePercent, glowColor, glowSize,        transparency};
}

TsGeneralData readSection(const TacIniModel& model, const TacIniModel::Section& section) {
    const InheritedReader read(model, section);
    TsGeneralData r;
    r.ClassName = section.name;
    if (const QString* parent = section.value(kParentClass)) r.ParentClass = *parent;
    r.States = read.integer(QStringLiteral("STATES"), 4);
    r.GiveOwnFont = read.boolean(QStringLiteral("GIVEOWNFONT"));
    r.ReservedBoolean = read.boolean(QStringLiteral("RESERVEDBOOLEAN"));
    r.ShowFocus = read.boolean(QStringLiteral("SHOWFOCUS"));
    r.GlowCount = read.integer(QStringLiteral("GLOW"), 0);
    r.GlowMargin = read.integer(QStringLiteral("GLOWMARGIN"), 0);
    r.Color = ColorToRGB(read.integer(QStringLiteral("COLOR"), clWhite));
    r.Transparency = read.integer(QStringLiteral("TRANSPARENCY"), 0);
    r.GradientPercent = read.integer(QStringLiteral("GRADIENTPERCENT"), 0);
    r.GradientData = read.text(QStringLiteral("GRADIENTDATA"), QStringLiteral(" "));
    r.GradientArray = parseGradient(r.GradientData);
    if (r.GradientData.size() < 2) r.GradientPercent = 0;
    r.ImagePercent = read.integer(QStringLiteral("IMAGEPERCENT"), 0);
    r.FontColor = read.fontColor(QStringLiteral("FONTCOLOR"), {});

    // Sections of one state have no hot values at all.
    r.HotColor = 0;
    r.HotGlowColor = 0;
    r.HotFontColor = {0, 0, 0, 0, 0};
    if (r.States >= 2) {
        r.HotColor = read.integer(QStringLiteral("HOTCOLOR"), clWhite);
        r.HotTransparency = read.integer(QStringLiteral("HOTTRANSPARENCY"), 0);
        r.HotGradientPercent = read.integer(QStringLiteral("HOTGRADIENTPERCENT"), 0);
        r.HotGradientData = read.text(QStringLiteral("HOTGRADIENTDATA"), {});
        r.HotGradientArray = parseGradient(r.HotGradientData);
        if (r.HotGradientData.size() < 2) r.HotGradientPercent = 0;
        r.HotImagePercent = read.integer(QStringLiteral("HOTIMAGEPERCENT"), 0);
        r.HotFontColor = read.fontColor(QStringLiteral("HOTFONTCOLOR"), QStringLiteral("HOT"));
        r.HotGlowColor = ColorToRGB(read.integer(QStringLiteral("HGCOL"), clWhite));
        r.HotGlowSize = static_cast<uint8_t>(read.integer(QStringLiteral("HGSIZE"), 0));
    }
    r.FadingEnabled = read.boolean(QStringLiteral("FADINGENABLED"));
    r.FadingIterations = read.integer(QStringLiteral("FADINGITERATIONS"), 5);
    r.GlowColor = ColorToRGB(read.integer(QStringLiteral("GCOL"), clWhite));
    r.GlowSize = static_cast<uint8_t>(read.integer(QStringLiteral("GSIZE"), 0));

    r.Props[0] = state(r.Color, r.FontColor, r.GradientPercent, r.GradientData, r.GradientArray,
                       r.ImagePercent, r.GlowColor, r.GlowSize, r.Transparency);
    r.Props[1] = r.States >= 2 ? state(r.HotColor, r.HotFontColor, r.HotGradientPercent,
                                       r.HotGradientData, r.HotGradientArray, r.HotImagePercent,
                                       r.HotGlowColor, r.HotGlowSize, r.HotTransparency)
                               : r.Props[0];
    return r;
}

}  // namespace

void LoadAllGeneralData(TacSkinContent& content, const TacLoadSource& source) {
    content.gd.clear();
    if (!source.model) return;
    readGlobalRecord(*source.model, content.SkinData);
    CheckVersion(content.SkinData.Version, source.skinName);
    content.gd.reserve(source.model->sections().size());
    for (const TacIniModel::Section& section : source.model->sections())
        content.gd.push_back(readSection(*source.model, section));
    content.InitMaskIndexes();
}

}  // namespace lingotab::skins
