#include "spreadsheet/WorkbookFile.h"

#include "fileio/UniqueFd.h"
#include "spreadsheet/SheetText.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet {

namespace {

constexpr double NarrowestColumn = 6; // characters of the default font
constexpr double WidestColumn = 60;

// The formats a workbook's cells use, each made once.
class Formats
{
public:
    explicit Formats(lxw_workbook *book) : book_(book)
    {
        heading = workbook_add_format(book);
        format_set_bold(heading);
        format_set_font_size(heading, 12);
        header = workbook_add_format(book);
        format_set_bold(header);
        format_set_bg_color(header, 0xD9D9D9);
        format_set_bottom(header, LXW_BORDER_THIN);
        label = workbook_add_format(book);
        format_set_bold(label);
        date = workbook_add_format(book);
        format_set_num_format(date, "yyyy-mm-dd hh:mm:ss");
    }

    lxw_format *number(const Number &n)
    {
        const std::string code = NumberFormat(n);
        auto it = numbers_.find(code);
        if (it == numbers_.end()) {
            lxw_format *format = workbook_add_format(book_);
            format_set_num_format(format, code.c_str());
            it = numbers_.emplace(code, format).first;
        }
        return it->second;
    }

    lxw_format *heading = nullptr;
    lxw_format *header = nullptr;
    lxw_format *label = nullptr;
    lxw_format *date = nullptr;

private:
    lxw_workbook *book_;
    std::map<std::string, lxw_format *> numbers_;
};

bool validDate(const DateTime &t)
{
    return t.year >= 1900 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
           t.second >= 0 && t.second <= 59;
}

// Characters the cell shows, for its column's width.
std::size_t shownWidth(const Cell &cell)
{
    if (const auto *text = std::get_if<std::string>(&cell))
        return DisplayWidth(*text);
    if (const auto *number = std::get_if<Number>(&cell)) {
        char buffer[64];
        const int decimals = std::min(number->decimals, 30);
        const int n = std::snprintf(buffer, sizeof buffer, number->scientific ? "%.*E" : "%.*f",
                                    decimals, number->value);
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (std::holds_alternative<DateTime>(cell))
        return 19; // yyyy-mm-dd hh:mm:ss
    return 0;
}

std::size_t rowsOf(const Sheet &sheet)
{
    std::size_t rows = sheet.title.size() + (sheet.title.empty() ? 0 : 1);
    rows += (sheet.header.empty() ? 0 : 1) + sheet.rows.size();
    for (const Table &table : sheet.tables)
        rows += 3 + table.rows.size(); // the empty row, the caption, the header
    if (!sheet.summary.empty())
        rows += 1 + sheet.summary.size();
    return rows;
}

std::size_t columnsOf(const Sheet &sheet)
{
    std::size_t columns = sheet.header.size();
    for (const auto *part : {&sheet.title, &sheet.rows, &sheet.summary}) {
        for (const Row &row : *part)
            columns = std::max(columns, row.size());
    }
    for (const Table &table : sheet.tables) {
        columns = std::max(columns, table.header.size());
        for (const Row &row : table.rows)
            columns = std::max(columns, row.size());
    }
    return columns;
}

// Writes one sheet's cells; remembers the first failure.
class SheetWriter
{
public:
    SheetWriter(lxw_worksheet *sheet, Formats &formats, std::size_t columns)
        : sheet_(sheet), formats_(formats), widths_(columns, 0)
    {
    }

    void write(const Sheet &sheet)
    {
        lxw_row_t row = 0;
        for (std::size_t i = 0; i < sheet.title.size(); ++i) {
            // The heading, and any line of one cell, may run on over the
            // columns beside it.
            lxw_format *format = i == 0 ? formats_.heading : nullptr;
            line(row++, sheet.title[i], format, format, i > 0 && sheet.title[i].size() > 1);
        }
        if (!sheet.title.empty())
            ++row;
        if (!sheet.header.empty()) {
            const lxw_row_t headerRow = row++;
            header(headerRow, sheet.header, 3); // and the filter button
            worksheet_freeze_panes(sheet_, headerRow + 1, 0);
            const auto last = static_cast<lxw_row_t>(headerRow + sheet.rows.size());
            check(
                worksheet_autofilter(sheet_, headerRow, 0, last, column(sheet.header.size() - 1)));
        }
        for (const Row &cells : sheet.rows)
            line(row++, cells, nullptr, nullptr, true);
        for (const Table &table : sheet.tables) {
            ++row;
            if (!table.caption.empty())
                line(row++, Row{table.caption}, formats_.label, nullptr, false);
            if (!table.header.empty())
                header(row++, table.header, 0);
            for (const Row &cells : table.rows)
                line(row++, cells, nullptr, nullptr, true);
        }
        if (!sheet.summary.empty())
            ++row;
        for (const Row &cells : sheet.summary)
            line(row++, cells, formats_.label, nullptr, true);
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const double width =
                std::clamp(static_cast<double>(widths_[c]) + 1, NarrowestColumn, WidestColumn);
            check(worksheet_set_column(sheet_, column(c), column(c), width, nullptr));
        }
    }

    lxw_error error() const { return error_; }

private:
    static lxw_col_t column(std::size_t c) { return static_cast<lxw_col_t>(c); }

    // A header row, its captions widening their columns by `room` more.
    void header(lxw_row_t row, const std::vector<std::string> &captions, std::size_t room)
    {
        for (std::size_t c = 0; c < captions.size(); ++c) {
            const std::string text = CellText(captions[c]);
            check(worksheet_write_string(sheet_, row, column(c), text.c_str(), formats_.header));
            widen(c, DisplayWidth(text) + room);
        }
    }

    // A row of cells, the texts of its first column in `first`, the others
    // in `rest`; `measured` when its texts widen their columns.
    void line(lxw_row_t row, const Row &cells, lxw_format *first, lxw_format *rest, bool measured)
    {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            put(row, column(c), cells[c], c == 0 ? first : rest);
            if (measured)
                widen(c, shownWidth(cells[c]));
        }
    }

