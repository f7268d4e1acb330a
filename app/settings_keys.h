#pragma once

#include <QString>

namespace lingotab::app::settings {

// Every setting of "lingotab.ini" beside the executable, with its default.
// All live in the one section "APP_WINDOW".
inline const QString FileName = QStringLiteral("lingotab.ini");
inline const QString Section = QStringLiteral("APP_WINDOW");

struct TextKey {
    QString name;
    QString defaultValue;
};
struct BoolKey {
    QString name;
    bool defaultValue;
};
struct IntegerKey {
    QString name;
    int defaultValue;
};

// Read at window creation, written at close: the active skin.
inline const TextKey SkinName{QStringLiteral("SkinName"), QStringLiteral("Vista (internal)")};
// Read at window creation, never written: the interface language code.
inline const TextKey Lang{QStringLiteral("Lang"), QString()};
// Read at first show, written at close: the export options.
inline const BoolKey Translated{QStringLiteral("Translated"), false};
inline const BoolKey Vertical{QStringLiteral("Vertical"), true};
inline const IntegerKey VerticalStrings{QStringLiteral("VerticalStrings"), 4};

}  // namespace lingotab::app::settings
