// The package writer and the internal skins it packs: layout of the bytes,
// order of the entries, and that the twenty skins are complete.

#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <set>

#include "platform/exception.h"
#include "skins/internal/internal_skins.h"
#include "skins/package/package_writer.h"
#include "skins/support/required_sections.h"
#include "support/test_support.h"

namespace {

using lingotab::Exception;
using lingotab::skins::internalSkinPackages;
using lingotab::skins::PackageFile;
using lingotab::skins::packSkinFolder;
using lingotab::skins::writeSkinPackage;

struct Entry {
    QString name;
    QByteArray data;
    QByteArray zlibHeader;
};

qint32 int32At(QByteArrayView bytes, qsizetype at) {
    if (at + 4 > bytes.size()) throw std::runtime_error("short package");
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return static_cast<qint32>(v);
}

// Walks a package the way the format lays it out: every entry's zlib stream
// must inflate to its declared size and the last one must end the bytes.
std::vector<Entry> walk(QByteArrayView bytes) {
    if (bytes.size() < 8 || bytes.first(4) != QByteArrayView("ASzf"))
        throw std::runtime_error("no ASzf magic");
    const qint32 count = int32At(bytes, 4);
    qsizetype at = 8;
    std::vector<Entry> entries;
    for (qint32 i = 0; i < count; ++i) {
        const qint32 nameLength = int32At(bytes, at);
        at += 4;
        if (nameLength < 0 || at + nameLength + 6 > bytes.size())
            throw std::runtime_error("short entry");
        Entry e;
        e.name = QString::fromLatin1(bytes.sliced(at, nameLength));
        at += nameLength;
        const qint32 size = int32At(bytes, at);
        at += 4;
        e.zlibHeader = bytes.sliced(at, 2).toByteArray();
        e.data.resize(size);
        z_stream z{};
        inflateInit(&z);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + at));
        z.avail_in = static_cast<uInt>(bytes.size() - at);
        z.next_out = reinterpret_cast<Bytef*>(e.data.data());
        z.avail_out = static_cast<uInt>(size);
        const int rc = inflate(&z, Z_FINISH);
        const uLong produced = z.total_out;
        at += static_cast<qsizetype>(z.total_in);
        inflateEnd(&z);
        if (rc != Z_STREAM_END || produced != static_cast<uLong>(size))
            throw std::runtime_error("entry does not inflate to its size: " + e.name.toStdString());
        entries.push_back(std::move(e));
    }
    if (at != bytes.size()) throw std::runtime_error("bytes left over after the last entry");
    return entries;
}

QStringList names(const std::vector<Entry>& entries) {
    QStringList out;
    for (const Entry& e : entries) out << e.name;
    return out;
}

// Sections of an options text, each with its keys and values in order.
std::map<QString, std::vector<std::pair<QString, QString>>> sections(const QByteArray& text) {
    std::map<QString, std::vector<std::pair<QString, QString>>> out;
    QString current;
    for (const QByteArray& line : text.split('\n')) {
        const QString l = QString::fromLatin1(line).trimmed();
        if (l.startsWith(u'[') && l.endsWith(u']')) {
            current = l.mid(1, l.size() - 2);
            out[current];
        } else if (const qsizetype eq = l.indexOf(u'='); eq > 0) {
            out[current].emplace_back(l.left(eq), l.mid(eq + 1));
        }
    }
    return out;
}

TEST(PackageWriter, OrdersOptionsThenBitmapsThenOtherImages) {
    const QByteArray bytes = writeSkinPackage({{"b.png", "png"},
                                               {"Z.bmp", "zz"},
                                               {"c.JPG", "jpeg"},
                                               {"Options.dat", "[GLOBALINFO]\r\n"},
                                               {"a.BMP", ""},
                                               {"Options.dat.bak", "old"}});
    const auto entries = walk(bytes);
    EXPECT_EQ(names(entries),
              QStringList({"Options.dat", "a.BMP", "Z.bmp", "b.png", "c.JPG", "Options.dat.bak"}));
    EXPECT_EQ(entries[0].data, QByteArray("[GLOBALINFO]\r\n"));
    EXPECT_EQ(entries[1].data, QByteArray());  // an empty file is still one zlib stream
    EXPECT_EQ(entries[2].data, QByteArray("zz"));
    for (const Entry& e : entries) EXPECT_EQ(e.zlibHeader, QByteArray("\x78\x9C"));
}

