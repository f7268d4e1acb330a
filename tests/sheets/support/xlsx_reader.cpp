#include "sheets/support/xlsx_reader.h"

#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QProcess>

namespace lingotab::test {

QJsonObject readXlsx(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {sourcePath(QStringLiteral("tests/sheets/support/read_xlsx.py")), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "reading " << path.toStdString()
                      << " failed: " << python.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

}  // namespace lingotab::test
