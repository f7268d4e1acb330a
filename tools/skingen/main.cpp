// skingen: draws the internal skins.
//
//   skingen OUTPUT_DIR [--preview PREVIEW_DIR] [NAME ...]
//
// writes OUTPUT_DIR/<name>/ (Options.dat and images) for every internal skin,
// or only for the named ones; with --preview also a mock window picture per
// skin, painted back from the written files.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "tools/skingen/look.h"
#include "tools/skingen/preview.h"
#include "tools/skingen/skin_builder.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString previewDir;
    const qsizetype at = args.indexOf(QStringLiteral("--preview"));
    if (at >= 0 && at + 1 < args.size()) {
        previewDir = args[at + 1];
        args.remove(at, 2);
    }
    if (args.isEmpty()) {
        std::fputs("usage: skingen OUTPUT_DIR [--preview PREVIEW_DIR] [NAME ...]\n", stderr);
        return 2;
    }
    const QDir out(args.takeFirst());
    try {
        for (const auto& look : lingotab::skingen::internalLooks()) {
            if (!args.isEmpty() && !args.contains(look.name)) continue;
            const QString folder = out.filePath(look.name);
            lingotab::skingen::writeSkin(look, folder);
            if (!previewDir.isEmpty()) {
                QDir().mkpath(previewDir);
                const QString caption =
                    QStringLiteral("Lingotab v1.0 - %1 (internal)").arg(look.name);
                lingotab::skingen::previewSkin(folder, caption)
                    .save(QDir(previewDir).filePath(look.name + QStringLiteral(".png")));
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skingen: %s\n", error.what());
        return 1;
    }
    return 0;
}
