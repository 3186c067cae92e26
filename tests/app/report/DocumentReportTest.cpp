#include "app/report/DocumentReport.h"

#include "../../document/SampleDocuments.h"

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using app::report::ReportUnits;

// What the report test prints: the title block, two charts and one system.
document::Document ReportDocument()
{
    document::Document d = samples::FullDocument();
    d.charts.resize(2);
    d.systems = {samples::SystemsDocument().systems.front()};
    return d;
}

// A chart of many points, whose tables run over several pages.
document::Document LongDocument()
{
    document::Document d = samples::FullDocument();
    d.charts.resize(1);
    d.charts[0].processes.clear();
    d.charts[0].points.resize(2); // OA and RA, both the user's
    // Every point outside the view: its label shows in the table only.
    d.charts[0].view = {{-20, -5}, {0, 0.002}};
    for (int i = 3; i <= 120; ++i) {
        document::Point p = d.charts[0].points[1];
        p.id = i;
        p.label = "P" + std::to_string(i);
        p.definition = samples::Typed(10 + 0.25L * i, chart::Given::RelativeHumidity, 40);
        d.charts[0].points.push_back(p);
    }
    return d;
}

struct Printed
{
    QTemporaryDir dir;
    QString path;
    int pages = 0;
};

void Print(Printed &out, const document::Document &d, const ReportUnits &units = {})
{
    out.path = out.dir.filePath(QStringLiteral("report.pdf"));
    QPdfWriter writer(out.path);
    writer.setResolution(600);
    out.pages = app::report::PaintDocumentReport(writer, d, units);
    // A copy to look at, as the loss sheet's test keeps one.
    if (qEnvironmentVariableIsSet("REPORT_PDF"))
        QFile::copy(out.path, qEnvironmentVariable("REPORT_PDF") + QLatin1Char('-') +
                                  QString::number(out.pages) + QStringLiteral(".pdf"));
}

bool HavePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

std::optional<QString> PdfToText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page (pdftotext ends each with a form feed), blanks
// removed: pdftotext lays text out by position and may split or join words.
QStringList PageTexts(const QString &path)
{
    const auto text = PdfToText({QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text)
        return {};
    QStringList pages = text->split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    for (QString &page : pages)
        page.remove(QLatin1Char(' ')).remove(QChar(0x3000)); // and the ideographic space
    return pages;
}

// The title block, each chart's name and point labels and the system's
// heading, every page numbered "n / total".
TEST(DocumentReport, PdfHoldsEveryPart)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Printed printed;
    const document::Document d = ReportDocument();
    Print(printed, d);
    const QStringList pages = PageTexts(printed.path);
    ASSERT_EQ(pages.size(), printed.pages);
    ASSERT_GE(printed.pages, 4); // the title page, two charts, the system

    const QString all = pages.join(QString());
    struct Expected
    {
        const char *what;
        QString text;
    };
    const Expected expected[] = {
        {"report title", QStringLiteral("設計計算書")},
        {"project", QStringLiteral("事務所ビル新築工事")},
        {"designer", QStringLiteral("設計太郎")},
        {"date", QStringLiteral("2025年6月1日")},
        {"notes", QStringLiteral("AHU-1の夏期と冬期。")},
        {"contents", QStringLiteral("目次")},
        {"summer chart", QStringLiteral("AHU-1夏期")},
        {"winter chart", QStringLiteral("AHU-1冬期")},
        {"given pressure", QStringLiteral("745.500mmHg")},
        {"point table", QStringLiteral("状態点")},
        {"process table", QStringLiteral("工程")},
        {"system", QString::fromStdString(d.systems[0].name).remove(QLatin1Char(' '))},
        {"loss sheet", QStringLiteral("送風機静圧計算書")},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.what);
        EXPECT_TRUE(all.contains(e.text)) << e.text.toStdString();
    }
    // Each chart's point labels at the start of their table rows, on that
    // chart's pages.
    const auto rowOf = [](const QString &page, const char *label) {
        return QRegularExpression(QStringLiteral("(^|\\n)%1-?\\d+\\.\\d").arg(QLatin1String(label)))
            .match(page)
            .hasMatch();
    };
    const auto chartPage = [&](const QString &heading) {
        return std::find_if(pages.begin() + 1, pages.end(),
                            [&](const QString &page) { return page.contains(heading); });
    };
    const auto summer = chartPage(QStringLiteral("空気線図1AHU-1夏期"));
    const auto winter = chartPage(QStringLiteral("空気線図2AHU-1冬期"));
    ASSERT_NE(summer, pages.end());
    ASSERT_NE(winter, pages.end());
    for (const char *label : {"OA", "RA", "MA", "CA", "SA", "D", "E", "F", "G"}) {
        EXPECT_TRUE(rowOf(*summer, label)) << label;
        EXPECT_FALSE(rowOf(*winter, label)) << label;
    }
    for (const char *label : {"A", "B", "C", "H"})
        EXPECT_TRUE(rowOf(*winter, label)) << label;
    // The page numbers, the loss sheet's pages counted on from the report's.
    for (int page = 1; page <= printed.pages; ++page) {
        SCOPED_TRACE(page);
        EXPECT_TRUE(pages[page - 1].contains(QStringLiteral("%1/%2").arg(page).arg(printed.pages)));
    }
}

