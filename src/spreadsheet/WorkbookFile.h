#pragma once

#include "spreadsheet/Sheet.h"

#include <string>

// A workbook as the bytes of an Office Open XML file (.xlsx), written by
// libxlsxwriter. The bytes are made away from any file the user named; the
// caller saves them whole (fileio::WriteFile), so that a failure never
// touches the file being replaced.
namespace spreadsheet {

enum class WorkbookProblem {
    None,
    TooLarge, // more rows or columns than a worksheet holds
    Scratch,  // the scratch file for the library failed (error: errno)
    Library,  // the library could not make the file
};

struct WorkbookFile
{
    std::string bytes; // the .xlsx file, when made
    WorkbookProblem problem = WorkbookProblem::None;
    int error = 0; // errno of a scratch-file failure

    explicit operator bool() const { return problem == WorkbookProblem::None; }
};

// Where the library writes before the bytes are read back: a file in memory
// (memfd), or a temporary file in the system's temporary folder, removed at
// once (also where the system offers no files in memory).
enum class Scratch { Memory, TemporaryFile };

// Each sheet laid out top to bottom: the title area (its first line bold)
// and an empty row, the header (bold, shaded, frozen, with filter buttons),
// the rows, an empty row and the summary (labels bold). Numbers carry the
// format of their decimals, dates "yyyy-mm-dd hh:mm:ss", texts go through
// CellText; columns are as wide as their texts (within 6 and 60 characters).
WorkbookFile MakeWorkbookFile(const Workbook &workbook, Scratch scratch = Scratch::Memory);

} // namespace spreadsheet
