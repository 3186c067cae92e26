#include "spreadsheet/Sheet.h"

#include <algorithm>

namespace spreadsheet {

Sheet TableSheet(std::string name, TextRow header, const std::vector<TextRow> &rows,
                 const std::vector<std::size_t> &textColumns)
{
    Sheet sheet;
    sheet.name = std::move(name);
    sheet.header = std::move(header);
    sheet.rows.reserve(rows.size());
    for (const TextRow &texts : rows)
        sheet.rows.push_back(ShownRow(texts, textColumns));
    return sheet;
}

Row ShownRow(const TextRow &texts, const std::vector<std::size_t> &textColumns)
{
    Row row;
    row.reserve(texts.size());
    for (std::size_t column = 0; column < texts.size(); ++column) {
        const bool text =
            std::find(textColumns.begin(), textColumns.end(), column) != textColumns.end();
        if (text && !texts[column].empty())
            row.emplace_back(texts[column]);
        else
            row.push_back(FromShownText(texts[column]));
    }
    return row;
}

} // namespace spreadsheet
