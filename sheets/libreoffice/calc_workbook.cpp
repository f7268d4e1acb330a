#include "sheets/libreoffice/calc_objects.h"

#include "platform/exception.h"
#include "sheets/libreoffice/uno_errors.h"
#include "sheets/libreoffice/uno_text.h"

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>

#include <QStringList>

namespace lingotab::sheets::calc {

using css::container::XIndexAccess;
using css::sheet::XSpreadsheet;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

constexpr int kWorksheetType = -4167;  // the only kind of sheet Add makes

Reference<XIndexAccess> sheetList(const Reference<css::sheet::XSpreadsheetDocument>& document) {
    return Reference<XIndexAccess>(document->getSheets(), UNO_QUERY_THROW);
}

Reference<css::sheet::XSpreadsheetView> view(
    const Reference<css::sheet::XSpreadsheetDocument>& document) {
    const Reference<css::frame::XModel> model{document, UNO_QUERY};
    return Reference<css::sheet::XSpreadsheetView>(
        model.is() ? model->getCurrentController() : nullptr, UNO_QUERY);
}

// A sheet given by position (from 1) or by name.
Reference<XSpreadsheet> sheetAt(const Reference<css::sheet::XSpreadsheetDocument>& document,
                                const Variant& index) {
    if (index.type() == Variant::Type::String) {
        const auto sheets = document->getSheets();
        const OUString name = toUno(index.toString());
        if (!sheets->hasByName(name)) throw Exception(QStringLiteral("Subscript out of range"));
        return Reference<XSpreadsheet>(sheets->getByName(name), UNO_QUERY_THROW);
    }
    const int position = index.toInt();
    const auto sheets = sheetList(document);
    if (position < 1 || position > sheets->getCount())
        throw Exception(QStringLiteral("Subscript out of range"));
    return Reference<XSpreadsheet>(sheets->getByIndex(position - 1), UNO_QUERY_THROW);
}

// The first "SheetN" that no sheet is called, ignoring case.
QString freeSheetName(const QStringList& names) {
    for (int n = names.size() + 1;; ++n) {
        const QString name = QStringLiteral("Sheet%1").arg(n);
        if (!names.contains(name, Qt::CaseInsensitive)) return name;
    }
}

// The position of a sheet object of ours given as Before or After, or -1
// for the missing value.
int anchorPosition(const Variant& anchor) {
    if (anchor.isMissing() || anchor.isEmpty()) return -1;
    const auto sheet = std::dynamic_pointer_cast<CalcWorksheet>(anchor.toDispatch());
    if (!sheet) throw Exception(QStringLiteral("Type mismatch"));
    return sheetPosition(sheet->sheet());
}

}  // namespace

QStringList sheetNames(const Reference<css::sheet::XSpreadsheetDocument>& document) {
    QStringList names;
    for (const OUString& name : document->getSheets()->getElementNames()) names << fromUno(name);
    return names;
}

CalcWorkbook::CalcWorkbook(SessionPtr session, Reference<css::sheet::XSpreadsheetDocument> document)
    : session_(std::move(session)), document_(std::move(document)) {}

Reference<XSpreadsheet> CalcWorkbook::activeSheet() const {
    if (const auto spreadsheetView = view(document_); spreadsheetView.is())
        return spreadsheetView->getActiveSheet();
    if (active_.is()) return active_;
    return Reference<XSpreadsheet>(sheetList(document_)->getByIndex(0), UNO_QUERY_THROW);
}

void CalcWorkbook::activate(const Reference<XSpreadsheet>& sheet) {
    active_ = sheet;
    if (const auto spreadsheetView = view(document_); spreadsheetView.is())
        spreadsheetView->setActiveSheet(sheet);
}

DispatchPtr CalcWorkbook::sheetObject(const Reference<XSpreadsheet>& sheet) {
    return std::make_shared<CalcWorksheet>(shared_from_this(), sheet);
}

Variant CalcWorkbook::get(const QString& member, const VariantList& args) {
    if (member == QLatin1String("WorkSheets")) {
        if (args.empty()) return DispatchPtr(std::make_shared<CalcWorksheets>(shared_from_this()));
        expectArguments(args, 1);
        return guarded([&] { return sheetObject(sheetAt(document_, args[0])); });
    }
    if (member == QLatin1String("ActiveSheet")) {
        expectArguments(args, 0);
        return guarded([&] { return sheetObject(activeSheet()); });
    }
    automation::notSupported(member);
}

Variant CalcWorksheets::get(const QString& member, const VariantList& args) {
    if (member != QLatin1String("Count")) automation::notSupported(member);
    expectArguments(args, 0);
    return guarded([&] { return static_cast<int>(sheetList(workbook_->document())->getCount()); });
}

// Add(Before, After, Count, Type): one new worksheet before Before, after
// After, or before the active sheet when neither is given; it becomes the
// active sheet.
Variant CalcWorksheets::call(const QString& member, const VariantList& args) {
    if (member != QLatin1String("Add")) automation::notSupported(member);
    if (args.size() > 4) throw Exception(QStringLiteral("Invalid number of parameters."));
    const auto argument = [&](std::size_t i) {
        return i < args.size() ? args[i] : Variant::missing();
    };
    const Variant count = argument(2);
    const Variant type = argument(3);
    if ((!count.isMissing() && count.toInt() != 1) ||
        (!type.isMissing() && type.toInt() != kWorksheetType))
        throw Exception(QStringLiteral("Add method of Sheets class failed"));
    return guarded([&] {
        const auto& document = workbook_->document();
        int position = anchorPosition(argument(0));
        if (const int after = anchorPosition(argument(1)); after >= 0) position = after + 1;
        if (position < 0) position = sheetPosition(workbook_->activeSheet());
        const QString name = freeSheetName(sheetNames(document));
        document->getSheets()->insertNewByName(toUno(name), static_cast<sal_Int16>(position));
        const Reference<XSpreadsheet> sheet{document->getSheets()->getByName(toUno(name)),
                                            UNO_QUERY_THROW};
        workbook_->activate(sheet);
        return workbook_->sheetObject(sheet);
    });
}

}  // namespace lingotab::sheets::calc
