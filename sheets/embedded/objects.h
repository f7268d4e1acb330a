#pragma once

#include "platform/automation/dispatch.h"
#include "sheets/embedded/workbook_model.h"

#include <QString>
#include <memory>

namespace lingotab::sheets {

using WorkbookPtr = std::shared_ptr<WorkbookModel>;

// The automation names every object of the engine uses.
using automation::DispatchPtr;
using automation::IDispatch;
using automation::notSupported;
using automation::Variant;
using automation::VariantList;

// The automation objects of the embedded engine. Member names are matched
// ignoring case, as automation clients expect; a member that is not
// implemented raises notSupported().
automation::DispatchPtr makeWorkbookObject(WorkbookPtr workbook);
automation::DispatchPtr makeWorksheetObject(WorkbookPtr workbook, SheetPtr sheet);

// How a range was reached: as cells, as rows or as columns. AutoFit depends
// on it.
enum class RangeView { Cells, Rows, Columns };
automation::DispatchPtr makeRangeObject(SheetPtr sheet, const CellArea& area, RangeView view);
// The area of a range object of `sheet`, or nullptr when `object` is none.
const CellArea* rangeArea(const automation::IDispatch* object, const SheetModel* sheet);

// Member lookup and argument helpers shared by the objects.
template <size_t N>
bool is(const QString& member, const char (&name)[N]) {
    return member.compare(QLatin1String(name, N - 1), Qt::CaseInsensitive) == 0;
}
// Argument `index`, or the missing value when the caller gave fewer.
const automation::Variant& argument(const automation::VariantList& args, size_t index);
// Whether an optional argument was given.
bool given(const automation::Variant& value);
// Raises when a sheet was deleted while a caller still held it.
void checkAlive(const SheetModel& sheet);

}  // namespace lingotab::sheets
