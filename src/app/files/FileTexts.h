#pragma once

// The texts of files written and chosen, UTF-8, shared by the window and
// the feature windows that save files.
namespace app::files::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// After the path of a file that could not be written.
static const char CannotWrite[] = " に書き込めません";

// The file menu's item that saves a window's tables as a workbook.
static const char ExportXlsx[] = "Excel 形式で書き出し(&X)...";
// The file dialog's filter of an Excel workbook.
static const char ExcelFilter[] = "Excel ブック (*.xlsx)";
// The file dialogs of CSV and PDF, and their failures: "%1" the path, "%2"
// the reason.
static const char CsvFilter[] = "CSV ファイル (*.csv)";
static const char PdfFilter[] = "PDF ファイル (*.pdf)";
static const char SavePdf[] = "PDF に保存";
static const char CsvFailed[] = "CSV ファイルを書き出せませんでした。\n%1\n%2";
static const char XlsxFailed[] = "Excel ブックを書き出せませんでした。\n%1\n%2";
static const char PdfFailed[] = "PDF ファイルを保存できませんでした。\n%1\n%2";
// clang-format on

} // namespace app::files::texts
