#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace lingotab::skins {

// One image entry of an opened package.
struct TacImageItem {
    QString FileName;       // the entry name as stored
    QByteArray FileStream;  // the inflated file
};

// An opened skin package: the options text and the image files, inflated.
struct TacSkinConvertor {
    int ImageCount = 0;               // number of image entries
    std::vector<TacImageItem> Files;  // in package order
    QByteArray Options;               // the inflated "Options.dat"
};

// The largest entry a package may declare; larger sizes are damage, not data.
inline constexpr qint64 kMaxPackageEntrySize = 64 * 1024 * 1024;

// Reads an "ASzf" package in one pass, inflating every entry straight into a
// buffer of its declared size. Raises lingotab::Exception with
// "Loaded data is not a packed skin file" for a wrong magic, zlib's text for
// damaged compressed data, "Stream read error" for data that ends early, and
// an error for oversized entries and for a package without exactly one
// options entry. `bytesRead`, when given, receives the length of the
// package: the end of its last zlib stream.
TacSkinConvertor readPackage(QByteArrayView packedData, qint64* bytesRead = nullptr);

// Reads and opens a package file; nullopt when the file does not exist.
// Raises lingotab::Exception when it cannot be read or is damaged.
std::optional<TacSkinConvertor> loadPackageFile(const QString& path);

}  // namespace lingotab::skins
