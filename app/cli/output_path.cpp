#include "app/cli/output_path.h"

#include <QFileInfo>

namespace lingotab::cli {

QString freeWorkbookPath(const QString& file) {
    QString path = file + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = QStringLiteral("%1 (%2).xlsx").arg(file).arg(n);
    return path;
}

}  // namespace lingotab::cli
