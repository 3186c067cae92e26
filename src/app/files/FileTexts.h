#pragma once

// The texts of files written and chosen, UTF-8, shared by the window and
// the feature windows that save files.
namespace app::files::texts {

// After the path of a file that could not be written.
inline constexpr char CannotWrite[] = " に書き込めません";

// The file dialog's filter of an Excel workbook.
inline constexpr char ExcelFilter[] = "Excel ブック (*.xlsx)";

} // namespace app::files::texts
