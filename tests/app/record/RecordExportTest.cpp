// Exporting the record through its window: the export dialog's choices
// (Excel workbook or CSV, the rows shown under the page filter or the
// selected rows only, every kind or one), the file dialog, and the files as
// openpyxl and Python's csv module read them: every caption, unit, value and
// Japanese text as the records hold them, numbers as numbers with the format
// of their decimals, texts as texts.
#include "SampleRecords.h"

#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/record/RecordText.h"
#include "app/record/UnitPrecision.h"
#include "support/ReadBack.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace app::record;
using app::ui::CalculationRecord;
using app::ui::FieldRole;
using nlohmann::json;

namespace {

const QString Duct = QStringLiteral("ダクト寸法計算（圧損基準）");
const QString Pipe = QStringLiteral("配管圧損計算");
const QString Air = QStringLiteral("湿り空気の状態");

// The journal of the tests: three kinds, a round duct among the rectangles,
// the other unit system, a humidity ratio kept behind its page text, a note
// that looks like a formula.
QList<CalculationRecord> journalRecords()
{
    CalculationRecord round = samples::Duct(2);
    round.fields = {
        samples::Field("S_Fryo", "風量", "4200", "m3/h", FieldRole::Input),
        samples::Field("S_Atsu", "単位圧損", "1", "Pa/m", FieldRole::Input),
        samples::Field("ComboBox1", "材質", "グラスウールダクト", "", FieldRole::Option),
        samples::Field("S_SizeD", "直径", "550.3", "mm", FieldRole::Result),
        samples::Field("S_Speed", "風速", "4.905", "m/s", FieldRole::Result),
    };
    CalculationRecord air = samples::Air(3);
    air.fields[3] = samples::Field("cEdit2", "絶対湿度", "0.011", "kg/kg", FieldRole::Result);
    air.fields[3].value = 0.0105291; // printed beyond the page with 4 decimals
    CalculationRecord formula = samples::Duct(4);
    formula.note = QStringLiteral("=SUM(A1:A3)");
    CalculationRecord conventional = samples::Duct(6);
    conventional.fields[1] =
        samples::Field("S_Atsu", "単位圧損", "0.102", "mmAq/m", FieldRole::Input);
    CalculationRecord first = samples::Duct(0);
    first.note = QStringLiteral("系統A-3 屋上");
    return {first, samples::Pipe(1), round, air, formula, samples::Pipe(5), conventional};
}

// A cell as a reader got it back: a text, or a number (or date) with its
// number format; CSV has texts only.
struct Cell
{
    Cell() = default;
    Cell(QString t, std::optional<double> n = {}, QString f = {})
        : text(std::move(t)), number(n), format(std::move(f))
    {
    }
    QString text;
    std::optional<double> number;
    QString format;
};

// One table of a file: a sheet, or a block of a CSV file.
struct Table
{
    QStringList header;
    QList<QList<Cell>> rows;
};

Cell cellOf(const json &c)
{
    if (c.is_null())
        return {};
    if (c.is_string())
        return {QString::fromStdString(c.get<std::string>())};
    const QString format = QString::fromStdString(c.at("f").get<std::string>());
    if (c.at("t") == "n")
        return {{}, c.at("v").get<double>(), format};
    return {QString::fromStdString(c.at("v").get<std::string>()),
            {},
            c.at("t") == "d" ? format : QString()};
}

// The tables of a sheet, or of a CSV file: a header row, rows, and an empty
// row before the next header.
QList<Table> tablesOf(const json &rows)
{
    QList<Table> tables;
    bool start = true;
    for (const json &row : rows) {
        if (row.empty()) {
            start = true;
            continue;
        }
        QList<Cell> cells;
        for (const json &c : row)
            cells.append(cellOf(c));
        if (start) {
            tables.append(Table());
            for (const Cell &c : cells)
                tables.back().header.append(c.text);
        } else {
            tables.back().rows.append(cells);
        }
        start = false;
    }
    return tables;
}

// The field's value as it leaves the program: its shown text (RecordText.h),
// in a workbook a number with the format of its decimals where the text is
// a plain decimal number.
Cell expectedCell(const app::ui::FieldValue &f, bool xlsx)
{
    const QString text = ShownText(f);
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9]\\d*)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch m = plain.match(text);
    if (!xlsx || !m.hasMatch())
        return {text};
    const auto decimals = m.capturedLength(2);
    return {{}, text.toDouble(), decimals ? "0." + QString(decimals, u'0') : QStringLiteral("0")};
}

struct ExportCase
{
    const char *name;
    ExportFormat format;
    QString page;      // the page filter; empty: every page
    QList<int> select; // rows of the view selected before the export
    bool selectedOnly = false;
    QString kind; // the calculation of the one kind; empty: every kind
    // The tables written, each a calculation with the journal's rows in it.
    QList<std::pair<QString, QList<int>>> tables;
};

