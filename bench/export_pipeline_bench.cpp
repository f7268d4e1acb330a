// The export pipeline stage by stage on generated translation files of
// 1,000, 10,000 and 100,000 units: decode the file's bytes, extract the
// units (untranslated mode, as `lingotab-export` runs by default), lay out
// the horizontal grid, write the .xlsx; and all of it in one.
#include "app/texts/builtin_strings.h"
#include "app/translation_file.h"
#include "core/export_translations.h"
#include "core/sheet_layout.h"
#include "sheets/embedded/embedded_engine.h"
#include "sheets/embedded/workbook_model.h"
#include "sheets/embedded/xlsx_writer.h"
#include "tools/gen_translations/translation_file_generator.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <map>

namespace {

using namespace lingotab;

struct Input {
    QByteArray bytes;
    QString text;
    core::TTranslateArr units;
    std::shared_ptr<const automation::VariantArray2D> grid;
};

// Inputs are made once per size and shared by the stages.
const Input& input(int units) {
    static std::map<int, Input> inputs;
    auto [it, inserted] = inputs.try_emplace(units);
    if (inserted) {
        const std::string file = tools::generateTranslationFile(units);
        it->second.bytes = QByteArray(file.data(), static_cast<qsizetype>(file.size()));
        it->second.text = app::decodeTranslationText(it->second.bytes);
        core::ExtractTranslations(it->second.text, false, it->second.units);
        it->second.grid = core::buildGrid(it->second.units, false, 4, app::builtinString);
    }
    return it->second;
}

const QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

void BM_Decode(benchmark::State& state) {
    const Input& in = input(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(app::decodeTranslationText(in.bytes));
    state.SetBytesProcessed(state.iterations() * in.bytes.size());
}

void BM_Extract(benchmark::State& state) {
    const Input& in = input(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        core::TTranslateArr units;
        core::ExtractTranslations(in.text, false, units);
        benchmark::DoNotOptimize(units.data());
    }
    state.counters["taken"] = static_cast<double>(in.units.size());
}

void BM_Layout(benchmark::State& state) {
    const Input& in = input(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(core::buildGrid(in.units, false, 4, app::builtinString));
}

// The sheet as the export leaves it: the grid, the footer, whole-row and
// whole-column formats; then only the file is timed.
void BM_WriteXlsx(benchmark::State& state) {
    const Input& in = input(static_cast<int>(state.range(0)));
    sheets::WorkbookModel workbook;
    sheets::SheetModel& sheet = *workbook.activeSheet();
    const int rows = in.grid->rows();
    sheet.cells().assign({1, 1, rows, 3}, *in.grid);
    const auto format = [&](const sheets::CellArea& area, auto set) {
        sheets::CellFormat change;
        set(change);
        sheet.formats().add(area, change);
    };
    format(sheets::CellArea::rows(1, 1), [](auto& c) { c.bold = true; });
    format(sheets::CellArea::columns(1, 1), [](auto& c) { c.fillColor = 0xC0C0C0; });
    format(sheets::CellArea::all(), [](auto& c) { c.fontName = QStringLiteral("Courier"); });
    format(sheets::CellArea::rows(rows + 1, rows + 1), [](auto& c) { c.fillColor = 0; });
    sheet.autoFitColumns(sheets::CellArea::columns(1, 1));
    sheet.cells().assign(sheets::CellArea::cell(rows + 1, 1),
                         automation::Variant(QStringLiteral("footer")));
    const QString path = scratch().filePath(QStringLiteral("write.xlsx"));
    for (auto _ : state) sheets::writeXlsx(workbook, path);
}

// Decode, extract, export through the engine's object model and save: what
// `lingotab-export --horizontal` does after reading the file.
void BM_WholePipeline(benchmark::State& state) {
    const Input& in = input(static_cast<int>(state.range(0)));
    const QString path = scratch().filePath(QStringLiteral("whole.xlsx"));
    core::ExportContext context;
    context.strings = app::builtinString;
    context.caption = QStringLiteral("Lingotab v1.0");
    context.loadedFileName = QStringLiteral("/bench/Main.dfn");
    context.now = QDateTime::currentDateTime();
    context.showMessage = [](const QString&) {};
    for (auto _ : state) {
        sheets::registerEmbeddedWorkbookEngine(
            {.outputPath = path, .replaceOutput = true, .openViewer = false});
        core::TTranslateArr units;
        core::ExtractTranslations(app::decodeTranslationText(in.bytes), false, units);
        core::ExportTranslations(units, false, context);
    }
}

#define SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Decode) SIZES;
BENCHMARK(BM_Extract) SIZES;
BENCHMARK(BM_Layout) SIZES;
BENCHMARK(BM_WriteXlsx) SIZES;
BENCHMARK(BM_WholePipeline) SIZES;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
