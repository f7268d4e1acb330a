#pragma once

#include "platform/automation/dispatch.h"
#include "sheets/embedded/embedded_engine.h"

#include <QString>
#include <QStringList>

namespace lingotab::test {

// The embedded engine registered afresh and one application started, with
// an empty workbook folder ($LINGOTAB_WORKBOOK_DIR, emptied).
struct EngineSession {
    explicit EngineSession(sheets::EngineOptions options = {});
    EngineSession(const EngineSession&) = delete;

    automation::DispatchPtr application;
    QString workbookDir;
    QStringList saved;  // paths the engine reported saving

    // application.WorkBooks.Add, a workbook with its one sheet.
    automation::DispatchPtr addWorkbook() const;
};

// from.member(args), which must be an object.
automation::DispatchPtr object(const automation::DispatchPtr& from, const char* member,
                               const automation::VariantList& args = {});
// A text variant.
automation::Variant text(const QString& value);

// The message of the error that `action` raises, or "" when it raises none.
template <typename Action>
QString errorOf(Action&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

}  // namespace lingotab::test