class RecordExportTest : public ::testing::TestWithParam<ExportCase>
{
protected:
    void SetUp() override
    {
        journal_ = std::make_unique<Journal>(dir_.path());
        for (const CalculationRecord &r : journalRecords())
            journal_->append(r);
        form_ = std::make_unique<RecordForm>(*journal_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    void TearDown() override
    {
        form_.reset();
        EXPECT_FALSE(QApplication::activeModalWidget()) << "a box was left open";
    }

    QTableView *table() const { return form_->findChild<QTableView *>("RecordTable"); }

    void choosePage(const QString &page)
    {
        auto *filter = form_->findChild<QComboBox *>(QStringLiteral("RecordPageFilter"));
        filter->setCurrentIndex(page.isEmpty() ? 0 : filter->findText(page));
    }
    void selectRows(const QList<int> &rows)
    {
        table()->clearSelection();
        for (int row : rows)
            table()->selectionModel()->select(table()->model()->index(row, 0),
                                              QItemSelectionModel::Select |
                                                  QItemSelectionModel::Rows);
    }

    // Clicks 書き出し, makes the case's choices in the export dialog, and
    // names `file` (without a suffix) in the file dialog. What the dialogs
    // showed is kept.
    void exportThroughTheWindow(const ExportCase &c, const QString &file)
    {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (modal->objectName() == QLatin1String("RecordExportDialog")) {
                const auto radio = [&](const char *name) {
                    return modal->findChild<QRadioButton *>(QLatin1String(name));
                };
                radio(c.format == ExportFormat::Csv ? "RecordExportCsv" : "RecordExportXlsx")
                    ->click();
                selectedEnabled_ = radio("RecordExportSelected")->isEnabled();
                radio(c.selectedOnly ? "RecordExportSelected" : "RecordExportShown")->click();
                if (c.kind.isEmpty()) {
                    radio("RecordExportAllKinds")->click();
                } else {
                    auto *kinds = modal->findChild<QComboBox *>(QStringLiteral("RecordExportKind"));
                    for (int i = 0; i < kinds->count(); ++i) {
                        if (kinds->itemText(i).startsWith(c.kind))
                            kinds->setCurrentIndex(i);
                    }
                    radio("RecordExportOneKind")->click();
                }
                summary_ =
                    modal->findChild<QLabel *>(QStringLiteral("RecordExportSummary"))->text();
                modal->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
            } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                fileFilter_ = files->selectedNameFilter();
                files->selectFile(file);
                QMetaObject::invokeMethod(files, "accept"); // adds the suffix, as Save does
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                failures_.append(box->text());
                box->accept();
            } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
                dialog->reject();
            }
        });
        driver.start(5);
        form_->findChild<QPushButton *>(QStringLiteral("RecordExport"))->click();
        driver.stop();
    }

    // Checks a table's rows against the journal's records they stand for,
    // and gives those records.
    QList<const CalculationRecord *> recordsIn(const Table &table, bool xlsx)
    {
        QList<const CalculationRecord *> found;
        const auto text = [&](const QString &t) { return Cell{xlsx ? t : FormulaSafe(t)}; };
        for (const QList<Cell> &row : table.rows) {
            const CalculationRecord *record = nullptr;
            for (int i = 0; i < journal_->count(); ++i) {
                if (TimeText(journal_->at(i).time) == row.value(0).text)
                    record = &journal_->at(i);
            }
            if (!record) {
                ADD_FAILURE() << "no record at " << row.value(0).text.toStdString();
                continue;
            }
            found.append(record);
            QList<Cell> expected(table.header.size());
            expected[0] = {TimeText(record->time), {}, xlsx ? "yyyy-mm-dd hh:mm:ss" : ""};
            expected[1] = text(record->page);
            expected[2] = text(record->calculation);
            expected[3] = text(record->note);
            expected.back() = text(record->warning);
            for (const app::ui::FieldValue &f : record->fields) {
                const qsizetype column = table.header.indexOf(HeaderCell(f.caption, f.unit));
                EXPECT_GE(column, 4) << f.caption.toStdString();
                if (column >= 4)
                    expected[column] = expectedCell(f, xlsx);
            }
            for (qsizetype c = 0; c < expected.size(); ++c) {
                SCOPED_TRACE(table.header[c].toStdString());
                const Cell got = row.value(c);
                EXPECT_EQ(got.text, expected[c].text);
                EXPECT_EQ(got.number, expected[c].number) << "a number is stored as a number";
                EXPECT_EQ(got.format, expected[c].format);
            }
        }
        return found;
    }

    QTemporaryDir dir_, scratch_;
    std::unique_ptr<Journal> journal_;
    std::unique_ptr<RecordForm> form_;
    QString summary_, fileFilter_;
    QStringList failures_;
    bool selectedEnabled_ = false;
};

