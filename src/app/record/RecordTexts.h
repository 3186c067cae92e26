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
static const char WindowTitle[] = "計算記録";
static const char ExportTitle[] = "計算記録の書き出し";
// The printed calculation sheet: its group in the window, its document name.
static const char SheetTitle[] = "計算書";

// The columns of a record.
static const char Time[] = "日時";
static const char Page[] = "ページ";
static const char Calculation[] = "計算";
static const char Note[] = "メモ";
static const char Results[] = "結果";
// The work document a record was made in: the window's column and filter,
// and the exports' column; the filter's entries for every record and for the
// records made without a document.
static constexpr auto &Document = ::document::texts::InDocument;
static const char AllDocuments[] = "すべて";
static const char NoDocument[] = "（文書なし）";

// The title block (the window's fields, the sheet's first page, the
// workbook's cover sheet), and the date it shows when none is typed.
static const char Cover[] = "表紙";
static const char Project[] = "件名";
static const char Designer[] = "設計者";
// The title block's notes (備考).
static const char Notes[] = "備考";
static const char Date[] = "日付";
static const char DateFormat[] = "yyyy年M月d日";

// The heads of a printed list of values (the calculation sheet, the loss
// sheet's conditions).
static const char Item[] = "項目";
static const char Value[] = "値";
static const char Unit[] = "単位";

// After the text of a field whose inputs changed since it was calculated.
static const char StaleMark[] = " ※未再計算";
// clang-format on

} // namespace app::record::texts
