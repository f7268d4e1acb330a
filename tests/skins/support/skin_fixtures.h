#pragma once

// Small builders for skin test data: package bytes (also malformed ones),
// bitmap files and an opened package held in memory.

#include "skins/options/ini_model.h"
#include "skins/options/skin_content.h"
#include "skins/package/package_reader.h"

#include <QByteArray>
#include <QImage>
#include <optional>
#include <vector>

namespace lingotab::skins::test {

// One zlib stream at the default level.
QByteArray zlibStream(QByteArrayView data);

struct FixtureEntry {
    FixtureEntry(QByteArray entryName, QByteArray entryData, std::optional<int32_t> declared = {},
                 std::optional<QByteArray> rawStream = {})
        : name(std::move(entryName)),
          data(std::move(entryData)),
          declaredSize(declared),
          stream(std::move(rawStream)) {}

    QByteArray name;
    QByteArray data;
    std::optional<int32_t> declaredSize;  // default: data.size()
    std::optional<QByteArray> stream;     // default: zlibStream(data)
};

// "ASzf", the count (default: number of entries), then the entries.
QByteArray packageBytes(const std::vector<FixtureEntry>& entries,
                        std::optional<int32_t> count = {});

// A Windows bitmap file of the image at 24 or 32 bits per pixel, bottom-up.
QByteArray bmpFile(const QImage& image, int bitCount);

// A PNG file of the image (with its alpha).
QByteArray pngFile(const QImage& image);

// An image of one colour.
QImage filled(int width, int height, QRgb color);

// Loads options text and images (name -> file bytes) as a packed skin would.
TacSkinContent loadPackedOptions(const QByteArray& options,
                                 const std::vector<TacImageItem>& images = {},
                                 const QString& skinName = QStringLiteral("Test"));

}  // namespace lingotab::skins::test
