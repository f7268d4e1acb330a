#pragma once

#include "skins/package/package_reader.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace lingotab::skins {

// Finds the image files that options values refer to: in an opened package
// (by upper-cased entry name, the reference compared as given) or in a skin
// folder (relative references inside the folder, absolute ones as they are).
class TacImageLookup {
  public:
    // Finds nothing: a skin without images.
    TacImageLookup() = default;
    // Images of an opened package; the package must outlive the lookup.
    explicit TacImageLookup(const TacSkinConvertor& package);
    // Images of a skin folder; `skinPath` ends in a separator.
    explicit TacImageLookup(QString skinPath);

    bool isPacked() const { return package_ != nullptr; }
    // The file's bytes, or nullopt when the reference names nothing.
    std::optional<QByteArray> find(const QString& reference) const;

  private:
    const TacSkinConvertor* package_ = nullptr;
    std::vector<QString> upperNames_;
    QString skinPath_;
};

}  // namespace lingotab::skins