TEST_P(RecordExportTest, WritesWhatWasChosenAndReadsBackAsRecorded)
{
    const ExportCase &c = GetParam();
    const bool xlsx = c.format == ExportFormat::Xlsx;
    choosePage(c.page);
    selectRows(c.select);
    exportThroughTheWindow(c, QDir(scratch_.path()).filePath(QStringLiteral("記録")));
    EXPECT_TRUE(failures_.isEmpty()) << failures_.join('\n').toStdString();
    EXPECT_EQ(selectedEnabled_, !c.select.isEmpty());
    EXPECT_EQ(fileFilter_, xlsx ? QStringLiteral("Excel ブック (*.xlsx)")
                                : QStringLiteral("CSV ファイル (*.csv)"));
    const QString written = QStringLiteral("記録.") + (xlsx ? "xlsx" : "csv");
    ASSERT_EQ(QDir(scratch_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written})
        << "the suffix added, nothing else left";
    const std::string path = QDir(scratch_.path()).filePath(written).toStdString();

    qsizetype records = 0;
    for (const auto &table : c.tables)
        records += table.second.size();
    EXPECT_TRUE(summary_.startsWith(QStringLiteral("%1 件の記録を").arg(records)))
        << summary_.toStdString();

    QList<Table> tables;
    if (xlsx) {
        const ReadBack back = ReadWorkbook(path);
        if (back.missing)
            GTEST_SKIP() << back.why;
        ASSERT_TRUE(back.read) << back.why;
        const json &sheets = back.data.at("sheets");
        ASSERT_EQ(sheets.size(), static_cast<std::size_t>(c.tables.size()) + 1);
        // The cover: the title block, the sheets with their counts, the total.
        const json &cover = sheets[0];
        EXPECT_EQ(cover.at("name"), "表紙");
        const std::size_t end = 7 + c.tables.size();
        for (const auto &[row, column, text] : {std::tuple{0, 0, "計算記録"},
                                                {1, 0, "件名"},
                                                {3, 0, "日付"},
                                                {5, 0, "シート"},
                                                {int(end), 0, "合計"}})
            EXPECT_EQ(CellAt(cover, row, column).at("v"), text);
        EXPECT_EQ(CellAt(cover, end, 3).at("v").get<double>(), records);
        for (qsizetype t = 0; t < c.tables.size(); ++t) {
            const json &sheet = sheets[static_cast<std::size_t>(t) + 1];
            EXPECT_EQ(QString::fromStdString(sheet.at("name")), c.tables[t].first);
            EXPECT_EQ(QString::fromStdString(CellAt(cover, 6 + t, 0).at("v")), c.tables[t].first);
            EXPECT_EQ(CellAt(cover, 6 + t, 3).at("v").get<double>(), c.tables[t].second.size());
            EXPECT_EQ(sheet.at("freeze"), "A2") << "the header stays in view";
            EXPECT_TRUE(CellAt(sheet, 0, 0).at("b").get<bool>()) << "the header is bold";
            tables.append(tablesOf(sheet.at("rows")));
        }
    } else {
        const ReadBack back = ReadCsv(path);
        ASSERT_TRUE(back.read) << back.why;
        EXPECT_TRUE(back.data.at("bom").get<bool>());
        tables = tablesOf(back.data.at("rows"));
    }
    ASSERT_EQ(tables.size(), c.tables.size());
    for (qsizetype t = 0; t < c.tables.size(); ++t) {
        SCOPED_TRACE(c.tables[t].first.toStdString());
        EXPECT_EQ(tables[t].header.mid(0, 4), (QStringList{"日時", "ページ", "計算", "メモ"}));
        EXPECT_EQ(tables[t].header.back(), QStringLiteral("警告"));
        QList<const CalculationRecord *> expected;
        for (int row : c.tables[t].second)
            expected.append(&journal_->at(row));
        EXPECT_EQ(recordsIn(tables[t], xlsx), expected) << "the records chosen, oldest first";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RecordExportTest,
    ::testing::Values(
        ExportCase{"XlsxEveryRowShown",
                   ExportFormat::Xlsx,
                   {},
                   {},
                   false,
                   {},
                   {{Duct, {0, 2, 4, 6}}, {Pipe, {1, 5}}, {Air, {3}}}},
        ExportCase{"XlsxASelectionAloneChangesNothing",
                   ExportFormat::Xlsx,
                   {},
                   {1, 2},
                   false,
                   {},
                   {{Duct, {0, 2, 4, 6}}, {Pipe, {1, 5}}, {Air, {3}}}},
        ExportCase{"XlsxFilteredByPage",
                   ExportFormat::Xlsx,
                   QStringLiteral("配管計算"),
                   {},
                   false,
                   {},
                   {{Pipe, {1, 5}}}},
        ExportCase{"XlsxSelectedRowsOnly",
                   ExportFormat::Xlsx,
                   {},
                   {3, 0, 6},
                   true,
                   {},
                   {{Duct, {0, 6}}, {Air, {3}}}},
        ExportCase{"XlsxOneKind", ExportFormat::Xlsx, {}, {}, false, Duct, {{Duct, {0, 2, 4, 6}}}},
        ExportCase{"CsvEveryKindOneAfterAnother",
                   ExportFormat::Csv,
                   {},
                   {},
                   false,
                   {},
                   {{Duct, {0, 2, 4, 6}}, {Pipe, {1, 5}}, {Air, {3}}}},
        ExportCase{"CsvOneKind", ExportFormat::Csv, {}, {}, false, Pipe, {{Pipe, {1, 5}}}},
        ExportCase{"CsvSelectedRowsOfOneKindUnderAFilter",
                   ExportFormat::Csv,
                   QStringLiteral("ダクト計算"),
                   {0, 1, 3},
                   true,
                   Duct,
                   {{Duct, {0, 2, 6}}}}),
    [](const auto &p) { return std::string(p.param.name); });

class RecordExportDialogTest : public RecordExportTest
{
};

TEST_F(RecordExportDialogTest, OffersTheKindsOfTheRowsChosenAndSaysWhatItWillWrite)
{
    selectRows({1});
    RecordExportDialog dialog(CountKinds(form_->shownRecords()),
                              CountKinds(form_->selectedRecords()), ExportFormat::Csv, form_.get());
    auto *csv = dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportCsv"));
    auto *shown = dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportShown"));
    auto *selected = dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportSelected"));
    auto *kinds = dialog.findChild<QComboBox *>(QStringLiteral("RecordExportKind"));
    auto *one = dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportOneKind"));
    auto *summary = dialog.findChild<QLabel *>(QStringLiteral("RecordExportSummary"));
    EXPECT_TRUE(csv->isChecked()) << "the format of the last export first";
    EXPECT_TRUE(shown->isChecked()) << "every row shown, whatever is selected";
    EXPECT_EQ(shown->text(), QStringLiteral("表示中の記録すべて(&A)（7 件）"));
    EXPECT_EQ(selected->text(), QStringLiteral("選択した行のみ(&L)（1 件）"));
    EXPECT_EQ(summary->text(),
              QStringLiteral("7 件の記録を、計算の種類ごとに見出し行を付けた 3 つの表にして、"
                             "一つの CSV ファイルに続けて書き出します。"));
    ASSERT_EQ(kinds->count(), 3);
    EXPECT_EQ(kinds->itemText(1), QStringLiteral("配管圧損計算（配管計算、2 件）"));

    kinds->setCurrentIndex(1);
    emit kinds->activated(1);
    EXPECT_TRUE(one->isChecked()) << "choosing a kind chooses one kind";
    EXPECT_EQ(dialog.choice().kind, KindOf(journal_->at(1)));
    selected->click();
    ASSERT_EQ(kinds->count(), 1) << "the kinds of the selected rows";
    EXPECT_EQ(kinds->currentIndex(), 0) << "the kind chosen stays chosen";
    dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportXlsx"))->click();
    EXPECT_EQ(summary->text(),
              QStringLiteral(
                  "1 件の記録を、表紙と 1 枚のシート（計算の種類ごとに 1 枚）に書き出します。"));
    const ExportChoice choice = dialog.choice();
    EXPECT_EQ(choice.format, ExportFormat::Xlsx);
    EXPECT_TRUE(choice.selectedOnly);
}

TEST_F(RecordExportDialogTest, NothingToWriteCannotBeConfirmed)
{
    RecordExportDialog dialog({}, {}, ExportFormat::Xlsx, form_.get());
    EXPECT_FALSE(dialog.findChild<QPushButton *>(QStringLiteral("OKButton"))->isEnabled());
    EXPECT_FALSE(
        dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportSelected"))->isEnabled());
    EXPECT_FALSE(
        dialog.findChild<QRadioButton *>(QStringLiteral("RecordExportOneKind"))->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("RecordExportSummary"))->text(),
              QStringLiteral("書き出す記録がありません。"));
}

TEST_F(RecordExportDialogTest, CancelledExportWritesNothing)
{
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    cancel.start(5);
    form_->findChild<QPushButton *>(QStringLiteral("RecordExport"))->click();
    cancel.stop();
    EXPECT_TRUE(QDir(scratch_.path()).isEmpty());
}

} // namespace
