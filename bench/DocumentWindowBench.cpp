// The work document on the window side, for a document of 20 charts × 30
// points × 10 processes with 5 loss-sheet systems: opening (the file read
// without waiting, the document read, the shown chart's Diagram built),
// saving (the shown chart taken back, the document written through the file
// module), and what an autosave does on the window's thread (the copy handed
// to the writer's thread), which must stay well under 5 ms.
#include "LargeDocument.h"
#include "app/document/DocumentFiles.h"
#include "app/document/RecoveryCopy.h"
#include "app/document/Session.h"
#include "document/DiagramConversion.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr losssheet::UnitSystem Units = losssheet::UnitSystem::Conventional;

const document::Document &Large()
{
    static const document::Document d = bench::LargeDocument();
    return d;
}

QTemporaryDir &Folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QString &LargeFile()
{
    static const QString path = [] {
        const QString p = Folder().filePath(QStringLiteral("large.zefra"));
        (void)app::document::SaveDocumentFile(p, Large(), Units);
        return p;
    }();
    return path;
}

// 開く: the file read, the document read, the first chart built for the window.
void OpenThroughTheWindow(benchmark::State &state)
{
    for (auto _ : state) {
        app::document::OpenedFile opened = app::document::ReadDocumentFile(LargeFile(), Units);
        document::BuiltDiagram shown = document::ToDiagram(opened.document->charts.front());
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(OpenThroughTheWindow)->Unit(benchmark::kMillisecond);

// 上書き保存: the shown chart taken back, then the file replaced whole.
void SaveThroughTheWindow(benchmark::State &state)
{
    document::Document d = Large();
    const document::BuiltDiagram shown = document::ToDiagram(d.charts.front());
    const QString path = Folder().filePath(QStringLiteral("saved.zefra"));
    for (auto _ : state) {
        document::StoreDiagram(shown.diagram, shown.kept, d.charts.front());
        const bool saved = static_cast<bool>(app::document::SaveDocumentFile(path, d, Units));
        benchmark::DoNotOptimize(saved);
    }
}
BENCHMARK(SaveThroughTheWindow)->Unit(benchmark::kMillisecond);

// Switching charts: the Diagram of the chart chosen.
void SwitchChart(benchmark::State &state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        document::BuiltDiagram shown =
            document::ToDiagram(Large().charts[i++ % Large().charts.size()]);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(SwitchChart)->Unit(benchmark::kMillisecond);

// One edit in the chart window: the shown chart into the document.
void StoreShownChart(benchmark::State &state)
{
    document::Document d = Large();
    const document::BuiltDiagram shown = document::ToDiagram(d.charts.front());
    for (auto _ : state) {
        document::StoreDiagram(shown.diagram, shown.kept, d.charts.front());
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(StoreShownChart)->Unit(benchmark::kMicrosecond);

// The autosave's part on the window's thread: the copy of the work handed to
// the writer (the writing itself runs on the writer's thread).
void AutosaveOnTheWindowThread(benchmark::State &state)
{
    app::document::RecoveryWriter writer;
    writer.setFile(Folder().filePath(QStringLiteral("recovery.zefra")));
    const app::document::Work work{Large(), QStringLiteral("/home/u/large.zefra"), true};
    for (auto _ : state) {
        writer.write(work, Units);
        state.PauseTiming();
        writer.wait(); // not the window's time
        state.ResumeTiming();
    }
}
BENCHMARK(AutosaveOnTheWindowThread)->Unit(benchmark::kMillisecond);

// The whole autosave on the writer's thread, for comparison.
void AutosaveOnTheWriterThread(benchmark::State &state)
{
    const app::document::Work work{Large(), QStringLiteral("/home/u/large.zefra"), true};
    app::document::RecoveryWriter writer;
    writer.setFile(Folder().filePath(QStringLiteral("recovery-now.zefra")));
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.writeNow(work, Units));
}
BENCHMARK(AutosaveOnTheWriterThread)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
