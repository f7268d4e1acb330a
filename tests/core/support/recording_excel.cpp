#include "core/support/recording_excel.h"

#include "platform/automation/com.h"
#include "platform/exception.h"

#include <QStringList>
#include <algorithm>

namespace lingotab::test {

namespace {

using automation::DispatchPtr;
using automation::Variant;
using automation::VariantList;

const QString kProgId = QStringLiteral("Excel.Application");

// An object of the model: logs every call, then answers it or raises the
// "not supported" error.
class Recorded : public automation::IDispatch, public std::enable_shared_from_this<Recorded> {
  public:
    Recorded(RecordingExcel& excel, QString label) : excel_(excel), label_(std::move(label)) {}
    const QString& label() const { return label_; }

    Variant get(const QString& member, const VariantList& args) override {
        log(QStringLiteral("get"), member, args);
        return onGet(member, args);
    }
    void put(const QString& member, const VariantList& args, const Variant& value) override {
        log(QStringLiteral("put"), member, args, QStringLiteral(" := ") + describe(value));
        onPut(member, args, value);
    }
    Variant call(const QString& member, const VariantList& args) override {
        log(QStringLiteral("call"), member, args);
        return onCall(member, args);
    }

  protected:
    virtual Variant onGet(const QString& member, const VariantList&) {
        automation::notSupported(member);
    }
    virtual void onPut(const QString& member, const VariantList&, const Variant&) {
        automation::notSupported(member);
    }
    virtual Variant onCall(const QString& member, const VariantList&) {
        automation::notSupported(member);
    }

    RecordingExcel& excel_;

  private:
    void log(const QString& kind, const QString& member, const VariantList& args,
             const QString& tail = {}) {
        QStringList described;
        for (const Variant& arg : args) described << describe(arg);
        excel_.record(label_ + u' ' + kind + u' ' + member + u'(' +
                      described.join(QStringLiteral(", ")) + u')' + tail);
    }

    QString label_;
};

// Fonts and fills: objects that only take property writes.
class Properties : public Recorded {
  public:
    Properties(RecordingExcel& excel, QString label, QStringList members)
        : Recorded(excel, std::move(label)), members_(std::move(members)) {}

  protected:
    void onPut(const QString& member, const VariantList&, const Variant&) override {
        if (!members_.contains(member)) automation::notSupported(member);
    }

  private:
    QStringList members_;
};

class RangeObject : public Recorded {
  public:
    RangeObject(RecordingExcel& excel, QString label, std::shared_ptr<RecordingExcel::Sheet> sheet,
                int row = 0, int column = 0, int rows = 0, int columns = 0)
        : Recorded(excel, std::move(label)),
          sheet_(std::move(sheet)),
          row_(row),
          column_(column),
          rows_(rows),
          columns_(columns) {}

    int row() const { return row_; }
    int column() const { return column_; }

  protected:
    Variant onGet(const QString& member, const VariantList& args) override {
        if (member == u"Font" && args.empty())
            return DispatchPtr(std::make_shared<Properties>(
                excel_, label() + QStringLiteral(".Font"),
                QStringList{QStringLiteral("Bold"), QStringLiteral("Name"), QStringLiteral("Size"),
                            QStringLiteral("Color")}));
        if (member == u"Interior" && args.empty())
            return DispatchPtr(std::make_shared<Properties>(excel_,
                                                            label() + QStringLiteral(".Interior"),
                                                            QStringList{QStringLiteral("Color")}));
        if (member == u"Columns" && args.empty())
            return DispatchPtr(std::make_shared<RangeObject>(
                excel_, label() + QStringLiteral(".Columns"), sheet_));
        automation::notSupported(member);
    }
    void onPut(const QString& member, const VariantList& args, const Variant& value) override {
        if (member == u"Value" && args.empty() && rows_ > 0) {
            const automation::VariantArray2D* array = value.array();
            if (!array || array->rows() != rows_ || array->columns() != columns_)
                throw Exception(QStringLiteral("The array does not match the range"));
            sheet_->values = std::make_shared<automation::VariantArray2D>(*array);
            return;
        }
        if ((member == u"HorizontalAlignment" || member == u"ColumnWidth") && args.empty()) return;
        automation::notSupported(member);
    }
    Variant onCall(const QString& member, const VariantList& args) override {
        if (member == u"AutoFit" && args.empty()) return {};
        automation::notSupported(member);
    }

