#pragma once

#include "skins/options/system_colors.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace lingotab::skins {

// A skin carried by the program: its name and complete package bytes, with
// the attributes the skin list stores beside them.
struct TsStoredSkin {
    QString Name;         // shown in the skin menu, stored in the settings; ends in " (internal)"
    QImage MasterBitmap;  // carried along, empty in the program's skins
    TColor Shadow1Color = clBlack;
    int32_t Shadow1Offset = 0;
    int32_t Shadow1Blur = -1;
    int32_t Shadow1Transparency = 0;
    TColor BorderColor = clFuchsia;
    double Version = 0;
    QString Author;
    QString Description;
    QByteArray PackedData;  // the "ASzf" package bytes; never changed after creation
};

using TsStoredSkins = std::vector<TsStoredSkin>;

// Index of the first skin named exactly `SkinName` (case-sensitive), or -1.
int IndexOf(const TsStoredSkins& skins, const QString& SkinName);

// The program's own skins (from the internal skin packages), in collection
// order.
TsStoredSkins builtInSkins();

}  // namespace lingotab::skins
