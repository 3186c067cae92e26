#include "LargeDocument.h"
#include "document/DiagramConversion.h"
#include "document/DocumentFile.h"
#include "document/DocumentFormat.h"
#include "document/DocumentWrite.h"
#include "document/JsonParse.h"
#include "document/JsonWrite.h"

#include <benchmark/benchmark.h>

namespace {

using bench::LargeDocument;

constexpr losssheet::UnitSystem Units = losssheet::UnitSystem::Conventional;

const document::Document &Large()
{
    static const document::Document d = LargeDocument();
    return d;
}

const std::string &LargeFile()
{
    static const std::string bytes = document::Write(Large(), Units).bytes;
    return bytes;
}

// Saving: checking, composing and writing the bytes (what the window and the
// autosave call).
void Save(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Write(Large(), Units));
    state.counters["bytes"] = static_cast<double>(LargeFile().size());
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

// The part of a save without its check that the file would open again.
void SaveWithoutCheck(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            document::json::Serialise(document::ComposeDocument(Large(), Units)));
}
BENCHMARK(SaveWithoutCheck)->Unit(benchmark::kMillisecond);

// Opening: parsing the bytes and reading every member into the model.
void Open(benchmark::State &state)
{
    const std::string &bytes = LargeFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Read(bytes, Units));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(Open)->Unit(benchmark::kMillisecond);

// The 5 systems alone, without the charts.
void OpenSystems(benchmark::State &state)
{
    document::Document d;
    d.systems = Large().systems;
    const std::string bytes = document::Write(d, Units).bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Read(bytes, Units));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(OpenSystems)->Unit(benchmark::kMillisecond);

void SaveSystems(benchmark::State &state)
{
    document::Document d;
    d.systems = Large().systems;
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Write(d, Units));
}
BENCHMARK(SaveSystems)->Unit(benchmark::kMillisecond);

// The largest file that is opened: the document's charts and systems
// repeated up to the size limit.
void OpenLargestFile(benchmark::State &state)
{
    document::Document d = Large();
    const std::size_t copies = document::format::MaxFileSize / LargeFile().size();
    for (std::size_t i = 1; i < copies; ++i) {
        d.charts.insert(d.charts.end(), Large().charts.begin(), Large().charts.end());
        d.systems.insert(d.systems.end(), Large().systems.begin(), Large().systems.end());
    }
    const std::string bytes = document::Write(d, Units).bytes;
    if (!document::Read(bytes, Units).document)
        state.SkipWithError("not opened");
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Read(bytes, Units));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(OpenLargestFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void ParseOnly(benchmark::State &state)
{
    const std::string &bytes = LargeFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(document::json::Parse(bytes));
}
BENCHMARK(ParseOnly)->Unit(benchmark::kMillisecond);

// Building one chart's Diagram computes every state of its points and
// processes (each state a search of the moist-air model).
void BuildOneDiagram(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(document::ToDiagram(Large().charts[1]));
}
BENCHMARK(BuildOneDiagram)->Unit(benchmark::kMillisecond);

// Every state of a built chart computed once: the least a build can cost.
// The build costs more because the Diagram computes its processes again at
// each one added.
void RecomputeOneDiagram(benchmark::State &state)
{
    document::BuiltDiagram built = document::ToDiagram(Large().charts[1]);
    for (auto _ : state)
        built.diagram.recompute();
}
BENCHMARK(RecomputeOneDiagram)->Unit(benchmark::kMillisecond);

// A copy of the document, for a save on another thread.
void CopyDocument(benchmark::State &state)
{
    for (auto _ : state) {
        document::Document copy = Large();
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(CopyDocument)->Unit(benchmark::kMillisecond);

void BuildAllDiagrams(benchmark::State &state)
{
    for (auto _ : state) {
        for (const document::Chart &c : Large().charts)
            benchmark::DoNotOptimize(document::ToDiagram(c));
    }
}
BENCHMARK(BuildAllDiagrams)->Unit(benchmark::kMillisecond)->Iterations(2);

// Taking the definitions back out of the 20 Diagrams before a save.
void StoreAllDiagrams(benchmark::State &state)
{
    std::vector<document::BuiltDiagram> built;
    for (const document::Chart &c : Large().charts)
        built.push_back(document::ToDiagram(c));
    document::Document d = Large();
    for (auto _ : state) {
        for (std::size_t i = 0; i < built.size(); ++i)
            document::StoreDiagram(built[i].diagram, built[i].kept, d.charts[i]);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(StoreAllDiagrams)->Unit(benchmark::kMillisecond);

} // namespace
