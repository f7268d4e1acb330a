#pragma once

#include <QByteArray>
#include <QString>

namespace lingotab::test {

// Path of a file below the source tree (fixtures, examples).
QString sourcePath(const QString& relative);

// Reads a whole file; fails the running test when it cannot.
QByteArray readFile(const QString& path);

}  // namespace lingotab::test
