// The calculation record: what a page waits for when it appends a record, how
// long the record window takes to open with a full record, and exporting it.
#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/record/journal/JournalFile.h"
#include "app/record/journal/JournalLine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using app::ui::CalculationRecord;
using app::ui::FieldRole;

// A duct sizing as the page records it: nine fields.
CalculationRecord ductRecord(int i)
{
    CalculationRecord r;
    r.time = QDateTime::currentDateTime();
    r.page = QStringLiteral("ダクト計算");
    r.calculation = QStringLiteral("ダクト寸法計算（圧損基準）");
    r.fields = {{"S_Fryo", "風量", QString::number(3600 + i), "m3/h", FieldRole::Input},
                {"S_Atsu", "単位圧損", "1", "Pa/m", FieldRole::Input},
                {"ComboBox1", "材質", "亜鉛鉄板（板状で縦方向に継目）", "", FieldRole::Option},
                {"RadioButton1", "形状", "矩形ダクト", "", FieldRole::Option},
                {"S_Width", "ダクト幅", "650", "mm", FieldRole::Result},
                {"S_Height", "ダクト高さ", "300", "mm", FieldRole::Result},
                {"S_Speed", "風速", "5.128", "m/s", FieldRole::Result},
                {"S_Loss", "単位圧損", "0.9875", "Pa/m", FieldRole::Result},
                {"S_Equiv", "相当直径", "457.012459777829", "mm", FieldRole::Result}};
    return r;
}

// One record appended: kept in memory, encoded, and written to the journal
// under its lock (one write, no fsync). The occasional rewrite of the file
// past twice the cap is part of the average.
void BM_AppendRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    app::record::Journal journal(dir.path());
    const CalculationRecord record = ductRecord(0);
    for (auto _ : state)
        journal.append(record);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMicrosecond);

// The same once another running copy (a later version, say) appended a line
// this version cannot read, with the file already past twice the cap: the
// rewrites keep that line and still come once per cap of appends.
void BM_AppendRecordAfterAnUnreadableLine(benchmark::State &state)
{
    QTemporaryDir dir;
    app::record::Journal journal(dir.path());
    const CalculationRecord record = ductRecord(0);
    journal.append(record);
    app::record::journal::JournalFile(QFile::encodeName(journal.filePath()).toStdString())
        .append("{\"v\":3,\"type\":\"record\",\"id\":\"z\",\"shape\":\"oval\"}\n");
    for (int i = 0; i < 2 * app::record::Journal::DefaultCap; ++i)
        journal.append(record);
    for (auto _ : state)
        journal.append(record);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendRecordAfterAnUnreadableLine)->Unit(benchmark::kMicrosecond);

// A journal of 10,000 records in a fresh folder.
QString fullJournal(QTemporaryDir &dir)
{
    app::record::Journal journal(dir.path());
    for (int i = 0; i < app::record::Journal::DefaultCap; ++i)
        journal.append(ductRecord(i));
    return dir.path();
}

// A journal file of about 50 MB (some 60,000 records, more than the cap,
// with a damaged line every 5,000), as years of use and a crash leave it.
QString fiftyMegabyteJournal(QTemporaryDir &dir)
{
    namespace j = app::record::journal;
    std::string bytes;
    bytes.reserve(51 << 20);
    for (int n = 0; bytes.size() < (50u << 20); ++n) {
        const CalculationRecord r = ductRecord(n);
        j::Record line;
        line.id = "id" + std::to_string(n);
        line.time = {r.time.toMSecsSinceEpoch(), r.time.offsetFromUtc()};
        line.page = r.page.toStdString();
        line.calculation = r.calculation.toStdString();
        for (const auto &f : r.fields)
            line.fields.push_back({f.name.toStdString(), f.caption.toStdString(),
                                   f.text.toStdString(), f.unit.toStdString(),
                                   static_cast<j::Role>(f.role), f.stale});
        j::AppendLine(bytes, line);
        if (n % 5000 == 4999)
            bytes += "{\"v\":1,\"type\":\"rec\n";
    }
    const QString folder = dir.filePath(QStringLiteral("big"));
    QDir().mkpath(folder);
    QFile file(app::record::Journal(folder).filePath());
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return folder;
}

// What the start waits for: a 50 MB journal read (the newest 10,000 records
// kept). The rewrite of the file comes later, once the window is up.
void BM_ReadFiftyMegabyteJournal(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = fiftyMegabyteJournal(dir);
    QFile file(app::record::Journal(folder).filePath());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    file.close();
    for (auto _ : state) {
        state.PauseTiming();
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes), file.close(); // as it was before the last rewrite
        state.ResumeTiming();
        app::record::Journal journal(folder);
        benchmark::DoNotOptimize(journal.count());
    }
}
BENCHMARK(BM_ReadFiftyMegabyteJournal)->Unit(benchmark::kMillisecond);

void showAndPaint(QWidget &window)
{
    window.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&window);
    window.repaint(); // the table paints its visible rows
}

// The window opened and painted, its journal already read at the start.
void BM_OpenWindowWith10000Records(benchmark::State &state)
{
    QTemporaryDir dir;
    app::record::Journal journal(fullJournal(dir));
    journal.count(); // read, as at the start of the program
    for (auto _ : state) {
        app::record::RecordForm form(journal);
        showAndPaint(form);
        benchmark::DoNotOptimize(form.findChild<QTableView *>()->model()->rowCount());
    }
}
BENCHMARK(BM_OpenWindowWith10000Records)->Unit(benchmark::kMillisecond);

// The same with the journal read from the file first.
void BM_ReadJournalAndOpenWindowWith10000Records(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = fullJournal(dir);
    for (auto _ : state) {
        app::record::Journal journal(folder);
        app::record::RecordForm form(journal);
        showAndPaint(form);
        benchmark::DoNotOptimize(form.findChild<QTableView *>()->model()->rowCount());
    }
}
BENCHMARK(BM_ReadJournalAndOpenWindowWith10000Records)->Unit(benchmark::kMillisecond);

// Every record exported, as the export dialog's first choice writes them:
// the tables built, the file made and saved in one step.
void exportAll(benchmark::State &state, app::record::ExportFormat format)
{
    QTemporaryDir dir;
    app::record::Journal journal(fullJournal(dir));
    app::record::RecordForm form(journal);
    app::record::ExportChoice choice;
    choice.format = format;
    const QString path = dir.filePath(QStringLiteral("export"));
    for (auto _ : state)
        benchmark::DoNotOptimize(form.exportRecords(path, choice));
    state.SetItemsProcessed(state.iterations() * journal.count());
}

void BM_ExportXlsxWith10000Records(benchmark::State &state)
{
    exportAll(state, app::record::ExportFormat::Xlsx);
}
BENCHMARK(BM_ExportXlsxWith10000Records)->Unit(benchmark::kMillisecond);

void BM_ExportCsvWith10000Records(benchmark::State &state)
{
    exportAll(state, app::record::ExportFormat::Csv);
}
BENCHMARK(BM_ExportCsvWith10000Records)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
