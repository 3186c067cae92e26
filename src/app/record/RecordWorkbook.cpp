#include "app/record/RecordWorkbook.h"

#include "app/record/RecordText.h"
#include "app/record/RecordTexts.h"
#include "spreadsheet/SheetText.h"

namespace app::record {

namespace {

using spreadsheet::Cell;
using spreadsheet::Row;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

Cell text(const QString &t)
{
    return t.isEmpty() ? Cell() : Cell(utf8(t));
}

Cell timeCell(const QDateTime &time)
{
    if (!time.isValid())
        return {};
    const QDate d = time.date();
    const QTime t = time.time();
    return spreadsheet::DateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

spreadsheet::Sheet kindSheet(const std::string &name, const KindTable &table)
{
    spreadsheet::Sheet sheet;
    sheet.name = name;
    for (const QString &caption : KindHeader(table))
        sheet.header.push_back(utf8(caption));
    for (qsizetype i = 0; i < table.records.size(); ++i) {
        const ui::CalculationRecord &r = *table.records[i];
        Row row{timeCell(r.time), text(r.page), text(r.calculation), text(r.note)};
        if (table.documented)
            row.insert(row.begin() + 1, text(r.document));
        for (qsizetype c = 0; c < table.columns.size(); ++c) {
            const ui::FieldValue *f = table.field(i, c);
            row.push_back(f ? spreadsheet::FromShownText(utf8(ShownText(*f))) : Cell());
        }
        row.push_back(text(r.warning));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

} // namespace

spreadsheet::Workbook RecordWorkbook(const TitleBlock &title, const QList<KindTable> &tables)
{
    // The names the tabs get, so that the cover lists them as they are.
    std::vector<std::string> wanted{texts::Cover};
    for (const KindTable &table : tables)
        wanted.push_back(utf8(table.calculation));
    const std::vector<std::string> names = spreadsheet::SheetNames(wanted);

    spreadsheet::Sheet cover;
    cover.name = names[0];
    cover.title = {{Cell(std::string(texts::WindowTitle))},
                   {Cell(std::string(texts::Project)), text(title.project)},
                   {Cell(std::string(texts::Designer)), text(title.designer)},
                   {Cell(std::string(texts::Date)), text(DateLine(title))}};
    cover.header = {"シート", texts::Page, texts::Calculation, "件数"};
    double total = 0;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const auto count = static_cast<double>(tables[i].records.size());
        cover.rows.push_back({Cell(names[static_cast<std::size_t>(i) + 1]), text(tables[i].page),
                              text(tables[i].calculation), spreadsheet::Number{count, 0}});
        total += count;
    }
    cover.summary = {{Cell(std::string("合計")), {}, {}, spreadsheet::Number{total, 0}}};

    spreadsheet::Workbook book{texts::WindowTitle, {cover}};
    for (qsizetype i = 0; i < tables.size(); ++i)
        book.sheets.push_back(kindSheet(names[static_cast<std::size_t>(i) + 1], tables[i]));
    return book;
}

} // namespace app::record
