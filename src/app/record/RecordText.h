#pragma once

#include "app/record/RecordTables.h"
#include "app/ui/CalculationRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The records as rows of cells for a spreadsheet, and those rows as
// tab-separated text (the clipboard) or CSV (a file).
//
// A kind's table (RecordTables.h) is a header row and one row per record,
// oldest first: 日時, ページ, 計算, メモ, a column per field, 警告. Records of
// several kinds come as their tables one after another, in the order each
// kind first appears, an empty row before each next header. Pasted or opened
// in a spreadsheet, every table lines up as columns under its header and
// sorts and filters as one.
//
// Texts go out exactly as shown, except a number the record keeps behind a
// page's text (a humidity ratio), which goes out at the decimals of its unit
// (UnitPrecision.h). A stale field (one whose inputs changed after
// it was calculated) keeps its text with the mark texts::StaleMark after it, so it
// is never taken for a current value and never read as a number.
namespace app::record {

using TextTable = QList<QStringList>; // an empty row separates the tables

TextTable RecordRows(const QList<const ui::CalculationRecord *> &records);
TextTable TableRows(const QList<KindTable> &tables);

// A kind's header row, and the row of one of its records: 日時, ページ, 計算,
// メモ, the fields and 警告; with a column 文書 after 日時 when a record of the
// kind names its work document (KindTable::documented), so that the records
// of a user who never opens a document go out as they always did.
QStringList KindHeader(const KindTable &table);
QStringList KindRow(const KindTable &table, qsizetype record);

// One page's fields now: a header row and a row of texts.
TextTable FieldRows(const QList<ui::FieldValue> &fields);

// The caption with its unit in brackets ("caption [unit]"), or the caption
// alone when there is no unit.
QString HeaderCell(const QString &caption, const QString &unit);
// The field's text (RecordedText in UnitPrecision.h), marked when stale.
QString ShownText(const ui::FieldValue &field);
// `text`, standing for the field, marked when the field is stale.
QString MarkedWhenStale(const ui::FieldValue &field, const QString &text);
QString TimeText(const QDateTime &time);

// Tab-separated, rows ending in "\n". A cell with a tab, a line break or a
// quote is quoted as in CSV; a cell a spreadsheet would take for a formula
// gets an apostrophe before it (FormulaSafe).
QString ToTsv(const TextTable &table);

// CSV for a file (RFC 4180): UTF-8 with a byte-order mark, rows ending in
// CRLF, a cell with a comma, quote or line break in quotes with its quotes
// doubled; formula-looking cells as in ToTsv.
QByteArray ToCsv(const TextTable &table);

// A cell that starts with "=", "+", "-", "@" (or their full-width forms
// "＝", "＋", "－", "＠"), also after blanks or control characters, or with a
// tab, carriage return or line feed, is read by spreadsheets as a formula
// (OWASP, "CSV Injection"); it gets an apostrophe in front. NUL characters
// are dropped. A plain number such as "-5" or "+1.5E-3" stays as it is.
QString FormulaSafe(const QString &cell);

// Ctrl+Shift+C on a page: its fields as TSV.
QString FieldsToTsv(const QList<ui::FieldValue> &fields);

} // namespace app::record
