#include "app/losssheet/SheetWorkbook.h"

#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/SectionColumns.h"
#include "app/losssheet/SheetContents.h"
#include "app/losssheet/SummaryTexts.h"
#include "app/losssheet/Utf8.h"
#include "app/record/RecordTexts.h"
#include "losssheet/Calculator.h"

#include <QDate>

namespace app::losssheet {

namespace {

using ::losssheet::System;
using ::losssheet::SystemResult;

std::string Std(const QString &text)
{
    return text.toStdString();
}

spreadsheet::TextRow StdRow(const QStringList &texts)
{
    spreadsheet::TextRow row;
    row.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString &t : texts)
        row.push_back(Std(t));
    return row;
}

// The captions of a table, one line each ("損失\nPa" as "損失 Pa"), as a
// spreadsheet's filter shows them.
std::vector<std::string> OneLine(const QStringList &header)
{
    std::vector<std::string> captions;
    for (QString caption : header)
        captions.push_back(Std(caption.replace(QLatin1Char('\n'), QLatin1Char(' '))));
    return captions;
}

// The columns of `numeric` that hold texts.
std::vector<std::size_t> TextColumns(const std::vector<bool> &numeric)
{
    std::vector<std::size_t> columns;
    for (std::size_t c = 0; c < numeric.size(); ++c) {
        if (!numeric[c])
            columns.push_back(c);
    }
    return columns;
}

constexpr const char *OnPathMark = "○";

spreadsheet::Sheet SystemSheet(const System &s, const SystemResult &result, const SheetTitle &title,
                               UnitSystem units)
{
    spreadsheet::Sheet sheet;
    sheet.name = s.name.empty() ? Std(SheetHeading(s.kind)) : s.name;
    const QString date = title.date.isEmpty()
                             ? QDate::currentDate().toString(Utf8(record::texts::DateFormat))
                             : title.date;
    sheet.title = {{Std(SheetHeading(s.kind))},
                   {std::string(texts::System), s.name},
                   {std::string(record::texts::Project), Std(title.project)},
                   {std::string(record::texts::Designer), Std(title.designer)},
                   {std::string(record::texts::Date), Std(date)},
                   {Std(ConditionsText(s, units))}};

    // The section table, with the critical path as a column of its own: a
    // spreadsheet filters on it where the printed sheet shades.
    QList<QStringList> sections = SectionRows(s, result, units);
    QStringList header = sections.takeFirst();
    header << Utf8(texts::CriticalPath);
    sheet.header = OneLine(header);
    // Names and sizes stay texts ("007", "500×300") whatever they look like.
    std::vector<std::size_t> typed;
    const std::vector<int> columns = ColumnsOf(s.kind);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c] == NameColumn || columns[c] == UpstreamColumn || columns[c] == SizeColumn)
            typed.push_back(c);
    }
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const auto n = static_cast<std::size_t>(i);
        const bool onPath = n < result.sections.size() && result.sections[n].onCriticalPath;
        spreadsheet::Row row = spreadsheet::ShownRow(StdRow(sections[i]), typed);
        row.emplace_back(onPath ? std::string(OnPathMark) : std::string());
        sheet.rows.push_back(std::move(row));
    }

    const FittingBreakdown fittings = FittingsOf(s, result, units);
    if (!fittings.rows.isEmpty()) {
        spreadsheet::Table table{texts::FittingsBreakdown, OneLine(fittings.header), {}};
        for (const QStringList &texts : fittings.rows)
            table.rows.push_back(
                spreadsheet::ShownRow(StdRow(texts), TextColumns(fittings.numeric)));
        sheet.tables.push_back(std::move(table));
    }

    spreadsheet::Table summary{s.kind == SystemKind::Duct ? texts::FanStaticPressure
                                                          : texts::PumpHead,
                               {record::texts::Item, record::texts::Value, record::texts::Unit},
                               {}};
    for (const SummaryLine &line : SummaryLines(s, result, units))
        summary.rows.push_back(
            spreadsheet::ShownRow({Std(line.caption), Std(line.text), Std(line.unit)}, {0, 2}));
    sheet.tables.push_back(std::move(summary));

    QList<QStringList> terminals = TerminalRows(s, result, units);
    spreadsheet::Table terminalTable{texts::TerminalSurplus, OneLine(terminals.takeFirst()), {}};
    for (const QStringList &texts : terminals)
        terminalTable.rows.push_back(spreadsheet::ShownRow(StdRow(texts), {0}));
    sheet.tables.push_back(std::move(terminalTable));

    // Below: what keeps the result from counting, and the sources.
    if (const QString problem = SummaryProblem(result); !problem.isEmpty())
        sheet.summary.push_back({std::string(texts::Attention), Std(problem)});
    for (const QString &line : SectionProblems(s, result))
        sheet.summary.push_back({std::string(texts::Attention), Std(line)});
    for (qsizetype n = 0; n < fittings.sources.size(); ++n)
        sheet.summary.push_back({Std(QStringLiteral("[%1]").arg(n + 1)), Std(fittings.sources[n])});
    return sheet;
}

} // namespace

spreadsheet::Workbook LossSheetWorkbook(const std::vector<System> &systems, const SheetTitle &title,
                                        UnitSystem units)
{
    spreadsheet::Workbook book;
    book.title = title.project.isEmpty() ? texts::WindowTitle : Std(title.project);
    for (const System &s : systems)
        book.sheets.push_back(SystemSheet(s, ::losssheet::Compute(s, units), title, units));
    return book;
}

} // namespace app::losssheet
