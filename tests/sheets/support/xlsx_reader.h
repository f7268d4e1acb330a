#pragma once

#include <QJsonObject>
#include <QString>

namespace lingotab::test {

// An .xlsx file as read back by openpyxl (support/read_xlsx.py, run by
// Debian's /usr/bin/python3): {"sheets": [...], "active": name, NAME:
// {"cells": {"A1": {value, type, font, size, bold, color, fill, align,
// numfmt}}, "columns": {...}, "rows": {...}}}. Fails the running test and
// returns an empty object when the file cannot be read.
QJsonObject readXlsx(const QString& path);

}  // namespace lingotab::test
