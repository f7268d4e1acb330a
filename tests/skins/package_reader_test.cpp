#include "skins/package/package_reader.h"
#include "platform/exception.h"
#include "support/skin_fixtures.h"

#include <gtest/gtest.h>

namespace lingotab::skins {
namespace {

using test::FixtureEntry;
using test::packageBytes;
using test::zlibStream;

const QByteArray kOptions = "[GLOBALINFO]\r\nVERSION=7.2\r\n";
const QByteArray kImage(300, 'x');

QString readError(const QByteArray& bytes) {
    try {
        readPackage(bytes);
    } catch (const Exception& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

TEST(PackageReader, ReadsEveryEntryAndEndsExactlyAfterTheLastStream) {
    const QByteArray bytes =
        packageBytes({{"Options.dat", kOptions}, {"Master.bmp", kImage}, {"GLOW.PNG", ""}});
    const TacSkinConvertor package = readPackage(bytes);
    EXPECT_EQ(package.Options, kOptions);
    EXPECT_EQ(package.ImageCount, 2);
    ASSERT_EQ(package.Files.size(), 2u);
    EXPECT_EQ(package.Files[0].FileName, "Master.bmp");
    EXPECT_EQ(package.Files[0].FileStream, kImage);
    EXPECT_EQ(package.Files[1].FileName, "GLOW.PNG");
    EXPECT_TRUE(package.Files[1].FileStream.isEmpty());
    // The entries follow each other without a stored compressed length: one
    // trailing stream read too far or too short would desynchronise them.
    const QByteArray twoImages =
        packageBytes({{"A.BMP", kImage}, {"options.DAT", kOptions}, {"Options.dat.bak", "b"}});
    const TacSkinConvertor second = readPackage(twoImages);
    EXPECT_EQ(second.Options, kOptions);
    ASSERT_EQ(second.Files.size(), 2u);
    EXPECT_EQ(second.Files[1].FileName, "Options.dat.bak");
}

TEST(PackageReader, RefusesDamagedPackagesWithTheirMessage) {
    const QByteArray good = packageBytes({{"Options.dat", kOptions}, {"Master.bmp", kImage}});
    QByteArray damaged = zlibStream(kImage);
    damaged[4] = static_cast<char>(damaged[4] ^ 0x5A);
    QByteArray badHeader = zlibStream(kImage);
    badHeader[0] = 0x12;
    const QByteArray longerStream = zlibStream(QByteArray(400, 'x'));
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message;
    };
    const Case cases[] = {
        {"wrong magic", "ASzF" + good.mid(4), "Loaded data is not a packed skin file"},
        {"empty data", "", "Loaded data is not a packed skin file"},
        {"truncated stream", good.chopped(20), "Stream read error"},
        {"truncated header", good.left(10), "Stream read error"},
        {"short entry", packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, 301}}),
         "Stream read error"},
        {"longer entry",
         packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, 300, longerStream}}),
         "Skin package entry is larger than declared"},
        {"oversized declared size",
         packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, 64 * 1024 * 1024 + 1}}),
         "Skin package entry is too large"},
        {"size beyond what the bytes can hold",
         packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, 60000000}}),
         "Stream read error"},
        {"negative size", packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, -1}}),
         "Skin package entry is too large"},
        {"name longer than the data",
         packageBytes({{"Options.dat", kOptions}}).left(8) + "\xFF\xFF\xFF\x7F",
         "Stream read error"},
        {"damaged stream",
         packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, 300, damaged}}), "data error"},
        {"bad zlib header",
         packageBytes({{"Options.dat", kOptions}, {"A.BMP", kImage, 300, badHeader}}),
         "data error"},
        {"count beyond the entries", packageBytes({{"Options.dat", kOptions}}, 2),
         "Stream read error"},
        {"negative count", packageBytes({{"Options.dat", kOptions}}, -5),
         "Skin package has no options entry"},
        {"no options entry", packageBytes({{"A.BMP", kImage}}),
         "Skin package has no options entry"},
        {"two options entries",
         packageBytes({{"Options.dat", kOptions}, {"OPTIONS.DAT", kOptions}}),
         "Skin package holds more than one options entry"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readError(c.bytes), QString::fromLatin1(c.message)) << c.what;
}

}  // namespace
}  // namespace lingotab::skins
