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

// The field's value as it leaves the program, and whether it is a number.
struct Expected
{
    QString text;
    std::optional<double> number;
    int decimals = 0;
};

Expected expectedValue(const app::ui::FieldValue &f)
{
    Expected e;
    e.text = ShownText(f);
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9]\\d*)(?:\\.(\\d+))?$"));
    if (const QRegularExpressionMatch m = plain.match(e.text); m.hasMatch()) {
        e.number = e.text.toDouble();
        e.decimals = static_cast<int>(m.capturedLength(2));
    }
    return e;
}

QString numberFormat(int decimals)
{
    return decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, u'0');
}

QString str(const json &value)
{
    return value.is_string() ? QString::fromStdString(value.get<std::string>()) : QString();
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

    // Checks one exported row against the journal's record it stands for.
    void expectRecordRow(const QStringList &header, const std::function<json(int)> &cell, bool xlsx)
    {
        const json time = cell(0);
        const QString timeText = xlsx ? str(time.at("v")) : str(time);
        const CalculationRecord *record = nullptr;
        for (int i = 0; i < journal_->count(); ++i) {
            if (TimeText(journal_->at(i).time) == timeText)
                record = &journal_->at(i);
        }
        ASSERT_TRUE(record) << "no record at " << timeText.toStdString();
        seen_.append(record);
        const auto expectText = [&](int column, const QString &text) {
            const json c = cell(column);
            if (!xlsx) {
                EXPECT_EQ(str(c), FormulaSafe(text)) << header[column].toStdString();
            } else if (text.isEmpty()) {
                EXPECT_TRUE(c.is_null()) << header[column].toStdString();
            } else {
                ASSERT_FALSE(c.is_null()) << header[column].toStdString();
                EXPECT_EQ(c.at("t"), "s") << header[column].toStdString();
                EXPECT_EQ(str(c.at("v")), text) << header[column].toStdString();
            }
        };
        if (xlsx) {
            EXPECT_EQ(time.at("t"), "d");
            EXPECT_EQ(time.at("f"), "yyyy-mm-dd hh:mm:ss");
        }
        expectText(1, record->page);
        expectText(2, record->calculation);
        expectText(3, record->note);
        expectText(static_cast<int>(header.size()) - 1, record->warning);
        QList<int> fieldColumns;
        for (const app::ui::FieldValue &f : record->fields) {
            const int column = static_cast<int>(header.indexOf(HeaderCell(f.caption, f.unit)));
            ASSERT_GE(column, 4) << f.caption.toStdString();
            fieldColumns.append(column);
            SCOPED_TRACE(header[column].toStdString());
            const Expected e = expectedValue(f);
            const json c = cell(column);
            if (!xlsx) {
                EXPECT_EQ(str(c), e.text);
            } else if (e.number) {
                ASSERT_FALSE(c.is_null());
                EXPECT_EQ(c.at("t"), "n") << "a number is stored as a number";
                EXPECT_EQ(c.at("v").get<double>(), *e.number);
                EXPECT_EQ(str(c.at("f")), numberFormat(e.decimals));
            } else {
                expectText(column, e.text);
            }
        }
        for (int column = 4; column + 1 < header.size(); ++column) {
            if (fieldColumns.contains(column))
                continue;
            EXPECT_TRUE(xlsx ? cell(column).is_null() : str(cell(column)).isEmpty())
                << "a field the record did not show: " << header[column].toStdString();
        }
    }

    QTemporaryDir dir_, scratch_;
    std::unique_ptr<Journal> journal_;
    std::unique_ptr<RecordForm> form_;
    QString summary_, fileFilter_;
    QStringList failures_;
    bool selectedEnabled_ = false;
    QList<const CalculationRecord *> seen_;
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

    QList<const CalculationRecord *> expected;
    if (xlsx) {
        const ReadBack back = ReadWorkbook(path);
        if (back.missing)
            GTEST_SKIP() << back.why;
        ASSERT_TRUE(back.read) << back.why;
        const json &sheets = back.data.at("sheets");
        ASSERT_EQ(sheets.size(), static_cast<std::size_t>(c.tables.size()) + 1);
        const json &cover = sheets[0];
        EXPECT_EQ(cover.at("name"), "表紙");
        EXPECT_EQ(CellAt(cover, 0, 0).at("v"), "計算記録");
        EXPECT_EQ(CellAt(cover, 1, 0).at("v"), "件名");
        EXPECT_EQ(CellAt(cover, 3, 0).at("v"), "日付");
        EXPECT_EQ(CellAt(cover, 5, 0).at("v"), "シート");
        for (qsizetype t = 0; t < c.tables.size(); ++t) {
            SCOPED_TRACE(c.tables[t].first.toStdString());
            const json &sheet = sheets[static_cast<std::size_t>(t) + 1];
            EXPECT_EQ(str(sheet.at("name")), c.tables[t].first);
            EXPECT_EQ(str(CellAt(cover, 6 + t, 0).at("v")), c.tables[t].first);
            EXPECT_EQ(CellAt(cover, 6 + t, 3).at("v").get<double>(), c.tables[t].second.size());
            EXPECT_EQ(sheet.at("freeze"), "A2");
            const json &rows = sheet.at("rows");
            ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.tables[t].second.size()) + 1);
            QStringList header;
            for (const json &h : rows[0]) {
                header.append(str(h.at("v")));
                EXPECT_TRUE(h.at("b").get<bool>());
            }
            EXPECT_EQ(header.mid(0, 4), (QStringList{"日時", "ページ", "計算", "メモ"}));
            EXPECT_EQ(header.back(), QStringLiteral("警告"));
            for (std::size_t r = 1; r < rows.size(); ++r) {
                SCOPED_TRACE(r);
                expectRecordRow(
                    header, [&](int col) { return CellAt(sheet, r, col); }, true);
            }
            for (int row : c.tables[t].second)
                expected.append(&journal_->at(row));
        }
        const std::size_t total = c.tables.size() + 7;
        EXPECT_EQ(CellAt(cover, total, 0).at("v"), "合計");
        EXPECT_EQ(CellAt(cover, total, 3).at("v").get<double>(), records);
    } else {
        const ReadBack back = ReadCsv(path);
        ASSERT_TRUE(back.read) << back.why;
        EXPECT_TRUE(back.data.at("bom").get<bool>());
        const json &rows = back.data.at("rows");
        std::size_t at = 0;
        for (qsizetype t = 0; t < c.tables.size(); ++t) {
            SCOPED_TRACE(c.tables[t].first.toStdString());
            if (t > 0) {
                ASSERT_LT(at, rows.size());
                EXPECT_TRUE(rows[at++].empty()) << "an empty row between the tables";
            }
            ASSERT_LT(at, rows.size());
            QStringList header;
            for (const json &h : rows[at])
                header.append(str(h));
            ++at;
            EXPECT_EQ(header.mid(0, 4), (QStringList{"日時", "ページ", "計算", "メモ"}));
            for (int row : c.tables[t].second) {
                ASSERT_LT(at, rows.size());
                const json &line = rows[at++];
                EXPECT_EQ(str(line.at(2)), c.tables[t].first);
                expectRecordRow(
                    header, [&](int col) { return line.at(col); }, false);
                expected.append(&journal_->at(row));
            }
        }
        EXPECT_EQ(at, rows.size()) << "nothing more";
    }
    EXPECT_EQ(seen_, expected) << "the records chosen, oldest first within each kind";
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
