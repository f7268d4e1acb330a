// Application and its Workbooks collection: the running instance of the
// embedded engine and its open workbooks.
#include "platform/automation/com.h"
#include "platform/exception.h"
#include "sheets/embedded/embedded_engine.h"
#include "sheets/embedded/objects.h"
#include "sheets/embedded/workbook_files.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <algorithm>

namespace lingotab::sheets {

namespace {

bool viewerAllowed() {
    if (qEnvironmentVariable("LINGOTAB_NO_VIEWER") == QLatin1String("1")) return false;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// The open workbooks. A workbook that was saved stays open only while its
// file is still the one we wrote: once the user has changed, moved or
// deleted it, it counts as closed, so the next export starts a new workbook
// instead of writing over the user's work.
class OpenWorkbooks {
  public:
    std::vector<WorkbookPtr>& refreshed() {
        std::erase_if(workbooks_, [](const WorkbookPtr& w) {
            return w->savedFile() && !w->savedFile()->stillOurs();
        });
        if (active_ && std::find(workbooks_.begin(), workbooks_.end(), active_) == workbooks_.end())
            active_ = workbooks_.empty() ? nullptr : workbooks_.back();
        return workbooks_;
    }
    WorkbookPtr active() {
        refreshed();
        return active_;
    }
    WorkbookPtr add() {
        active_ = std::make_shared<WorkbookModel>();
        workbooks_.push_back(active_);
        return active_;
    }

  private:
    std::vector<WorkbookPtr> workbooks_;
    WorkbookPtr active_;
};

class WorkbooksObject : public IDispatch {
  public:
    explicit WorkbooksObject(std::shared_ptr<OpenWorkbooks> open) : open_(std::move(open)) {}

    Variant get(const QString& member, const VariantList& args) override {
        if (!is(member, "Count") || !args.empty()) notSupported(member);
        return static_cast<int>(open_->refreshed().size());
    }
    void put(const QString& member, const VariantList&, const Variant&) override {
        notSupported(member);
    }
    Variant call(const QString& member, const VariantList& args) override {
        if (!is(member, "Add") || !args.empty()) notSupported(member);
        return makeWorkbookObject(open_->add());
    }

  private:
    std::shared_ptr<OpenWorkbooks> open_;
};

class ApplicationObject : public IDispatch, public std::enable_shared_from_this<ApplicationObject> {
  public:
    explicit ApplicationObject(EngineOptions options) : options_(std::move(options)) {}

    Variant get(const QString& member, const VariantList& args) override {
        if (!args.empty()) notSupported(member);
        if (is(member, "Application")) return DispatchPtr(shared_from_this());
        if (is(member, "WorkBooks")) return DispatchPtr(std::make_shared<WorkbooksObject>(open_));
        if (is(member, "ActiveWorkBook")) {
            // No workbook open: an empty reference, which the next call refuses.
            const WorkbookPtr active = open_->active();
            return active ? makeWorkbookObject(active) : DispatchPtr();
        }
        notSupported(member);
    }

    void put(const QString& member, const VariantList& args, const Variant& value) override {
        if (!args.empty()) notSupported(member);
        if (is(member, "EnableEvents")) {
            value.toBool();  // there are no events to switch; the value is still checked
        } else if (is(member, "Visible")) {
            if (value.toBool()) show();
        } else {
            notSupported(member);
        }
    }

    Variant call(const QString& member, const VariantList&) override { notSupported(member); }

  private:
    // Saves the active workbook (see EngineOptions) and opens it.
    void show() {
        const WorkbookPtr workbook = open_->active();
        if (!workbook) return;
        SaveTarget target{options_.outputPath, options_.replaceOutput};
        if (workbook->savedFile() && workbook->savedFile()->stillOurs())
            target = {workbook->savedFile()->path, true};
        const SavedFile file = saveWorkbook(*workbook, target);
        workbook->setSavedFile(file);
        if (options_.saved) options_.saved(file.path);
        if (options_.openViewer && viewerAllowed())
            QDesktopServices::openUrl(QUrl::fromLocalFile(file.path));
    }

    EngineOptions options_;
    std::shared_ptr<OpenWorkbooks> open_ = std::make_shared<OpenWorkbooks>();
};

// Our own class identifier for the engine.
const automation::CLSID kEngineClsid{QStringLiteral("{6a1c0f3e-52b4-4d8e-9c1a-7e0b5d2f4a11}")};

}  // namespace

void registerEmbeddedWorkbookEngine(EngineOptions options) {
    auto running = std::make_shared<DispatchPtr>();
    automation::registerClass({QStringLiteral("Excel.Application"), kEngineClsid,
                               [running](DispatchPtr& out) {
                                   if (!*running) return automation::MK_E_UNAVAILABLE;
                                   out = *running;
                                   return automation::S_OK;
                               },
                               [running, options = std::move(options)](DispatchPtr& out) {
                                   *running = std::make_shared<ApplicationObject>(options);
                                   out = *running;
                                   return automation::S_OK;
                               }});
}

}  // namespace lingotab::sheets
