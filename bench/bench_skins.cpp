// Loading the internal skins: inflating the package, decoding the images,
// parsing the options and building the indexes, as a skin change does.
#include "skins/internal/internal_skins.h"
#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_messages.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

using namespace lingotab::skins;

TsSkinManager& manager() {
    static TsSkinManager* instance = [] {
        setSkinMessagePresenter([](TacMessageKind, const QString&, const QString&) {});
        auto* m = new TsSkinManager;
        m->setInternalSkins(builtInSkins());
        m->setSkinDirectory(QStringLiteral("/nonexistent"));
        return m;
    }();
    return *instance;
}

void BM_LoadInternalSkin(benchmark::State& state) {
    const InternalSkinPackage& package =
        internalSkinPackages().at(static_cast<size_t>(state.range(0)));
    state.SetLabel(package.name.toStdString());
    for (auto _ : state) manager().setSkinName(package.name);
}
BENCHMARK(BM_LoadInternalSkin)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);

void BM_LoadAllInternalSkins(benchmark::State& state) {
    for (auto _ : state) {
        for (const InternalSkinPackage& package : internalSkinPackages())
            manager().setSkinName(package.name);
    }
}
BENCHMARK(BM_LoadAllInternalSkins)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