    void put(lxw_row_t row, lxw_col_t col, const Cell &cell, lxw_format *textFormat)
    {
        if (const auto *text = std::get_if<std::string>(&cell)) {
            check(worksheet_write_string(sheet_, row, col, CellText(*text).c_str(), textFormat));
        } else if (const auto *number = std::get_if<Number>(&cell)) {
            check(
                worksheet_write_number(sheet_, row, col, number->value, formats_.number(*number)));
        } else if (const auto *time = std::get_if<DateTime>(&cell); time && validDate(*time)) {
            lxw_datetime t{time->year, time->month,  time->day,
                           time->hour, time->minute, static_cast<double>(time->second)};
            check(worksheet_write_datetime(sheet_, row, col, &t, formats_.date));
        }
    }

    void widen(std::size_t c, std::size_t width)
    {
        if (c < widths_.size())
            widths_[c] = std::max(widths_[c], width);
    }

    void check(lxw_error error)
    {
        if (error != LXW_NO_ERROR && error_ == LXW_NO_ERROR)
            error_ = error;
    }

    lxw_worksheet *sheet_;
    Formats &formats_;
    std::vector<std::size_t> widths_;
    lxw_error error_ = LXW_NO_ERROR;
};

// Writes the workbook as the file at `path` (libxlsxwriter opens it by name
// and writes it in place).
WorkbookProblem writeFile(const Workbook &workbook, const std::string &path)
{
    lxw_workbook *book = workbook_new(path.c_str());
    if (!book)
        return WorkbookProblem::Library;
    const std::string title = CellText(workbook.title, 255);
    lxw_doc_properties properties{};
    properties.title = const_cast<char *>(title.c_str());
    bool failed = workbook_set_properties(book, &properties) != LXW_NO_ERROR;

    Formats formats(book);
    std::vector<std::string> wanted;
    for (const Sheet &sheet : workbook.sheets)
        wanted.push_back(sheet.name);
    const std::vector<std::string> names = SheetNames(wanted);
    for (std::size_t i = 0; i < workbook.sheets.size() && !failed; ++i) {
        lxw_worksheet *sheet = workbook_add_worksheet(book, names[i].c_str());
        if (!sheet) {
            failed = true;
            break;
        }
        SheetWriter writer(sheet, formats, columnsOf(workbook.sheets[i]));
        writer.write(workbook.sheets[i]);
        failed = writer.error() != LXW_NO_ERROR;
    }
    // A workbook is freed only by closing it, which writes the file; what a
    // failure left there is thrown away.
    const lxw_error closed = workbook_close(book);
    return failed || closed != LXW_NO_ERROR ? WorkbookProblem::Library : WorkbookProblem::None;
}

bool readAll(int fd, std::string &bytes)
{
    struct stat st
    {
    };
    if (fstat(fd, &st) != 0)
        return false;
    bytes.assign(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? (bytes.resize(done), true) : false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

WorkbookFile failure(WorkbookProblem problem, int error = 0)
{
    WorkbookFile file;
    file.problem = problem;
    file.error = error;
    return file;
}

// Writes through a name that stands for `fd` and reads the bytes back.
WorkbookFile writeThrough(const Workbook &workbook, const std::string &path, int fd)
{
    if (const WorkbookProblem problem = writeFile(workbook, path); problem != WorkbookProblem::None)
        return failure(problem);
    WorkbookFile file;
    if (!readAll(fd, file.bytes))
        return failure(WorkbookProblem::Scratch, errno);
    return file;
}

WorkbookFile inTemporaryFile(const Workbook &workbook)
{
    const char *folder = std::getenv("TMPDIR");
    std::string path = std::string(folder && *folder ? folder : "/tmp") + "/zefra-xlsx-XXXXXX";
    fileio::UniqueFd fd(mkostemp(path.data(), O_CLOEXEC));
    if (!fd.valid())
        return failure(WorkbookProblem::Scratch, errno);
    WorkbookFile file = writeThrough(workbook, path, fd.get());
    unlink(path.c_str());
    return file;
}

} // namespace

WorkbookFile MakeWorkbookFile(const Workbook &workbook, Scratch scratch)
{
    for (const Sheet &sheet : workbook.sheets) {
        if (rowsOf(sheet) > LXW_ROW_MAX || columnsOf(sheet) > LXW_COL_MAX)
            return failure(WorkbookProblem::TooLarge);
    }
    if (scratch == Scratch::Memory) {
        // A file with no name anywhere, reached by the library through its
        // descriptor's name under /proc: nothing can be left behind.
        fileio::UniqueFd fd(memfd_create("zefra-xlsx", MFD_CLOEXEC));
        const std::string path = "/proc/self/fd/" + std::to_string(fd.get());
        if (fd.valid() && access(path.c_str(), W_OK) == 0)
            return writeThrough(workbook, path, fd.get());
    }
    return inTemporaryFile(workbook);
}

} // namespace spreadsheet
