#include "app/support/recording_spreadsheet.h"

#include "platform/automation/com.h"

namespace lingotab::test {

using automation::Variant;
using automation::VariantList;

namespace {

const QString kProgId = QStringLiteral("Excel.Application");

QString describe(const Variant& value) {
    if (const automation::VariantArray2D* array = value.array())
        return QStringLiteral("array(%1x%2)").arg(array->rows()).arg(array->columns());
    return value.toString();
}

class AnyObject : public automation::IDispatch {
  public:
    explicit AnyObject(std::shared_ptr<QStringList> writes) : writes_(std::move(writes)) {}

    Variant get(const QString& member, const VariantList&) override {
        if (member == QLatin1String("Count")) return Variant(1);
        if (member == QLatin1String("Name")) return Variant(QStringLiteral("Sheet1"));
        return Variant(automation::DispatchPtr(std::make_shared<AnyObject>(writes_)));
    }
    void put(const QString& member, const VariantList&, const Variant& value) override {
        writes_->append(member + QStringLiteral(" := ") + describe(value));
    }
    Variant call(const QString&, const VariantList&) override {
        return Variant(automation::DispatchPtr(std::make_shared<AnyObject>(writes_)));
    }

  private:
    std::shared_ptr<QStringList> writes_;
};

}  // namespace

RecordingSpreadsheet::RecordingSpreadsheet() {
    auto application = std::make_shared<AnyObject>(writes_);
    automation::registerClass(
        {kProgId, automation::CLSID::createUuid(), {}, [application](automation::DispatchPtr& out) {
             out = application;
             return automation::S_OK;
         }});
}

RecordingSpreadsheet::~RecordingSpreadsheet() {
    automation::unregisterClass(kProgId);
}

}  // namespace lingotab::test
