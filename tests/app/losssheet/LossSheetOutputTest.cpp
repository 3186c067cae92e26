#include "LossSheetFixture.h"

#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/SheetPrint.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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

} // namespace