TEST(PackageWriter, RefusesUnsuitableFileSets) {
    const std::vector<std::vector<PackageFile>> cases = {
        {{"Master.bmp", "x"}},                                        // no options text
        {{"Options.dat", "a"}, {"OPTIONS.DAT", "b"}},                 // two options texts
        {{"Options.dat", "a"}, {"", "x"}},                            // empty name
        {{"Options.dat", "a"}, {"sub/Master.bmp", "x"}},              // a path
        {{"Options.dat", "a"}, {"sub\\Master.bmp", "x"}},             // a path
        {{"Options.dat", "a"}, {QString::fromUtf8("Фон.bmp"), "x"}},  // not 8-bit
    };
    for (const auto& files : cases) EXPECT_THROW(writeSkinPackage(files), Exception);
}

TEST(PackageWriter, PacksTheFilesOfAFolderButNotItsSubfolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    put("Options.dat", "[FORM]\r\n");
    put("MASTER.BMP", QByteArray(3000, 'm'));
    ASSERT_TRUE(QDir(dir.path()).mkdir("extra"));
    put("extra/ignored.png", "x");
    const auto entries = walk(packSkinFolder(dir.path()));
    EXPECT_EQ(names(entries), QStringList({"Options.dat", "MASTER.BMP"}));
    EXPECT_EQ(entries[1].data, QByteArray(3000, 'm'));

    EXPECT_THROW(packSkinFolder(dir.filePath("missing")), Exception);
}

const QStringList kInternalNames = {
    "DarkGlass (internal)",  "NextAlpha (internal)",      "Aluminium (internal)",
    "Garnet (internal)",     "Golden (internal)",         "LongHorn (internal)",
    "MacMetal (internal)",   "Nautilus (internal)",       "Neutral (internal)",
    "Neutral2 (internal)",   "Office12Style (internal)",  "Pulsar (internal)",
    "Retro (internal)",      "TheFrog (internal)",        "Topaz (internal)",
    "Vienna Ext (internal)", "Vista (internal)",          "Winter2003 (internal)",
    "XPSilver (internal)",   "Office2007 Blue (internal)"};

TEST(InternalSkins, AreTheTwentyInCollectionOrder) {
    QStringList got;
    for (const auto& skin : internalSkinPackages()) got << skin.name;
    EXPECT_EQ(got, kInternalNames);
}

