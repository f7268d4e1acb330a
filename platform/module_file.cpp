#include "platform/module_file.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lingotab::platform {

QString GetModuleFileName() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

}  // namespace lingotab::platform