// The contents give the page each part starts on.
TEST(DocumentReport, ContentsNameThePages)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Printed printed;
    document::Document d = ReportDocument();
    d.charts.insert(d.charts.begin() + 1, LongDocument().charts[0]);
    d.charts[1].name = "長い線図";
    Print(printed, d);
    const QStringList pages = PageTexts(printed.path);
    ASSERT_EQ(pages.size(), printed.pages);
    const QStringList contents = pages[0].split(QLatin1Char('\n'));
    struct Part
    {
        QString entry;   // in the contents
        QString heading; // on the part's first page
    };
    const Part parts[] = {
        {QStringLiteral("空気線図1AHU-1夏期"), QStringLiteral("空気線図1AHU-1夏期")},
        {QStringLiteral("空気線図2長い線図"), QStringLiteral("空気線図2長い線図")},
        {QStringLiteral("空気線図3AHU-1冬期"), QStringLiteral("空気線図3AHU-1冬期")},
        {QStringLiteral("系統") +
             QString::fromStdString(d.systems[0].name).remove(QLatin1Char(' ')),
         QStringLiteral("送風機静圧計算書")},
    };
    int previous = 1;
    for (const Part &part : parts) {
        SCOPED_TRACE(part.entry.toStdString());
        const auto line = std::find_if(contents.begin(), contents.end(),
                                       [&](const QString &l) { return l.startsWith(part.entry); });
        ASSERT_NE(line, contents.end());
        const QRegularExpressionMatch number =
            QRegularExpression(QStringLiteral("(\\d+)$")).match(*line);
        ASSERT_TRUE(number.hasMatch());
        const int page = number.captured(1).toInt();
        ASSERT_GT(page, previous);
        ASSERT_LE(page, printed.pages);
        EXPECT_TRUE(pages[page - 1].contains(part.heading));
        if (page > 2) { // the contents name every part
            EXPECT_FALSE(pages[page - 2].contains(part.heading));
        }
        previous = page;
    }
    EXPECT_GT(previous, 3); // the long chart took more than one page
}

// A table that runs over several pages: every row once and whole, above the
// page number at the foot; each page after the first repeats the chart's
// heading and the table's header.
TEST(DocumentReport, TableRowsAreNeverCut)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Printed printed;
    Print(printed, LongDocument());
    ASSERT_GE(printed.pages, 4);
    const auto html = PdfToText({QStringLiteral("-bbox"), printed.path, QStringLiteral("-")});
    ASSERT_TRUE(html);

    // The words of each page with their boxes.
    const QRegularExpression pageTag(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    const QRegularExpression wordTag(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const QStringList pageHtml = html->split(QStringLiteral("<page "));
    ASSERT_EQ(pageHtml.size() - 1, printed.pages);
    QMap<QString, int> labels;
    for (int page = 1; page <= printed.pages; ++page) {
        SCOPED_TRACE(page);
        const QString text = QStringLiteral("<page ") + pageHtml[page];
        const auto size = pageTag.match(text);
        ASSERT_TRUE(size.hasMatch());
        const double height = size.captured(2).toDouble(); // points of 1/72 inch
        const double mm = 72 / 25.4;
        // 12 mm of margin, then 8 mm kept for the page number.
        const double contentBottom = height - 12 * mm - 8 * mm;
        const QString number = QStringLiteral("%1").arg(page);
        bool numbered = false;
        QString words;
        for (auto it = wordTag.globalMatch(text); it.hasNext();) {
            const auto word = it.next();
            const QString w = word.captured(5);
            const double yMax = word.captured(4).toDouble();
            if (yMax > contentBottom) {
                // Only the page number stands below the content.
                EXPECT_TRUE(w == number || w == QStringLiteral("/") ||
                            w == QString::number(printed.pages))
                    << w.toStdString() << " at " << yMax;
                numbered = true;
                continue;
            }
            if (w.startsWith(QLatin1Char('P')) || w == QStringLiteral("OA") ||
                w == QStringLiteral("RA"))
                ++labels[w];
            words += w;
        }
        EXPECT_TRUE(numbered);
        // pdftotext splits Japanese words at will: the page's words joined.
        EXPECT_EQ(words.contains(QStringLiteral("夏期（続き）")), page > 2);
        EXPECT_EQ(words.contains(QStringLiteral("状態点（続き）")), page > 2);
    }
    for (const QString &label : {QStringLiteral("OA"), QStringLiteral("RA"), QStringLiteral("P3"),
                                 QStringLiteral("P64"), QStringLiteral("P120")})
        EXPECT_EQ(labels.value(label), 1) << label.toStdString();
    EXPECT_EQ(labels.size(), 120);
}

// A document with nothing in it yet still prints its title page.
TEST(DocumentReport, EmptyDocumentPrintsItsTitlePage)
{
    QTemporaryDir dir;
    QPdfWriter empty(dir.filePath(QStringLiteral("empty.pdf")));
    EXPECT_EQ(app::report::PaintDocumentReport(empty, document::Document(), {}), 1);
    QPdfWriter counted(dir.filePath(QStringLiteral("counted.pdf")));
    QPdfWriter painted(dir.filePath(QStringLiteral("painted.pdf")));
    EXPECT_EQ(app::report::CountDocumentReportPages(counted, ReportDocument(), {}),
              app::report::PaintDocumentReport(painted, ReportDocument(), {}));
}

} // namespace