TEST(InternalSkins, PackagesAreLaidOutAsTheFormatSays) {
    for (const auto& skin : internalSkinPackages()) {
        SCOPED_TRACE(skin.name.toStdString());
        std::vector<Entry> entries;
        ASSERT_NO_THROW(entries = walk(skin.bytes));
        ASSERT_GE(entries.size(), 3u);
        EXPECT_LE(entries.size(), 12u);
        EXPECT_EQ(entries[0].name, "Options.dat");
        // Bitmaps first, then the other images, each group alphabetical.
        for (size_t i = 2; i < entries.size(); ++i) {
            const auto& a = entries[i - 1].name;
            const auto& b = entries[i].name;
            const bool aBmp = a.endsWith(".bmp", Qt::CaseInsensitive);
            const bool bBmp = b.endsWith(".bmp", Qt::CaseInsensitive);
            EXPECT_TRUE(aBmp > bBmp || (aBmp == bBmp && a.compare(b, Qt::CaseInsensitive) < 0))
                << a.toStdString() << " before " << b.toStdString();
        }
        for (const Entry& e : entries) EXPECT_EQ(e.zlibHeader, QByteArray("\x78\x9C"));
        const QByteArray& options = entries[0].data;
        EXPECT_FALSE(options.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(options.count('\n'), options.count("\r\n")) << "lines end in CR LF";
    }
}

TEST(InternalSkins, BuildFolderHoldsTheSamePackages) {
    const QDir packages(QCoreApplication::applicationDirPath() + "/../skins");
    for (const auto& skin : internalSkinPackages()) {
        SCOPED_TRACE(skin.name.toStdString());
        const QByteArray file = lingotab::test::readFile(packages.filePath(skin.name + ".asz"));
        EXPECT_TRUE(file == skin.bytes.toByteArray());
    }
}

TEST(InternalSkins, DefineEverySectionTheProgramAsksFor) {
    // Beyond the program's own sections, the set also carries these two.
    const QStringList required =
        lingotab::skins::test::kRequiredSections + QStringList{"MAINMENU", "EXTRALINE"};
    const QStringList globalMasks = {
        "BOXCHECKED",   "BOXUNCHECKED",   "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
        "SMALLCHECKED", "SMALLUNCHECKED", "CHECK",     "GRIPIMAGE",    "BICONCLOSE",
        "BICONMAX",     "BICONMIN",       "BICONNORM", "BICONHELP",    "BICLOSEALONE",
        "SICONCLOSE",   "SICONMAX",       "SICONMIN",  "TITLEBUTTON"};
    for (const auto& skin : internalSkinPackages()) {
        SCOPED_TRACE(skin.name.toStdString());
        const auto s = sections(walk(skin.bytes)[0].data);
        for (const QString& name : required) EXPECT_TRUE(s.count(name)) << name.toStdString();
        std::set<QString> keys;
        for (const auto& [key, value] : s.at("GLOBALINFO")) keys.insert(key);
        for (const QString& key : globalMasks) EXPECT_TRUE(keys.count(key)) << key.toStdString();
        EXPECT_TRUE(keys.count("MASTERBITMAP"));
    }
}

// Every image a value names is in the package under that name (the engine
// compares upper-cased entry names with the reference as written).
TEST(InternalSkins, EveryReferencedImageIsPacked) {
    static const QRegularExpression file(R"(^!?([A-Z0-9_]+\.(BMP|PNG|JPG|JPEG))(!|$))");
    for (const auto& skin : internalSkinPackages()) {
        SCOPED_TRACE(skin.name.toStdString());
        const auto entries = walk(skin.bytes);
        std::set<QString> packed;
        for (const Entry& e : entries) packed.insert(e.name.toUpper());
        std::set<QString> used;
        for (const auto& [section, keys] : sections(entries[0].data))
            for (const auto& [key, value] : keys)
                if (const auto m = file.match(value); m.hasMatch()) used.insert(m.captured(1));
        for (const QString& name : used) EXPECT_TRUE(packed.count(name)) << name.toStdString();
        for (const Entry& e : entries) {
            if (e.name != "Options.dat") {
                EXPECT_TRUE(used.count(e.name.toUpper())) << e.name.toStdString();
            }
        }
    }
}

// Between them the twenty skins use every notation and fill the engine knows.
TEST(InternalSkins, TogetherUseEveryNotationAndFill) {
    std::set<QString> seen;
    for (const auto& skin : internalSkinPackages()) {
        const auto entries = walk(skin.bytes);
        for (const auto& [section, keys] : sections(entries[0].data))
            for (const auto& [key, value] : keys) {
                if (value.startsWith('@')) seen.insert("glyph mask type " + value.mid(23, 1));
                if (value.startsWith('^')) seen.insert("border mask type " + value.mid(43, 1));
                if (value.startsWith('~'))
                    seen.insert("texture mode " + QString::number(value.mid(21, 2).toInt()));
                if (value.startsWith('!'))
                    seen.insert("file image type " + value.split('!', Qt::SkipEmptyParts).value(3));
                if (value.endsWith(".BMP") && !value.startsWith('!') && key != "MASTERBITMAP")
                    seen.insert("plain bitmap");
                if (key.endsWith("GRADIENTDATA"))
                    seen.insert("gradient form " + value.split(';').value(3));
                if (key == "TRANSPARENCY")
                    seen.insert(value == "100" ? "transparent" : "translucent");
                if (key == "FADINGENABLED") seen.insert("fading");
                if (value.endsWith(".JPG")) {
                    for (const Entry& e : entries)
                        if (e.name.toUpper() == value) {
                            QBuffer buffer(const_cast<QByteArray*>(&e.data));
                            const QSize size = QImageReader(&buffer, "JPG").size();
                            seen.insert(qint64(size.width()) * size.height() > 899999
                                            ? "jpeg pattern"
                                            : "jpeg texture");
                        }
                }
            }
    }
    for (const QString want :
         {"glyph mask type 0", "glyph mask type 1", "border mask type 0", "border mask type 1",
          "texture mode 0",    "texture mode 1",    "texture mode 2",     "texture mode 3",
          "texture mode 4",    "texture mode 5",    "texture mode 6",     "texture mode 7",
          "texture mode 10",   "file image type 0", "file image type 2",  "file image type 3",
          "file image type 4", "plain bitmap",      "gradient form 0",    "gradient form 1",
          "gradient form 2",   "transparent",       "translucent",        "fading",
          "jpeg pattern",      "jpeg texture"})
        EXPECT_TRUE(seen.count(want)) << want.toStdString();
}

}  // namespace
