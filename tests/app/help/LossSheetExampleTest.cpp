// The loss sheet chapter's worked examples are the program's own results: a
// sheet typed as the chapter says gives the numbers the chapter shows.
#include "app/losssheet/SectionColumns.h"
#include "app/losssheet/SummaryTexts.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"
#include "losssheet/WorkedSystems.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace app::losssheet;

QString Chapter()
{
    QFile file(QStringLiteral(ZEFRA_HELP_SOURCES "/losssheet.html"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// Each row of the example's section table as the window shows it, a cell
// after another, and the summary's and the terminals' values.
void ExpectExample(const QString &chapter, const losssheet::System &system, const char *id)
{
    SCOPED_TRACE(id);
    const auto units = losssheet::UnitSystem::SI;
    const losssheet::SystemResult result = losssheet::Compute(system, units);
    const QString start = QStringLiteral("id=\"%1\"").arg(QString::fromLatin1(id));
    const qsizetype from = chapter.indexOf(start);
    ASSERT_GE(from, 0) << "no section " << id;
    const qsizetype to = chapter.indexOf(QStringLiteral("<h2"), from + 1);
    const QString part = chapter.mid(from, to < 0 ? -1 : to - from);

    const QList<QStringList> rows = SectionRows(system, result, units);
    const std::vector<int> columns = ColumnsOf(system.kind);
    for (qsizetype r = 1; r < rows.size(); ++r) {
        // The chapter's result table: the section, then its results from the
        // velocity on.
        QString row = QStringLiteral("<tr><td>") + rows[r][0] + QStringLiteral("</td>");
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] >= VelocityColumn && columns[c] != LengthColumn)
                row += QStringLiteral("<td>") + rows[r][static_cast<qsizetype>(c)] +
                       QStringLiteral("</td>");
        }
        row += QStringLiteral("</tr>");
        EXPECT_TRUE(part.contains(row)) << row.toStdString();
    }
    for (const SummaryLine &line : SummaryLines(system, result, units)) {
        const QString cell = QStringLiteral("<td>") + line.text + QStringLiteral(" ") + line.unit +
                             QStringLiteral("</td>");
        EXPECT_TRUE(line.unit.isEmpty() || part.contains(cell)) << cell.toStdString();
    }
    const QList<QStringList> terminals = TerminalRows(system, result, units);
    for (qsizetype r = 1; r < terminals.size(); ++r) {
        const QString row = QStringLiteral("<tr><td>") +
                            terminals[r].join(QStringLiteral("</td><td>")) +
                            QStringLiteral("</td></tr>");
        EXPECT_TRUE(part.contains(row)) << row.toStdString();
    }
    EXPECT_TRUE(part.contains(CriticalPathText(system, result.summary)));
}

TEST(LossSheetChapter, WorkedExamplesAreTheProgramsResults)
{
    const QString chapter = Chapter();
    ExpectExample(chapter, losssheet_test::FanToFourOutlets(), "example-duct");
    ExpectExample(chapter, losssheet_test::ChilledWater(), "example-pump");
}

} // namespace
