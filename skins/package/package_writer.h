#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace lingotab::skins {

// One file of a skin: its name without a path and its uncompressed bytes.
struct PackageFile {
    QString name;
    QByteArray data;
};

// Packs the files of one skin into an "ASzf" package: the options text
// "Options.dat" first, then the .bmp files, then the other images, each group
// in case-insensitive alphabetical order, every file as one zlib stream at
// the default compression level. Raises lingotab::Exception when there is not
// exactly one options file, when a name is empty, carries a path or does not
// fit in 8-bit characters, or when a file is too large for the format.
QByteArray writeSkinPackage(std::vector<PackageFile> files);

// Reads every regular file of a skin folder (not its sub-folders) and packs
// them with writeSkinPackage. Raises lingotab::Exception when the folder or a
// file cannot be read.
QByteArray packSkinFolder(const QString& folder);

}  // namespace lingotab::skins
