#pragma once

#include "document/DocumentTexts.h"

// The calculation record's texts that more than one of its parts shows (the
// window, its table and copy, the workbook, the printed sheet), UTF-8. The
// warning's column is ui::texts::Warning, as the box that showed it.
namespace app::record::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The window's title: also the notice's caption, the workbook's title, and
// the tools menu's item that opens the window.
inline constexpr char WindowTitle[] = "計算記録";
inline constexpr char ExportTitle[] = "計算記録の書き出し";
// The printed calculation sheet: its group in the window, its document name.
inline constexpr char SheetTitle[] = "計算書";

// The columns of a record.
inline constexpr char Time[] = "日時";
inline constexpr char Page[] = "ページ";
inline constexpr char Calculation[] = "計算";
inline constexpr char Note[] = "メモ";
inline constexpr char Results[] = "結果";
// The work document a record was made in: the window's column and filter,
// and the exports' column; the filter's entries for every record and for the
// records made without a document.
inline constexpr auto &Document = ::document::texts::InDocument;
inline constexpr char AllDocuments[] = "すべて";
inline constexpr char NoDocument[] = "（文書なし）";

// The title block (the window's fields, the sheet's first page, the
// workbook's cover sheet), and the date it shows when none is typed.
inline constexpr char Cover[] = "表紙";
inline constexpr char Project[] = "件名";
inline constexpr char Designer[] = "設計者";
// The title block's notes (備考).
inline constexpr char Notes[] = "備考";
inline constexpr char Date[] = "日付";
inline constexpr char DateFormat[] = "yyyy年M月d日";

// The heads of a printed list of values (the calculation sheet, the loss
// sheet's conditions).
inline constexpr char Item[] = "項目";
inline constexpr char Value[] = "値";
inline constexpr char Unit[] = "単位";

// After the text of a field whose inputs changed since it was calculated.
inline constexpr char StaleMark[] = " ※未再計算";
// clang-format on

} // namespace app::record::texts
