#include "core/spreadsheet_queries.h"

#include "platform/automation/com.h"

namespace lingotab::core {

using automation::Variant;

bool IsProgIDRegistered(const QString& progId) {
    automation::CLSID clsid;
    return automation::succeeded(automation::CLSIDFromProgID(progId, clsid));
}

bool SheetNameExists(const automation::DispatchPtr& workbook, const QString& name) {
    const int count = workbook->get(QStringLiteral("WorkSheets"))
                          .toDispatch()
                          ->get(QStringLiteral("Count"))
                          .toInt();
    bool exists = false;
    for (int index = 1; index <= count; ++index) {
        const QString sheetName = workbook->get(QStringLiteral("WorkSheets"), {Variant(index)})
                                      .toDispatch()
                                      ->get(QStringLiteral("Name"))
                                      .toString();
        if (sheetName == name) exists = true;
    }
    return exists;
}

}  // namespace lingotab::core
