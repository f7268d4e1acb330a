#include "support/test_support.h"

#include <QFile>
#include <gtest/gtest.h>

namespace lingotab::test {

QString sourcePath(const QString& relative) {
    const QByteArray root = qgetenv("LINGOTAB_SOURCE_DIR");
    return QString::fromUtf8(root) + QLatin1Char('/') + relative;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

}  // namespace lingotab::test
