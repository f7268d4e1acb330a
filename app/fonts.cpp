#include "app/fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace lingotab::app {

void installProgramFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
    }
}

}  // namespace lingotab::app