  private:
    std::shared_ptr<RecordingExcel::Sheet> sheet_;
    int row_, column_, rows_, columns_;
};

class SheetObject : public Recorded {
  public:
    SheetObject(RecordingExcel& excel, std::shared_ptr<RecordingExcel::Workbook> workbook,
                std::shared_ptr<RecordingExcel::Sheet> sheet)
        : Recorded(excel, sheet->label), workbook_(std::move(workbook)), sheet_(std::move(sheet)) {}

    const std::shared_ptr<RecordingExcel::Sheet>& sheet() const { return sheet_; }

  protected:
    Variant onGet(const QString& member, const VariantList& args) override {
        if (member == u"Name" && args.empty()) return sheet_->name;
        if (member == u"Cells" && args.empty())
            return DispatchPtr(
                std::make_shared<RangeObject>(excel_, label() + QStringLiteral(".Cells"), sheet_));
        if (member == u"Cells" && args.size() == 2) {
            const int row = args[0].toInt(), column = args[1].toInt();
            return DispatchPtr(std::make_shared<RangeObject>(
                excel_, label() + QStringLiteral(".Cells(%1, %2)").arg(row).arg(column), sheet_,
                row, column));
        }
        if (member == u"Range" && args.size() == 2) {
            const auto* from = dynamic_cast<RangeObject*>(args[0].toDispatch().get());
            const auto* to = dynamic_cast<RangeObject*>(args[1].toDispatch().get());
            if (!from || !to) throw Exception(QStringLiteral("Range needs two cells"));
            return DispatchPtr(std::make_shared<RangeObject>(
                excel_,
                label() + QStringLiteral(".Range(R%1C%2:R%3C%4)")
                              .arg(from->row())
                              .arg(from->column())
                              .arg(to->row())
                              .arg(to->column()),
                sheet_, from->row(), from->column(), to->row() - from->row() + 1,
                to->column() - from->column() + 1));
        }
        if ((member == u"Rows" || member == u"Columns") && args.size() == 1)
            return DispatchPtr(std::make_shared<RangeObject>(
                excel_, label() + u'.' + member + u'(' + QString::number(args[0].toInt()) + u')',
                sheet_));
        automation::notSupported(member);
    }
    void onPut(const QString& member, const VariantList& args, const Variant& value) override {
        if (member == u"Name" && args.empty()) {
            const QString name = value.toString();
            for (const auto& other : workbook_->sheets)
                if (other != sheet_ && other->name.compare(name, Qt::CaseInsensitive) == 0)
                    throw Exception(
                        QStringLiteral("Cannot rename a sheet to the same name as another sheet"));
            sheet_->name = name;
            return;
        }
        if (member == u"Cells" && args.size() == 2) {
            sheet_->cellWrites << QStringLiteral("R%1C%2 := %3")
                                      .arg(args[0].toInt())
                                      .arg(args[1].toInt())
                                      .arg(value.toString());
            return;
        }
        automation::notSupported(member);
    }
    Variant onCall(const QString& member, const VariantList& args) override {
        if (member == u"Delete" && args.empty()) {
            auto& sheets = workbook_->sheets;
            sheets.erase(std::remove(sheets.begin(), sheets.end(), sheet_), sheets.end());
            if (workbook_->active == sheet_)
                workbook_->active = sheets.empty() ? nullptr : sheets.front();
            return {};
        }
        automation::notSupported(member);
    }

