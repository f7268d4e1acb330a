#include "sheets/libreoffice/calc_objects.h"

#include "platform/exception.h"
#include "sheets/libreoffice/uno_errors.h"
#include "sheets/libreoffice/uno_text.h"
#include "sheets/sheet_names.h"

#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>

#include <algorithm>

namespace lingotab::sheets::calc {

using css::sheet::XCellRangeAddressable;
using css::table::CellRangeAddress;
using css::uno::UNO_QUERY_THROW;

namespace {

CellRangeAddress addressOf(const Reference<css::uno::XInterface>& range) {
    return Reference<XCellRangeAddressable>(range, UNO_QUERY_THROW)->getRangeAddress();
}

// A row or column number from 1, checked against the sheet's last one (from 0).
sal_Int32 lineIndex(const Variant& number, sal_Int32 last, const char* what) {
    const int value = number.toInt();
    if (value < 1 || value > last + 1)
        throw Exception(
            QStringLiteral("%1 %2 lies outside the sheet").arg(QLatin1String(what)).arg(value));
    return value - 1;
}

}  // namespace

int sheetPosition(const Reference<css::sheet::XSpreadsheet>& sheet) {
    return addressOf(sheet).Sheet;
}

Variant CalcWorksheet::get(const QString& member, const VariantList& args) {
    const SessionPtr& session = workbook_->session();
    const auto range = [&](sal_Int32 left, sal_Int32 top, sal_Int32 right, sal_Int32 bottom,
                           CalcRange::View view) -> Variant {
        return DispatchPtr(std::make_shared<CalcRange>(
            session, sheet_->getCellRangeByPosition(left, top, right, bottom), view));
    };
    return guarded([&]() -> Variant {
        if (member == QLatin1String("Name")) {
            expectArguments(args, 0);
            return fromUno(Reference<css::container::XNamed>(sheet_, UNO_QUERY_THROW)->getName());
        }
        const CellRangeAddress all = addressOf(sheet_);
        if (member == QLatin1String("Cells")) {
            if (args.empty())
                return DispatchPtr(std::make_shared<CalcRange>(
                    session, Reference<css::table::XCellRange>(sheet_, UNO_QUERY_THROW),
                    CalcRange::View::Cells));
            expectArguments(args, 2);
            const sal_Int32 row = lineIndex(args[0], all.EndRow, "Row");
            const sal_Int32 column = lineIndex(args[1], all.EndColumn, "Column");
            return range(column, row, column, row, CalcRange::View::Cells);
        }
        if (member == QLatin1String("Range")) {
            expectArguments(args, 2);
            const auto first = std::dynamic_pointer_cast<CalcRange>(args[0].toDispatch());
            const auto second = std::dynamic_pointer_cast<CalcRange>(args[1].toDispatch());
            if (!first || !second) throw Exception(QStringLiteral("Type mismatch"));
            const CellRangeAddress a = addressOf(first->range());
            const CellRangeAddress b = addressOf(second->range());
            if (a.Sheet != all.Sheet || b.Sheet != all.Sheet)
                throw Exception(QStringLiteral("Method 'Range' of object '_Worksheet' failed"));
            return range(std::min(a.StartColumn, b.StartColumn), std::min(a.StartRow, b.StartRow),
                         std::max(a.EndColumn, b.EndColumn), std::max(a.EndRow, b.EndRow),
                         CalcRange::View::Cells);
        }
        if (member == QLatin1String("Rows")) {
            expectArguments(args, 1);
            const sal_Int32 row = lineIndex(args[0], all.EndRow, "Row");
            return range(0, row, all.EndColumn, row, CalcRange::View::Rows);
        }
        if (member == QLatin1String("Columns")) {
            expectArguments(args, 1);
            const sal_Int32 column = lineIndex(args[0], all.EndColumn, "Column");
            return range(column, 0, column, all.EndRow, CalcRange::View::Columns);
        }
        automation::notSupported(member);
    });
}

void CalcWorksheet::put(const QString& member, const VariantList& args, const Variant& value) {
    if (member == QLatin1String("Name")) {
        expectArguments(args, 0);
        rename(value.toString());
    } else if (member == QLatin1String("Cells")) {
        expectArguments(args, 2);
        const auto cell = get(member, args).toDispatch();
        guarded([&] { writeValues(std::static_pointer_cast<CalcRange>(cell)->range(), value); });
    } else {
        automation::notSupported(member);
    }
}

Variant CalcWorksheet::call(const QString& member, const VariantList& args) {
    if (member != QLatin1String("Delete")) automation::notSupported(member);
    expectArguments(args, 0);
    guarded([&] {
        const OUString name = Reference<css::container::XNamed>(sheet_, UNO_QUERY_THROW)->getName();
        workbook_->document()->getSheets()->removeByName(name);
    });
    return Variant();
}

// The workbook's rules are checked first, with the spreadsheet's own
// messages; Calc may still keep the old name without a word, so the name is
// read back.
void CalcWorksheet::rename(const QString& name) {
    guarded([&] {
        const Reference<css::container::XNamed> named(sheet_, UNO_QUERY_THROW);
        QStringList others = sheetNames(workbook_->document());
        others.removeOne(fromUno(named->getName()));
        validateSheetName(name, others);
        named->setName(toUno(name));
        if (fromUno(named->getName()) != name)
            throw Exception(
                QStringLiteral("LibreOffice Calc did not take the sheet name \"%1\"").arg(name));
    });
}

}  // namespace lingotab::sheets::calc
