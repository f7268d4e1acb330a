#pragma once

#include "platform/automation/dispatch.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XCellRange.hpp>

#include <QStringList>
#include <memory>
#include <vector>

// The spreadsheet's object model on top of Calc: every object is a thin
// handle on an office object, so that what the export sees is always the
// document as it is in the office.
namespace lingotab::sheets::calc {

using automation::DispatchPtr;
using automation::Variant;
using automation::VariantList;
using css::uno::Reference;

// What the objects handed out through one application reference share:
// the office's desktop and the workbooks this export met. While events are
// off, those workbooks' controllers are locked (no repainting or view
// updates while we write); the locks go when the last reference goes, at
// the end of the export.
class CalcSession {
  public:
    explicit CalcSession(Reference<css::frame::XDesktop2> desktop);
    ~CalcSession();
    CalcSession(const CalcSession&) = delete;
    CalcSession& operator=(const CalcSession&) = delete;

    const Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }
    void setEventsEnabled(bool enabled);
    // Records a workbook that this export works on.
    void touch(const Reference<css::frame::XModel>& workbook);
    // Shows (and raises) or hides the windows of the workbooks met, or of
    // the office's current document when none was.
    void setVisible(bool visible);

  private:
    void lock(const Reference<css::frame::XModel>& workbook);
    void unlockAll();

    Reference<css::frame::XDesktop2> desktop_;
    std::vector<Reference<css::frame::XModel>> touched_;
    std::vector<Reference<css::frame::XModel>> locked_;
    bool eventsEnabled_ = true;
};
using SessionPtr = std::shared_ptr<CalcSession>;

// An object of the model: members it does not have are not supported.
class CalcObject : public automation::IDispatch {
  public:
    Variant get(const QString& member, const VariantList& args) override;
    void put(const QString& member, const VariantList& args, const Variant& value) override;
    Variant call(const QString& member, const VariantList& args) override;
};

class CalcApplication : public CalcObject, public std::enable_shared_from_this<CalcApplication> {
  public:
    explicit CalcApplication(Reference<css::frame::XDesktop2> desktop);
    Variant get(const QString& member, const VariantList& args) override;
    void put(const QString& member, const VariantList& args, const Variant& value) override;

  private:
    SessionPtr session_;
};

class CalcWorkbooks : public CalcObject {
  public:
    explicit CalcWorkbooks(SessionPtr session) : session_(std::move(session)) {}
    Variant get(const QString& member, const VariantList& args) override;
    Variant call(const QString& member, const VariantList& args) override;

  private:
    SessionPtr session_;
};

// The spreadsheet documents open in the office, in the desktop's order.
std::vector<Reference<css::sheet::XSpreadsheetDocument>> openWorkbooks(
    const Reference<css::frame::XDesktop2>& desktop);

class CalcWorkbook : public CalcObject, public std::enable_shared_from_this<CalcWorkbook> {
  public:
    CalcWorkbook(SessionPtr session, Reference<css::sheet::XSpreadsheetDocument> document);
    Variant get(const QString& member, const VariantList& args) override;

    const SessionPtr& session() const { return session_; }
    const Reference<css::sheet::XSpreadsheetDocument>& document() const { return document_; }
    // Makes `sheet` the one the user sees and the workbook's ActiveSheet.
    void activate(const Reference<css::sheet::XSpreadsheet>& sheet);
    DispatchPtr sheetObject(const Reference<css::sheet::XSpreadsheet>& sheet);
    Reference<css::sheet::XSpreadsheet> activeSheet() const;

  private:
    SessionPtr session_;
    Reference<css::sheet::XSpreadsheetDocument> document_;
    // The active sheet for a document without a view.
    Reference<css::sheet::XSpreadsheet> active_;
};
using WorkbookPtr = std::shared_ptr<CalcWorkbook>;

// The names of a workbook's sheets in their order.
QStringList sheetNames(const Reference<css::sheet::XSpreadsheetDocument>& document);

// A sheet's position in its workbook, from 0.
int sheetPosition(const Reference<css::sheet::XSpreadsheet>& sheet);

class CalcWorksheets : public CalcObject {
  public:
    explicit CalcWorksheets(WorkbookPtr workbook) : workbook_(std::move(workbook)) {}
    Variant get(const QString& member, const VariantList& args) override;
    Variant call(const QString& member, const VariantList& args) override;

  private:
    WorkbookPtr workbook_;
};

class CalcWorksheet : public CalcObject {
  public:
    CalcWorksheet(WorkbookPtr workbook, Reference<css::sheet::XSpreadsheet> sheet)
        : workbook_(std::move(workbook)), sheet_(std::move(sheet)) {}
    Variant get(const QString& member, const VariantList& args) override;
    void put(const QString& member, const VariantList& args, const Variant& value) override;
    Variant call(const QString& member, const VariantList& args) override;

    const Reference<css::sheet::XSpreadsheet>& sheet() const { return sheet_; }

  private:
    void rename(const QString& name);

    WorkbookPtr workbook_;
    Reference<css::sheet::XSpreadsheet> sheet_;
};

// A rectangle of cells; whole rows and columns are ranges that span the
// sheet. What AutoFit fits depends on how the range was reached.
class CalcRange : public CalcObject {
  public:
    enum class View { Cells, Rows, Columns };
    CalcRange(SessionPtr session, Reference<css::table::XCellRange> range, View view)
        : session_(std::move(session)), range_(std::move(range)), view_(view) {}
    Variant get(const QString& member, const VariantList& args) override;
    void put(const QString& member, const VariantList& args, const Variant& value) override;
    Variant call(const QString& member, const VariantList& args) override;

    const SessionPtr& session() const { return session_; }
    const Reference<css::table::XCellRange>& range() const { return range_; }

  private:
    Reference<css::beans::XPropertySet> columns() const;
    Reference<css::beans::XPropertySet> properties() const;

    SessionPtr session_;
    Reference<css::table::XCellRange> range_;
    View view_;
};

// Writes a Value assignment into `range` in one call.
void writeValues(const Reference<css::table::XCellRange>& range, const Variant& value);

// A range's character or fill properties, as Font and Interior.
class CalcCellProperties : public CalcObject {
  public:
    enum class Kind { Font, Interior };
    CalcCellProperties(SessionPtr session, Reference<css::beans::XPropertySet> properties,
                       Kind kind)
        : session_(std::move(session)), properties_(std::move(properties)), kind_(kind) {}
    void put(const QString& member, const VariantList& args, const Variant& value) override;

  private:
    SessionPtr session_;
    Reference<css::beans::XPropertySet> properties_;
    Kind kind_;
};

// Raises "Invalid number of parameters." unless `args` has `count` values.
void expectArguments(const VariantList& args, std::size_t count);

}  // namespace lingotab::sheets::calc