  private:
    std::shared_ptr<RecordingExcel::Workbook> workbook_;
    std::shared_ptr<RecordingExcel::Sheet> sheet_;
};

class SheetsObject : public Recorded {
  public:
    SheetsObject(RecordingExcel& excel, std::shared_ptr<RecordingExcel::Workbook> workbook)
        : Recorded(excel, workbook->label + QStringLiteral(".WorkSheets")),
          workbook_(std::move(workbook)) {}

  protected:
    Variant onGet(const QString& member, const VariantList& args) override {
        if (member == u"Count" && args.empty()) return static_cast<int>(workbook_->sheets.size());
        automation::notSupported(member);
    }
    Variant onCall(const QString& member, const VariantList& args) override {
        if (member == u"Add" && args.size() == 4) {
            const auto* after = dynamic_cast<SheetObject*>(args[1].toDispatch().get());
            if (!after || !args[0].isMissing() || !args[2].isMissing() || !args[3].isMissing())
                throw Exception(QStringLiteral("Add expects After only"));
            const auto& sheets = workbook_->sheets;
            const auto at = std::find(sheets.begin(), sheets.end(), after->sheet());
            if (at == sheets.end())
                throw Exception(QStringLiteral("After names no sheet of this workbook"));
            auto added = excel_.addSheet(*workbook_, static_cast<int>(at - sheets.begin()));
            return DispatchPtr(std::make_shared<SheetObject>(excel_, workbook_, added));
        }
        automation::notSupported(member);
    }

  private:
    std::shared_ptr<RecordingExcel::Workbook> workbook_;
};

class WorkbookObject : public Recorded {
  public:
    WorkbookObject(RecordingExcel& excel, std::shared_ptr<RecordingExcel::Workbook> workbook)
        : Recorded(excel, workbook->label), workbook_(std::move(workbook)) {}

  protected:
    Variant onGet(const QString& member, const VariantList& args) override {
        if (member == u"WorkSheets" && args.empty())
            return DispatchPtr(std::make_shared<SheetsObject>(excel_, workbook_));
        if (member == u"WorkSheets" && args.size() == 1) {
            const int index = args[0].toInt();
            if (index < 1 || index > static_cast<int>(workbook_->sheets.size()))
                throw Exception(QStringLiteral("Invalid index."));
            return DispatchPtr(
                std::make_shared<SheetObject>(excel_, workbook_, workbook_->sheets[index - 1]));
        }
        if (member == u"ActiveSheet" && args.empty())
            return DispatchPtr(std::make_shared<SheetObject>(excel_, workbook_, workbook_->active));
        automation::notSupported(member);
    }

  private:
    std::shared_ptr<RecordingExcel::Workbook> workbook_;
};

class WorkbooksObject : public Recorded {
  public:
    explicit WorkbooksObject(RecordingExcel& excel)
        : Recorded(excel, QStringLiteral("Workbooks")) {}

  protected:
    Variant onGet(const QString& member, const VariantList& args) override {
        if (member == u"Count" && args.empty()) return static_cast<int>(excel_.workbooks().size());
        automation::notSupported(member);
    }
    Variant onCall(const QString& member, const VariantList& args) override {
        if (member == u"Add" && args.empty())
            return DispatchPtr(std::make_shared<WorkbookObject>(excel_, excel_.addWorkbook(-1)));
        automation::notSupported(member);
    }
};

class ApplicationObject : public Recorded {
  public:
    explicit ApplicationObject(RecordingExcel& excel) : Recorded(excel, QStringLiteral("Excel")) {}

