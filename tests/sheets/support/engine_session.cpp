#include "sheets/support/engine_session.h"

#include "platform/automation/com.h"

#include <gtest/gtest.h>
#include <QDir>

namespace lingotab::test {

using automation::DispatchPtr;
using automation::Variant;

EngineSession::EngineSession(sheets::EngineOptions options)
    : workbookDir(qEnvironmentVariable("LINGOTAB_WORKBOOK_DIR")) {
    EXPECT_FALSE(workbookDir.isEmpty());
    QDir(workbookDir).removeRecursively();
    QDir().mkpath(workbookDir);
    auto reported = options.saved;
    options.saved = [this, reported](const QString& path) {
        saved.append(path);
        if (reported) reported(path);
    };
    sheets::registerEmbeddedWorkbookEngine(std::move(options));
    automation::CLSID clsid;
    EXPECT_EQ(automation::CLSIDFromProgID(QStringLiteral("Excel.Application"), clsid),
              automation::S_OK);
    EXPECT_EQ(automation::CoCreateInstance(clsid, application), automation::S_OK);
}

DispatchPtr EngineSession::addWorkbook() const {
    return object(application, "WorkBooks")->call(QStringLiteral("Add")).toDispatch();
}

DispatchPtr object(const DispatchPtr& from, const char* member,
                   const automation::VariantList& args) {
    return from->get(QString::fromLatin1(member), args).toDispatch();
}

Variant text(const QString& value) {
    return Variant(value);
}

}  // namespace lingotab::test
