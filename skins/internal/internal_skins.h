#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace lingotab::skins {

// One skin package carried inside the program: its full name (ending in
// " (internal)") and the complete "ASzf" package bytes.
struct InternalSkinPackage {
    QString name;
    QByteArrayView bytes;
};

// The internal skins in collection order, "DarkGlass (internal)" first.
// The bytes live in the executable for the whole run.
const std::vector<InternalSkinPackage>& internalSkinPackages();

}  // namespace lingotab::skins