  protected:
    Variant onGet(const QString& member, const VariantList& args) override {
        if (!args.empty()) automation::notSupported(member);
        if (member == u"Application") return DispatchPtr(shared_from_this());
        if (member == u"WorkBooks") return DispatchPtr(std::make_shared<WorkbooksObject>(excel_));
        if (member == u"ActiveWorkBook") {
            if (!excel_.activeWorkbook()) return {};
            return DispatchPtr(std::make_shared<WorkbookObject>(excel_, excel_.activeWorkbook()));
        }
        automation::notSupported(member);
    }
    void onPut(const QString& member, const VariantList& args, const Variant& value) override {
        if (member == u"EnableEvents" && args.empty()) return;
        if (member == u"Visible" && args.empty()) return excel_.setVisible(value.toBool());
        automation::notSupported(member);
    }
};

}  // namespace

QString describe(const Variant& value) {
    switch (value.type()) {
        case Variant::Type::String:
            return u'"' + value.toString() + u'"';
        case Variant::Type::Dispatch: {
            const auto* object = dynamic_cast<const Recorded*>(value.toDispatch().get());
            return object ? object->label() : QStringLiteral("object");
        }
        case Variant::Type::Array:
            return QStringLiteral("array(%1x%2)")
                .arg(value.array()->rows())
                .arg(value.array()->columns());
        case Variant::Type::Error:
            return value.isMissing() ? QStringLiteral("missing") : QStringLiteral("error");
        case Variant::Type::Empty:
            return QStringLiteral("empty");
        case Variant::Type::Null:
            return QStringLiteral("null");
        default:
            return value.toString();
    }
}

RecordingExcel::RecordingExcel(bool running)
    : application_(std::make_shared<ApplicationObject>(*this)) {
    automation::ClassRegistration registration;
    registration.progId = kProgId;
    registration.clsid = QUuid::createUuid();
    registration.getActiveObject = [this, running](DispatchPtr& out) {
        record(QStringLiteral("GetActiveObject"));
        if (!running) return automation::MK_E_UNAVAILABLE;
        out = application_;
        return automation::S_OK;
    };
    registration.createInstance = [this](DispatchPtr& out) {
        record(QStringLiteral("CoCreateInstance"));
        out = application_;
        return automation::S_OK;
    };
    automation::registerClass(std::move(registration));
}

RecordingExcel::~RecordingExcel() {
    automation::unregisterClass(kProgId);
}

void RecordingExcel::record(const QString& line) {
    log_ << line;
    if (!failAt_.isEmpty() && line.startsWith(failAt_)) {
        failAt_.clear();
        throw Exception(QStringLiteral("Injected failure at ") + line);
    }
}

void RecordingExcel::openWorkbook(const QStringList& sheetNames) {
    auto workbook = addWorkbook(0);
    for (const QString& name : sheetNames) {
        auto sheet = std::make_shared<Sheet>();
        sheet->label = sheet->name = name;
        workbook->sheets.push_back(sheet);
    }
    workbook->active = workbook->sheets.empty() ? nullptr : workbook->sheets.front();
}

std::shared_ptr<RecordingExcel::Workbook> RecordingExcel::addWorkbook(int sheetCount) {
    auto workbook = std::make_shared<Workbook>();
    workbook->label = QStringLiteral("Book%1").arg(workbooks_.size() + 1);
    workbooks_.push_back(workbook);
    active_ = workbook;
    for (int i = 0, n = sheetCount < 0 ? newWorkbookSheets_ : sheetCount; i < n; ++i)
        addSheet(*workbook, static_cast<int>(workbook->sheets.size()) - 1);
    if (!workbook->sheets.empty()) workbook->active = workbook->sheets.front();
    return workbook;
}

std::shared_ptr<RecordingExcel::Sheet> RecordingExcel::addSheet(Workbook& workbook,
                                                                int afterIndex) {
    auto sheet = std::make_shared<Sheet>();
    sheet->label = sheet->name = QStringLiteral("Sheet%1").arg(++sheetsMade_);
    workbook.sheets.insert(workbook.sheets.begin() + (afterIndex + 1), sheet);
    workbook.active = sheet;
    return sheet;
}

}  // namespace lingotab::test
