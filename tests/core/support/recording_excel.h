#pragma once

#include "platform/automation/dispatch.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace lingotab::test {

// A stand-in spreadsheet application for export tests. Every call on any of
// its objects is logged as one line, "<object> <get|put|call> <member>(<args>)"
// with " := <value>" for writes, objects named by where they came from
// ("Excel", "Workbooks", "Book1", "Book1.WorkSheets", "Sheet2",
// "Sheet2.Rows(1).Font"). It keeps enough state for the export to run:
// workbooks with named sheets, the active workbook and sheet, the cells
// written.
class RecordingExcel {
  public:
    struct Sheet {
        QString label;  // the name it got when added; stays in the log
        QString name;
        std::shared_ptr<const automation::VariantArray2D> values;  // last Range.Value
        QStringList cellWrites;                                    // "R1C1 := text"
    };
    struct Workbook {
        QString label;
        std::vector<std::shared_ptr<Sheet>> sheets;
        std::shared_ptr<Sheet> active;
    };

    // Registers this application as "Excel.Application"; `running` decides
    // whether GetActiveObject finds it or CoCreateInstance has to start it.
    // The destructor removes the registration.
    explicit RecordingExcel(bool running);
    ~RecordingExcel();

    // A workbook open and active before the export, with these sheet names.
    void openWorkbook(const QStringList& sheetNames);
    // Sheets in a workbook made by Workbooks.Add (Excel's default is three).
    void setNewWorkbookSheets(int count) { newWorkbookSheets_ = count; }
    // The first call whose log line starts with `line` raises an error after
    // being logged.
    void failAt(const QString& line) { failAt_ = line; }

    const QStringList& log() const { return log_; }
    const std::vector<std::shared_ptr<Workbook>>& workbooks() const { return workbooks_; }
    bool visible() const { return visible_; }

    // Used by the objects of the model.
    void record(const QString& line);
    std::shared_ptr<Workbook> addWorkbook(int sheetCount);
    std::shared_ptr<Sheet> addSheet(Workbook& workbook, int afterIndex);
    void setVisible(bool visible) { visible_ = visible; }
    std::shared_ptr<Workbook> activeWorkbook() const { return active_; }

  private:
    automation::DispatchPtr application_;
    std::vector<std::shared_ptr<Workbook>> workbooks_;
    std::shared_ptr<Workbook> active_;
    int newWorkbookSheets_ = 3;
    int sheetsMade_ = 0;
    QString failAt_;
    QStringList log_;
    bool visible_ = false;
};

// How a variant appears in the log: 1, True, "text", missing, the label of
// an object, array(RxC).
QString describe(const automation::Variant& value);

}  // namespace lingotab::test
