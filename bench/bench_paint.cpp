// Repainting the main window with a skin: every control rebuilding its image
// from its section (as after a skin change), and drawing the kept images
// only (as when the window is uncovered), at the window's design size and
// at twice that size.
#include "app/form1.h"
#include "app/texts/text_set.h"
#include "platform/module_file.h"
#include "skins/controls/skinned_control.h"
#include "skins/manager/skin_manager.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

namespace {

using namespace lingotab;

app::TForm1& form() {
    static app::TForm1* instance = [] {
        auto* f = new app::TForm1(app::currentTextSet(), platform::GetModuleFileName());
        f->show();
        QApplication::processEvents();
        return f;
    }();
    return *instance;
}

void markStale(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>())
        if (skins::TacSkinnedControl* look = skins::TacSkinnedControl::of(w))
            look->SkinData.BGChanged = true;
    if (skins::TacSkinnedControl* look = skins::TacSkinnedControl::of(&window))
        look->SkinData.BGChanged = true;
}

void repaint(benchmark::State& state, bool uncached) {
    app::TForm1& f = form();
    const int scale = static_cast<int>(state.range(0));
    f.resize(800 * scale, 546 * scale);
    QApplication::processEvents();
    QImage target(f.size(), QImage::Format_ARGB32_Premultiplied);
    f.render(&target);
    for (auto _ : state) {
        if (uncached) markStale(f);
        f.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(QStringLiteral("%1x%2 %3")
                       .arg(f.width())
                       .arg(f.height())
                       .arg(f.sSkinManager1->skinName())
                       .toStdString());
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
