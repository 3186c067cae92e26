#include "LossSheetFixture.h"

#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/SheetPrint.h"
#include "support/ReadBack.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using namespace app::losssheet;

// The text of a PDF file as pdftotext reads it, or nothing without pdftotext.
std::optional<QString> PdfText(const QString &path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext lays text out by position: "1 / 2" may come out as "1/2".
QString Squeezed(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// Ctrl+C in the section table: the whole table as tab-separated text, a
// header row with units, a row per section as shown.
TEST_F(LossSheetTest, CopyGivesTheSectionTableAsTsv)
{
    typeThreeSections();
    QApplication::clipboard()->clear();
    sections()->setFocus();
    QTest::keyClick(sections(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5); // header, three rows, and the end of the last
    EXPECT_TRUE(lines[4].isEmpty());
    const QStringList header = lines[0].split(QLatin1Char('\t'));
    const std::vector<int> columns = ColumnsOf(losssheet::SystemKind::Duct);
    ASSERT_EQ(header.size(), static_cast<qsizetype>(columns.size()));
    EXPECT_EQ(header[0], QStringLiteral("区間"));
    EXPECT_EQ(header[2], QStringLiteral("風量 m3/h"));
    EXPECT_EQ(header[7], QStringLiteral("R mmAq/m"));
    for (int row = 0; row < 3; ++row) {
        const QStringList cells = lines[row + 1].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), header.size());
        for (std::size_t c = 0; c < columns.size(); ++c)
            EXPECT_EQ(cells[static_cast<qsizetype>(c)], cell(row, columns[c]));
    }
    // The same from the menu.
    QApplication::clipboard()->clear();
    form_->findChild<QAction *>(QStringLiteral("LossSheetCopy"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
}

// A name a spreadsheet would take for a formula goes out as text.
TEST_F(LossSheetTest, CopyAndCsvKeepFormulasOut)
{
    typeThreeSections();
    EXPECT_FALSE(typeCell(1, NameColumn, QStringLiteral("=HYPERLINK(1)")));
    EXPECT_TRUE(form_->sectionsTsv().contains(QStringLiteral("\t'=HYPERLINK(1)")) ||
                form_->sectionsTsv().contains(QStringLiteral("\n'=HYPERLINK(1)")));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.csv"));
    EXPECT_TRUE(form_->exportCsv(path).isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString csv = QString::fromUtf8(bytes);
    EXPECT_TRUE(csv.contains(QStringLiteral("\r\n'=HYPERLINK(1),")));
    EXPECT_TRUE(csv.contains(QStringLiteral("必要静圧,") + summary("SummaryResult") +
                             QStringLiteral(",mmAq")));
    EXPECT_TRUE(csv.contains(QStringLiteral("末端区間")));
    // A folder is no file: said, and nothing written.
    EXPECT_FALSE(form_->exportCsv(dir.path()).isEmpty());
}

// The printed sheet, as a PDF read back: title block, conditions, every
// section, the fittings with their sources, the summary, the terminals.
TEST_F(LossSheetTest, PrintedSheetHoldsTheWholeSystem)
{
    typeThreeSections();
    sections()->setCurrentIndex(sections()->model()->index(0, NameColumn));
    auto *kind = find<QComboBox>("FittingKind");
    kind->setCurrentIndex(kind->findData(QStringLiteral("duct.elbow.round.smooth")));
    QTest::mouseClick(find("AddFittingButton"), Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(form_->savePdf(path).isEmpty());
    if (qEnvironmentVariableIsSet("LOSS_SHEET_PDF"))
        QFile::copy(path, qEnvironmentVariable("LOSS_SHEET_PDF"));
    const auto text = PdfText(path);
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    const QString required = summary("SummaryResult");
    for (const QString &expected :
         {QStringLiteral("送風機静圧計算書"), QStringLiteral("事務所ビル新築工事"),
          QStringLiteral("設計 太郎"), QStringLiteral("2025年4月1日"),
          QStringLiteral("ダクト系統 1"), QStringLiteral("亜鉛鉄板"),
          QStringLiteral("目標 0.100 mmAq/m"), QStringLiteral("円形エルボ"),
          QStringLiteral("Idelchik"), QStringLiteral("必要静圧"), required,
          QStringLiteral("末端の余剰圧"), cell(0, CumulativeColumn), cell(2, CumulativeColumn),
          QStringLiteral("1 / 1")}) {
        EXPECT_TRUE(Squeezed(*text).contains(Squeezed(expected))) << expected.toStdString();
    }
}

// Every system, each from a new page, numbered through; a report can start
// them after pages of its own.
TEST_F(LossSheetTest, AllSystemsPrintOnNumberedPages)
{
    losssheet::System duct = ThreeSections();
    duct.name = "SA-1";
    losssheet::System many = ThreeSections();
    many.name = "SA-2";
    for (int i = 4; i <= 90; ++i)
        many.sections.push_back({std::to_string(i), "3", 100, "", 2, {}, {}});
    form_->sheet().setSystems({duct, many});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("all.pdf"));
    ASSERT_TRUE(form_->savePdf(path, true).isEmpty());

    QPdfWriter writer(dir.filePath(QStringLiteral("count.pdf")));
    SetLossSheetPageLayout(writer);
    const int pages = CountLossSheetPages(writer, form_->sheet().systems(), {},
                                          losssheet::UnitSystem::Conventional);
    EXPECT_GE(pages, 3); // 90 sections do not fit on one landscape page
    const auto text = PdfText(path);
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("SA-1")));
    EXPECT_TRUE(text->contains(QStringLiteral("SA-2")));
    EXPECT_TRUE(Squeezed(*text).contains(QStringLiteral("%1/%1").arg(pages)));
    EXPECT_EQ(text->count(QChar(0x0c)), pages); // one form feed per page

    // After three pages of a report.
    const QString appended = dir.filePath(QStringLiteral("report.pdf"));
    {
        QPdfWriter report(appended);
        SetLossSheetPageLayout(report);
        QPainter painter(&report);
        for (int i = 0; i < 3; ++i)
            report.newPage();
        EXPECT_EQ(PaintLossSheets(painter, report, form_->sheet().systems(), {},
                                  losssheet::UnitSystem::Conventional, {4, 3 + pages}),
                  pages);
    }
    const auto reportText = PdfText(appended);
    ASSERT_TRUE(reportText);
    EXPECT_TRUE(Squeezed(*reportText).contains(QStringLiteral("4/%1").arg(3 + pages)));
    EXPECT_TRUE(Squeezed(*reportText).contains(QStringLiteral("%1/%1").arg(3 + pages)));
}

// The row of a sheet read back whose first cell is `text`, or -1.
int RowStarting(const nlohmann::json &sheet, const std::string &text)
{
    const nlohmann::json &rows = sheet.at("rows");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const nlohmann::json &first = CellAt(sheet, r, 0);
        if (!first.is_null() && first.at("v") == text)
            return static_cast<int>(r);
    }
    return -1;
}

// A cell read back as the window showed it: a number where the window's
// text is one (at its decimals), the text otherwise; names stay `text`.
void ExpectShown(const nlohmann::json &cell, const QString &shown, bool text = false)
{
    SCOPED_TRACE(shown.toStdString());
    if (shown.isEmpty()) {
        EXPECT_TRUE(cell.is_null());
        return;
    }
    ASSERT_FALSE(cell.is_null());
    bool number = false;
    const double value = shown.toDouble(&number);
    if (number && !text) {
        ASSERT_EQ(cell.at("t"), "n");
        EXPECT_DOUBLE_EQ(cell.at("v").get<double>(), value);
        const qsizetype point = shown.indexOf(QLatin1Char('.'));
        const std::string format =
            point < 0 ? "0"
                      : "0." + std::string(static_cast<std::size_t>(shown.size() - point - 1), '0');
        EXPECT_EQ(cell.at("f"), format);
    } else {
        EXPECT_TRUE(!number || text) << "a number written as text";
        EXPECT_EQ(QString::fromStdString(cell.at("v").get<std::string>()), shown);
    }
}

// Excel 形式で書き出し: every system on a worksheet of its own, laid out as
// the printed sheet, each number a number with the window's decimals, read
// back by openpyxl.
TEST_F(LossSheetTest, WorkbookHoldsEverySystemAsThePrintedSheet)
{
    typeThreeSections();
    sections()->setCurrentIndex(sections()->model()->index(0, NameColumn));
    auto *kind = find<QComboBox>("FittingKind");
    kind->setCurrentIndex(kind->findData(QStringLiteral("duct.elbow.round.smooth")));
    QTest::mouseClick(find("AddFittingButton"), Qt::LeftButton);
    const QString required = summary("SummaryResult");
    std::vector<QStringList> shown;
    for (int row = 0; row < 3; ++row) {
        QStringList cells;
        for (int c : ColumnsOf(losssheet::SystemKind::Duct))
            cells << cell(row, c);
        shown.push_back(cells);
    }
    losssheet::System second = ThreeSections();
    second.name = "SA-2";
    std::vector<losssheet::System> systems = form_->sheet().systems();
    systems.push_back(second);
    form_->sheet().setSystems(systems);

    QTemporaryDir dir;
    QTimer files;
    QObject::connect(&files, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(dir.filePath(QStringLiteral("系統.xlsx")));
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    boxes_.pause();
    files.start(5);
    form_->findChild<QAction *>(QStringLiteral("LossSheetSaveXlsx"))->trigger();
    files.stop();
    boxes_.resume();
    ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("系統.xlsx")});

    if (qEnvironmentVariableIsSet("LOSS_SHEET_XLSX"))
        QFile::copy(dir.filePath(QStringLiteral("系統.xlsx")),
                    qEnvironmentVariable("LOSS_SHEET_XLSX"));
    const ReadBack back = ReadWorkbook(dir.filePath(QStringLiteral("系統.xlsx")).toStdString());
    if (back.missing)
        GTEST_SKIP() << back.why;
    ASSERT_TRUE(back.read) << back.why;
    const nlohmann::json &sheets = back.data.at("sheets");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].at("name"), system().name);
    EXPECT_EQ(sheets[1].at("name"), "SA-2");

    const nlohmann::json &sheet = sheets[0];
    EXPECT_EQ(CellAt(sheet, 0, 0).at("v"), "送風機静圧計算書");
    EXPECT_TRUE(CellAt(sheet, 0, 0).at("b").get<bool>());
    for (const char *label : {"系統", "件名", "設計者", "日付"})
        EXPECT_GE(RowStarting(sheet, label), 0) << label;
    EXPECT_EQ(CellAt(sheet, RowStarting(sheet, "件名"), 1).at("v"), "事務所ビル新築工事");

    // The section table: the window's texts, and the critical path marked.
    const int header = RowStarting(sheet, "区間");
    ASSERT_GT(header, 0);
    EXPECT_EQ(CellAt(sheet, header, 2).at("v"), "風量 m3/h");
    const std::size_t pathColumn = ColumnsOf(losssheet::SystemKind::Duct).size();
    EXPECT_EQ(CellAt(sheet, header, pathColumn).at("v"), "最遠経路");
    const std::vector<int> columns = ColumnsOf(losssheet::SystemKind::Duct);
    for (int row = 0; row < 3; ++row) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const bool name = columns[c] == NameColumn || columns[c] == UpstreamColumn;
            ExpectShown(CellAt(sheet, header + 1 + row, c), shown[row][static_cast<qsizetype>(c)],
                        name);
        }
    }
    EXPECT_EQ(CellAt(sheet, header + 1, pathColumn).at("v"), "○") << "the fan's section";

    // The fittings, the result and the terminals below, and the sources.
    const int fittingsRow = RowStarting(sheet, "局部抵抗・機器の内訳");
    ASSERT_GT(fittingsRow, header);
    EXPECT_EQ(CellAt(sheet, fittingsRow + 2, 1).at("v"), "円形エルボ");
    const int result = RowStarting(sheet, "必要静圧");
    ASSERT_GT(result, fittingsRow);
    ExpectShown(CellAt(sheet, result, 1), required);
    EXPECT_EQ(CellAt(sheet, result, 2).at("v"), "mmAq");
    EXPECT_GT(RowStarting(sheet, "末端の余剰圧（ダンパ・弁で調整する圧力）"), result);
    const int source = RowStarting(sheet, "[1]");
    ASSERT_GT(source, result);
    EXPECT_NE(CellAt(sheet, source, 1).at("v").get<std::string>().find("Idelchik"),
              std::string::npos);

    // A folder is no file: said, and nothing written.
    EXPECT_FALSE(form_->exportXlsx(dir.path()).isEmpty());
}

} // namespace
