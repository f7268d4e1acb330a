// Workbook, its Worksheets collection and Worksheet.
#include "platform/exception.h"
#include "sheets/embedded/objects.h"

namespace lingotab::sheets {

namespace {

constexpr int kWorksheetType = -4167;  // xlWorksheet

[[noreturn]] void invalidIndex() {
    throw Exception(QStringLiteral("Invalid index."));
}

int checkedIndex(int value, int limit) {
    if (value < 1 || value > limit) invalidIndex();
    return value;
}

class WorksheetObject : public IDispatch {
  public:
    WorksheetObject(WorkbookPtr workbook, SheetPtr sheet)
        : workbook_(std::move(workbook)), sheet_(std::move(sheet)) {}

    const WorkbookModel* workbook() const { return workbook_.get(); }
    const SheetModel* sheet() const { return sheet_.get(); }

    Variant get(const QString& member, const VariantList& args) override {
        checkAlive(*sheet_);
        if (is(member, "Name") && args.empty()) return sheet_->name();
        if (is(member, "Cells")) {
            if (args.empty()) return range(CellArea::all(), RangeView::Cells);
            if (args.size() == 2) return range(cellAt(args), RangeView::Cells);
        }
        if (is(member, "Rows") && args.size() == 1) {
            const int row = checkedIndex(args[0].toInt(), kMaxRows);
            return range(CellArea::rows(row, row), RangeView::Rows);
        }
        if (is(member, "Columns") && args.size() == 1) {
            const int column = checkedIndex(args[0].toInt(), kMaxColumns);
            return range(CellArea::columns(column, column), RangeView::Columns);
        }
        if (is(member, "Range") && (args.size() == 1 || args.size() == 2)) {
            CellArea area = rangeOf(args[0]);
            if (args.size() == 2) area = area.united(rangeOf(args[1]));
            return range(area, RangeView::Cells);
        }
        notSupported(member);
    }

    void put(const QString& member, const VariantList& args, const Variant& value) override {
        checkAlive(*sheet_);
        if (is(member, "Name") && args.empty()) {
            workbook_->rename(workbook_->indexOf(sheet_.get()), value.toString());
        } else if (is(member, "Cells") && args.size() == 2) {
            sheet_->cells().assign(cellAt(args), value);
        } else {
            notSupported(member);
        }
    }

    Variant call(const QString& member, const VariantList& args) override {
        checkAlive(*sheet_);
        if (!is(member, "Delete") || !args.empty()) notSupported(member);
        workbook_->remove(workbook_->indexOf(sheet_.get()));
        return true;
    }

  private:
    Variant range(const CellArea& area, RangeView view) const {
        return makeRangeObject(sheet_, area, view);
    }

    static CellArea cellAt(const VariantList& args) {
        const int row = args[0].toInt(), column = args[1].toInt();
        if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
            throw Exception(QStringLiteral("Cell (%1, %2) lies outside the sheet, which has "
                                           "1,048,576 rows and 16,384 columns.")
                                .arg(row)
                                .arg(column));
        return CellArea::cell(row, column);
    }

    CellArea rangeOf(const Variant& value) const {
        const CellArea* area = rangeArea(value.toDispatch().get(), sheet_.get());
        if (!area) throw Exception(QStringLiteral("Range takes cells of the same worksheet."));
        return *area;
    }

    WorkbookPtr workbook_;
    SheetPtr sheet_;
};

class WorksheetsObject : public IDispatch {
  public:
    explicit WorksheetsObject(WorkbookPtr workbook) : workbook_(std::move(workbook)) {}

    Variant get(const QString& member, const VariantList& args) override {
        if (!is(member, "Count") || !args.empty()) notSupported(member);
        return workbook_->count();
    }

    void put(const QString& member, const VariantList&, const Variant&) override {
        notSupported(member);
    }

    // Add(Before, After, Count, Type): without Before and After the sheets
    // go before the active one; the last one added becomes active.
    Variant call(const QString& member, const VariantList& args) override {
        if (!is(member, "Add") || args.size() > 4) notSupported(member);
        const Variant &before = argument(args, 0), &after = argument(args, 1),
                      &count = argument(args, 2), &type = argument(args, 3);
        if (given(before) && given(after))
            throw Exception(QStringLiteral("Add takes Before or After, not both."));
        int position = workbook_->indexOf(workbook_->activeSheet().get());
        if (given(before)) position = positionOf(before);
        if (given(after)) position = positionOf(after) + 1;
        const int sheets = given(count) ? count.toInt() : 1;
        if (sheets < 1) throw Exception(QStringLiteral("Add takes a Count of 1 or more."));
        if (given(type) && type.toInt() != kWorksheetType)
            throw Exception(QStringLiteral("Only worksheets can be added."));
        return makeWorksheetObject(workbook_, workbook_->insert(position, sheets));
    }

  private:
    int positionOf(const Variant& sheet) const {
        const auto* object = dynamic_cast<const WorksheetObject*>(sheet.toDispatch().get());
        const int index = object && object->workbook() == workbook_.get()
                              ? workbook_->indexOf(object->sheet())
                              : -1;
        if (index < 0)
            throw Exception(
                QStringLiteral("Before and After take a worksheet of the "
                               "same workbook."));
        return index;
    }

    WorkbookPtr workbook_;
};

class WorkbookObject : public IDispatch {
  public:
    explicit WorkbookObject(WorkbookPtr workbook) : workbook_(std::move(workbook)) {}

    Variant get(const QString& member, const VariantList& args) override {
        if (is(member, "WorkSheets")) {
            if (args.empty()) return DispatchPtr(std::make_shared<WorksheetsObject>(workbook_));
            if (args.size() == 1) return makeWorksheetObject(workbook_, sheetAt(args[0]));
        }
        if (is(member, "ActiveSheet") && args.empty())
            return makeWorksheetObject(workbook_, workbook_->activeSheet());
        notSupported(member);
    }

    void put(const QString& member, const VariantList&, const Variant&) override {
        notSupported(member);
    }
    Variant call(const QString& member, const VariantList&) override { notSupported(member); }

  private:
    // By position from 1, or by name ignoring case.
    SheetPtr sheetAt(const Variant& index) const {
        if (index.type() == Variant::Type::String) {
            if (SheetPtr sheet = workbook_->find(index.toString())) return sheet;
            invalidIndex();
        }
        return workbook_->sheet(checkedIndex(index.toInt(), workbook_->count()) - 1);
    }

    WorkbookPtr workbook_;
};

}  // namespace

DispatchPtr makeWorkbookObject(WorkbookPtr workbook) {
    return std::make_shared<WorkbookObject>(std::move(workbook));
}

DispatchPtr makeWorksheetObject(WorkbookPtr workbook, SheetPtr sheet) {
    return std::make_shared<WorksheetObject>(std::move(workbook), std::move(sheet));
}

}  // namespace lingotab::sheets
