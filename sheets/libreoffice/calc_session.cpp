#include "sheets/libreoffice/calc_objects.h"

#include "sheets/libreoffice/uno_errors.h"

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>

#include <algorithm>

namespace lingotab::sheets::calc {

using css::frame::XModel;
using css::uno::UNO_QUERY;

namespace {

bool contains(const std::vector<Reference<XModel>>& models, const Reference<XModel>& model) {
    return std::find(models.begin(), models.end(), model) != models.end();
}

}  // namespace

CalcSession::CalcSession(Reference<css::frame::XDesktop2> desktop) : desktop_(std::move(desktop)) {}

CalcSession::~CalcSession() {
    try {
        unlockAll();
    } catch (const css::uno::Exception&) {
        // The office went away; nothing is locked any more.
    }
}

void CalcSession::setEventsEnabled(bool enabled) {
    eventsEnabled_ = enabled;
    guarded([&] {
        if (enabled)
            unlockAll();
        else
            for (const auto& workbook : touched_) lock(workbook);
    });
}

void CalcSession::touch(const Reference<XModel>& workbook) {
    if (!workbook.is() || contains(touched_, workbook)) return;
    touched_.push_back(workbook);
    if (!eventsEnabled_) guarded([&] { lock(workbook); });
}

void CalcSession::lock(const Reference<XModel>& workbook) {
    if (contains(locked_, workbook)) return;
    workbook->lockControllers();
    locked_.push_back(workbook);
}

void CalcSession::unlockAll() {
    while (!locked_.empty()) {
        const Reference<XModel> workbook = locked_.back();
        locked_.pop_back();
        workbook->unlockControllers();
    }
}

void CalcSession::setVisible(bool visible) {
    guarded([&] {
        std::vector<Reference<XModel>> workbooks = touched_;
        if (workbooks.empty()) workbooks.emplace_back(desktop_->getCurrentComponent(), UNO_QUERY);
        for (const auto& workbook : workbooks) {
            if (!workbook.is()) continue;
            const auto controller = workbook->getCurrentController();
            if (!controller.is()) continue;
            const auto frame = controller->getFrame();
            if (!frame.is()) continue;
            const auto window = frame->getContainerWindow();
            if (window.is()) window->setVisible(visible);
            if (!visible) continue;
            if (Reference<css::awt::XTopWindow> top{window, UNO_QUERY}; top.is()) top->toFront();
            frame->activate();
        }
    });
}

}  // namespace lingotab::sheets::calc
