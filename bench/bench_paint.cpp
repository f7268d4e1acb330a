// Repainting the main window's controls with a skin: every control
// rebuilding its image from its section (as after a skin change), and
// drawing the kept images only (as when the window is uncovered), at the
// window's design size and at twice that size.
#include "skins/controls/skinned_control.h"
#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_messages.h"
#include "tools/skinshots/main_window_replica.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

namespace {

using namespace lingotab::skins;

TacMainWindowReplica& window() {
    static TacMainWindowReplica* instance = [] {
        setSkinMessagePresenter([](TacMessageKind, const QString&, const QString&) {});
        auto* manager = new TsSkinManager;
        manager->setInternalSkins(builtInSkins());
        manager->setSkinDirectory(QStringLiteral("/nonexistent"));
        auto* w = new TacMainWindowReplica;
        w->show();
        manager->setSkinName(manager->InternalSkins().front().Name);
        QApplication::processEvents();
        return w;
    }();
    return *instance;
}

void markStale(QWidget& w) {
    if (TacSkinnedControl* look = TacSkinnedControl::of(&w)) look->SkinData.BGChanged = true;
    for (QWidget* child : w.findChildren<QWidget*>())
        if (TacSkinnedControl* look = TacSkinnedControl::of(child)) look->SkinData.BGChanged = true;
}

void repaint(benchmark::State& state, bool uncached) {
    TacMainWindowReplica& w = window();
    const int scale = static_cast<int>(state.range(0));
    w.resize(800 * scale, 546 * scale);
    w.layOut();
    QApplication::processEvents();
    QImage target(w.size(), QImage::Format_ARGB32_Premultiplied);
    w.render(&target);
    for (auto _ : state) {
        if (uncached) markStale(w);
        w.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(w.width()).arg(w.height()).toStdString());
}

void BM_RepaintUncached(benchmark::State& state) {
    repaint(state, true);
}
void BM_RepaintCached(benchmark::State& state) {
    repaint(state, false);
}
BENCHMARK(BM_RepaintUncached)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintCached)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
