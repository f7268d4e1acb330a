#include "core/export_translations.h"

#include "core/sheet_layout.h"
#include "core/spreadsheet_queries.h"
#include "core/string_ids.h"
#include "platform/automation/com.h"
#include "platform/exception.h"

#include <algorithm>

namespace lingotab::core {

namespace {

using automation::DispatchPtr;
using automation::Variant;

const QString kExcel = QStringLiteral("Excel.Application");

// Excel's constant for centred alignment and its colour numbers (red in the
// lowest byte).
constexpr int xlCenter = -4108;
constexpr int clSilver = 0xC0C0C0;
constexpr int clWhite = 0xFFFFFF;
constexpr int clBlack = 0;

// The running instance, or a new one.
DispatchPtr attachToExcel() {
    automation::CLSID clsid;
    automation::HRESULT hr = automation::CLSIDFromProgID(kExcel, clsid);
    DispatchPtr excel;
    if (automation::succeeded(hr) &&
        automation::succeeded(automation::GetActiveObject(clsid, excel)) && excel)
        return excel;
    excel.reset();
    if (automation::succeeded(hr)) hr = automation::CoCreateInstance(clsid, excel);
    if (automation::succeeded(hr) && !excel) hr = automation::E_FAIL;
    if (!automation::succeeded(hr))
        throw Exception(automation::SysErrorMessage(hr) + QStringLiteral(", ProgID: \"") + kExcel +
                        u'"');
    return excel;
}

// What follows the last path separator: the file name with its extension.
QString fileNamePart(const QString& path) {
    const qsizetype cut =
        std::max({path.lastIndexOf(u'\\'), path.lastIndexOf(u':'), path.lastIndexOf(u'/')});
    return path.mid(cut + 1);
}

// One step of a call chain: the object that a property read returns.
DispatchPtr object(const DispatchPtr& from, const QString& member,
                   const automation::VariantList& args = {}) {
    return from->get(member, args).toDispatch();
}

// The workbook that receives the new sheet, with that sheet active: a new
// workbook cut down to its one sheet, or the active workbook with a sheet
// added after its last one.
DispatchPtr chooseWorkbook(const DispatchPtr& excel) {
    const QString workSheets = QStringLiteral("WorkSheets");
    const QString count = QStringLiteral("Count");
    if (object(excel, QStringLiteral("WorkBooks"))->get(count).toInt() < 1) {
        DispatchPtr workbook =
            object(excel, QStringLiteral("WorkBooks"))->call(QStringLiteral("Add")).toDispatch();
        while (object(workbook, workSheets)->get(count).toInt() > 1)
            object(workbook, workSheets, {Variant(1)})->call(QStringLiteral("Delete"));
        return workbook;
    }
    DispatchPtr workbook = object(excel, QStringLiteral("ActiveWorkBook"));
    const DispatchPtr sheets = object(workbook, workSheets);
    const Variant last = workbook->get(workSheets, {object(workbook, workSheets)->get(count)});
    sheets->call(QStringLiteral("Add"),
                 {Variant::missing(), last, Variant::missing(), Variant::missing()});
    return workbook;
}

// The file's name, or the first of name(1), name(2), ... that no worksheet
// bears.
QString freeSheetName(const DispatchPtr& workbook, const QString& base) {
    QString candidate = base;
    for (int n = 1; SheetNameExists(workbook, candidate); ++n)
        candidate = base + u'(' + QString::number(n) + u')';
    return candidate;
}

void formatSheet(const DispatchPtr& workbook, bool vertical, int rows) {
    // Every line starts again from the workbook's active sheet.
    const auto sheet = [&] { return object(workbook, QStringLiteral("ActiveSheet")); };
    const auto row = [&](int n) { return object(sheet(), QStringLiteral("Rows"), {Variant(n)}); };
    const auto column = [&](int n) {
        return object(sheet(), QStringLiteral("Columns"), {Variant(n)});
    };
    const auto font = [](const DispatchPtr& range) {
        return object(range, QStringLiteral("Font"));
    };
    const auto interior = [](const DispatchPtr& range) {
        return object(range, QStringLiteral("Interior"));
    };
    const auto autoFit = [](const DispatchPtr& range) {
        object(range, QStringLiteral("Columns"))->call(QStringLiteral("AutoFit"));
    };
    const QString color = QStringLiteral("Color");
    const QString size = QStringLiteral("Size");
    const QString columnWidth = QStringLiteral("ColumnWidth");

    font(row(1))->put(QStringLiteral("Bold"), Variant(true));
    row(1)->put(QStringLiteral("HorizontalAlignment"), Variant(xlCenter));
    interior(row(1))->put(color, Variant(clSilver));
    interior(column(1))->put(color, Variant(clSilver));
    font(object(sheet(), QStringLiteral("Cells")))
        ->put(QStringLiteral("Name"), Variant(QStringLiteral("Courier")));
    font(object(sheet(), QStringLiteral("Cells")))->put(size, Variant(10));
    autoFit(column(1));
    if (vertical) {
        autoFit(column(2));
    } else {
        column(2)->put(columnWidth, Variant(100));
        column(3)->put(columnWidth, Variant(100));
    }
    font(row(rows + 1))->put(size, Variant(8));
    font(row(rows + 1))->put(color, Variant(clWhite));
    interior(row(rows + 1))->put(color, Variant(clBlack));
}

}  // namespace

void ExportTranslations(const TTranslateArr& translations, bool vertical,
                        const ExportContext& context) {
    if (translations.empty()) {
        context.showMessage(context.strings(sNothingToExport));
        return;
    }
    if (!IsProgIDRegistered(kExcel)) {
        context.showMessage(context.strings(sExcelNotRegistered));
        return;
    }

    const DispatchPtr excel = attachToExcel();
    object(excel, QStringLiteral("Application"))
        ->put(QStringLiteral("EnableEvents"), Variant(false));
    const DispatchPtr workbook = chooseWorkbook(excel);

    const QString sheetName = freeSheetName(workbook, fileNamePart(context.loadedFileName));
    const QString activeSheet = QStringLiteral("ActiveSheet");
    object(workbook, activeSheet)->put(QStringLiteral("Name"), Variant(sheetName));

    const int rows = gridRows(static_cast<int>(translations.size()), vertical, context.rowsPerUnit);
    const auto grid = buildGrid(translations, vertical, context.rowsPerUnit, context.strings);
    const QString cells = QStringLiteral("Cells");
    const Variant topLeft = object(workbook, activeSheet)->get(cells, {Variant(1), Variant(1)});
    const Variant bottomRight =
        object(workbook, activeSheet)->get(cells, {Variant(rows), Variant(3)});
    object(object(workbook, activeSheet), QStringLiteral("Range"), {topLeft, bottomRight})
        ->put(QStringLiteral("Value"), Variant(grid));

    formatSheet(workbook, vertical, rows);

    const QString footer =
        footerText(sheetName, context.caption, context.now, context.locale, context.strings);
    object(workbook, activeSheet)->put(cells, {Variant(rows + 1), Variant(1)}, Variant(footer));
    excel->put(QStringLiteral("Visible"), Variant(true));
}

}  // namespace lingotab::core
