#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace lingotab::tools {

// One packed internal skin: its full name and its package bytes.
struct EmbeddedSkin {
    QString name;
    QByteArray package;
};

// C++ source that defines lingotab::skins::internalSkinPackages() with the
// given packages, in the given order, as constant byte arrays.
QByteArray embedSource(const std::vector<EmbeddedSkin>& skins);

}  // namespace lingotab::tools
