#include "platform/application_title.h"

#include "platform/module_file.h"

#include <QFileInfo>

namespace lingotab::platform {

QString applicationTitle(const QString& exeName) {
    const QString stem = exeName.section(u'.', 0, 0);
    return stem.left(1) + stem.mid(1).toLower();
}

QString ApplicationTitle() {
    static const QString title = applicationTitle(QFileInfo(GetModuleFileName()).fileName());
    return title;
}

}  // namespace lingotab::platform
