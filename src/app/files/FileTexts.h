#pragma once

// The texts of files written and chosen, UTF-8, shared by the window and
// the feature windows that save files.
namespace app::files::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// After the path of a file that could not be written.
inline constexpr char CannotWrite[] = " に書き込めません";

// The file menu's item that saves a window's tables as a workbook.
inline constexpr char ExportXlsx[] = "Excel 形式で書き出し(&X)...";
// The file dialog's filter of an Excel workbook.
inline constexpr char ExcelFilter[] = "Excel ブック (*.xlsx)";
// The file dialogs of CSV and PDF, and their failures: "%1" the path, "%2"
// the reason.
inline constexpr char CsvFilter[] = "CSV ファイル (*.csv)";
inline constexpr char PdfFilter[] = "PDF ファイル (*.pdf)";
inline constexpr char SavePdf[] = "PDF に保存";
inline constexpr char CsvFailed[] = "CSV ファイルを書き出せませんでした。\n%1\n%2";
inline constexpr char XlsxFailed[] = "Excel ブックを書き出せませんでした。\n%1\n%2";
inline constexpr char PdfFailed[] = "PDF ファイルを保存できませんでした。\n%1\n%2";
// clang-format on

} // namespace app::files::texts
