#include "sheets/libreoffice/calc_objects.h"

#include "platform/exception.h"
#include "sheets/libreoffice/uno_errors.h"
#include "sheets/libreoffice/uno_text.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>

namespace lingotab::sheets::calc {

using css::sheet::XSpreadsheetDocument;
using css::uno::UNO_QUERY;

Variant CalcObject::get(const QString& member, const VariantList&) {
    automation::notSupported(member);
}

void CalcObject::put(const QString& member, const VariantList&, const Variant&) {
    automation::notSupported(member);
}

Variant CalcObject::call(const QString& member, const VariantList&) {
    automation::notSupported(member);
}

void expectArguments(const VariantList& args, std::size_t count) {
    if (args.size() != count) throw Exception(QStringLiteral("Invalid number of parameters."));
}

std::vector<Reference<XSpreadsheetDocument>> openWorkbooks(
    const Reference<css::frame::XDesktop2>& desktop) {
    std::vector<Reference<XSpreadsheetDocument>> workbooks;
    const auto components = desktop->getComponents()->createEnumeration();
    while (components->hasMoreElements())
        if (Reference<XSpreadsheetDocument> workbook{components->nextElement(), UNO_QUERY};
            workbook.is())
            workbooks.push_back(workbook);
    return workbooks;
}

namespace {

DispatchPtr workbookObject(const SessionPtr& session,
                           const Reference<XSpreadsheetDocument>& document) {
    session->touch(Reference<css::frame::XModel>(document, UNO_QUERY));
    return std::make_shared<CalcWorkbook>(session, document);
}

}  // namespace

CalcApplication::CalcApplication(Reference<css::frame::XDesktop2> desktop)
    : session_(std::make_shared<CalcSession>(std::move(desktop))) {}

Variant CalcApplication::get(const QString& member, const VariantList& args) {
    if (member == QLatin1String("Application")) {
        expectArguments(args, 0);
        return DispatchPtr(shared_from_this());
    }
    if (member == QLatin1String("WorkBooks")) {
        expectArguments(args, 0);
        return DispatchPtr(std::make_shared<CalcWorkbooks>(session_));
    }
    if (member == QLatin1String("ActiveWorkBook")) {
        expectArguments(args, 0);
        return guarded([&]() -> Variant {
            // The document in front, else the last spreadsheet opened; none
            // gives an empty value, as with no workbook open.
            Reference<XSpreadsheetDocument> current{session_->desktop()->getCurrentComponent(),
                                                    UNO_QUERY};
            if (!current.is()) {
                const auto workbooks = openWorkbooks(session_->desktop());
                if (workbooks.empty()) return Variant();
                current = workbooks.back();
            }
            return workbookObject(session_, current);
        });
    }
    automation::notSupported(member);
}

void CalcApplication::put(const QString& member, const VariantList& args, const Variant& value) {
    expectArguments(args, 0);
    if (member == QLatin1String("EnableEvents"))
        session_->setEventsEnabled(value.toBool());
    else if (member == QLatin1String("Visible"))
        session_->setVisible(value.toBool());
    else
        automation::notSupported(member);
}

Variant CalcWorkbooks::get(const QString& member, const VariantList& args) {
    if (member != QLatin1String("Count")) automation::notSupported(member);
    expectArguments(args, 0);
    return guarded([&] { return static_cast<int>(openWorkbooks(session_->desktop()).size()); });
}

Variant CalcWorkbooks::call(const QString& member, const VariantList& args) {
    if (member != QLatin1String("Add")) automation::notSupported(member);
    expectArguments(args, 0);
    return guarded([&] {
        Reference<css::frame::XComponentLoader> loader{session_->desktop(), UNO_QUERY};
        const Reference<XSpreadsheetDocument> document{
            loader->loadComponentFromURL(OUString("private:factory/scalc"), OUString("_blank"), 0,
                                         {}),
            css::uno::UNO_QUERY_THROW};
        return workbookObject(session_, document);
    });
}

}  // namespace lingotab::sheets::calc
