#include "platform/ui_languages.h"

namespace lingotab::platform {

namespace {

struct Abbreviation {
    const char* name;  // language-territory as QLocale::name() writes it
    const char* abbreviation;
};

// The established abbreviations, where the third letter is not simply the
// territory's initial.
constexpr Abbreviation kAbbreviations[] = {
    {"ru_RU", "RUS"}, {"en_US", "ENU"}, {"en_GB", "ENG"}, {"en_AU", "ENA"}, {"en_CA", "ENC"},
    {"en_IE", "ENI"}, {"en_NZ", "ENZ"}, {"de_DE", "DEU"}, {"de_AT", "DEA"}, {"de_CH", "DES"},
    {"fr_FR", "FRA"}, {"fr_BE", "FRB"}, {"fr_CA", "FRC"}, {"fr_CH", "FRS"}, {"es_ES", "ESN"},
    {"es_MX", "ESM"}, {"it_IT", "ITA"}, {"uk_UA", "UKR"}, {"be_BY", "BEL"}, {"pl_PL", "PLK"},
    {"cs_CZ", "CSY"}, {"sk_SK", "SKY"}, {"pt_BR", "PTB"}, {"pt_PT", "PTG"}, {"nl_NL", "NLD"},
    {"sv_SE", "SVE"}, {"fi_FI", "FIN"}, {"da_DK", "DAN"}, {"nb_NO", "NOR"}, {"ja_JP", "JPN"},
    {"zh_CN", "CHS"}, {"zh_TW", "CHT"}, {"ko_KR", "KOR"}, {"tr_TR", "TRK"}, {"hu_HU", "HUN"},
    {"bg_BG", "BGR"}, {"el_GR", "ELL"}, {"kk_KZ", "KKZ"}, {"lt_LT", "LTH"}, {"lv_LV", "LVI"},
    {"et_EE", "ETI"}, {"ro_RO", "ROM"}, {"sr_RS", "SRB"}, {"hr_HR", "HRV"}, {"sl_SI", "SLV"},
};

}  // namespace

QString abbreviatedLanguageName(const QLocale& locale) {
    const QString name = locale.name();  // "ru_RU"; "C" for the C locale
    for (const Abbreviation& entry : kAbbreviations)
        if (name == QLatin1String(entry.name)) return QLatin1String(entry.abbreviation);
    const QString language = name.section(u'_', 0, 0).left(2).toUpper();
    const QString territory = name.section(u'_', 1, 1);
    return language + (territory.isEmpty() ? language.right(1) : territory.left(1).toUpper());
}

QStringList uiLanguageCandidates(const QLocale& locale) {
    return uiLanguageCandidates(locale.uiLanguages(), abbreviatedLanguageName(locale));
}

QStringList uiLanguageCandidates(const QStringList& uiLanguages, const QString& abbreviation) {
    QStringList candidates;
    const auto add = [&candidates](const QString& name) {
        if (!name.isEmpty() && !candidates.contains(name)) candidates.append(name);
    };
    for (QString name : uiLanguages) {
        add(name);
        for (qsizetype hyphen = name.lastIndexOf(u'-'); hyphen > 0;
             hyphen = name.lastIndexOf(u'-')) {
            name.truncate(hyphen);
            add(name);
        }
    }
    add(abbreviation);
    add(abbreviation.left(2));
    return candidates;
}

}  // namespace lingotab::platform
