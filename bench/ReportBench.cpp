#include "LargeDocument.h"
#include "app/report/DocumentReport.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

// The report of the large document's 20 charts of 30 points and 10
// processes each, without its loss-sheet systems.
const document::Document &Charts()
{
    static const document::Document d = [] {
        document::Document large = bench::LargeDocument();
        large.systems.clear();
        return large;
    }();
    return d;
}

// Painting the whole report into a PDF in memory, as the print dialog's
// PDF does: the layout pass that numbers the pages, then every page.
void PaintReport(benchmark::State &state)
{
    int pages = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        pages = app::report::PaintDocumentReport(writer, Charts(), {});
        benchmark::DoNotOptimize(buffer.size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(PaintReport)->Unit(benchmark::kMillisecond);

// Only laying the report out: what the preview does before it paints.
void CountReportPages(benchmark::State &state)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    for (auto _ : state)
        benchmark::DoNotOptimize(app::report::CountDocumentReportPages(writer, Charts(), {}));
}
BENCHMARK(CountReportPages)->Unit(benchmark::kMillisecond);

} // namespace
