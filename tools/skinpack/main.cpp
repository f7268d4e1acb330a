// skinpack: the build's packer of the internal skins.
//
//   skinpack pack FOLDER PACKAGE.asz
//       packs a skin folder (Options.dat and its images) into one package;
//   skinpack embed SOURCE.cpp [NAME PACKAGE.asz ...]
//       writes the C++ source that carries the packages inside the program.

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

#include "platform/exception.h"
#include "skins/package/package_writer.h"
#include "tools/skinpack/embed_source.h"

namespace {

using lingotab::Exception;

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
    return file.readAll();
}

// Replaces the file only once the whole content is written.
void writeAll(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

int usage() {
    std::fputs(
        "usage: skinpack pack FOLDER PACKAGE.asz\n"
        "       skinpack embed SOURCE.cpp [NAME PACKAGE.asz ...]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 3 && args[0] == u"pack") {
            writeAll(args[2], lingotab::skins::packSkinFolder(args[1]));
            return 0;
        }
        if (args.size() >= 2 && args[0] == u"embed" && args.size() % 2 == 0) {
            std::vector<lingotab::tools::EmbeddedSkin> skins;
            for (qsizetype i = 2; i < args.size(); i += 2)
                skins.push_back({args[i], readAll(args[i + 1])});
            writeAll(args[1], lingotab::tools::embedSource(skins));
            return 0;
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "skinpack: %s\n", error.what());
        return 1;
    }
    return usage();
}
