#pragma once

// The loss sheet window's texts that more than one of its parts shows, or
// that others show too, UTF-8.
namespace app::losssheet::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The window's title, the tools menu's item that opens it, and the heading
// of the records it writes.
static const char WindowTitle[] = "系統圧損計算";
// The fitting list's heading, and its group in the window.
static const char FittingsAndEquipment[] = "局部抵抗・機器";
// A value the tree gives the fitting rather than the user.
static const char FromSystem[] = "（系統から）";
// Printing or saving as PDF with no system to print.
static const char NothingToPrint[] = "印刷する系統がありません。";
// Exporting with no system to export.
static const char NothingToExport[] = "書き出す系統がありません。";
// What the system list is headed, and the title block's line of the system.
static const char System[] = "系統";
// The sections along which the loss is greatest: the summary's line, the
// workbook's column.
static const char CriticalPath[] = "最遠経路";
// A fitting or a section whose result is doubtful.
static const char Attention[] = "注意";
// The headings of a printed sheet's parts below the section table.
static const char FittingsBreakdown[] = "局部抵抗・機器の内訳";
static const char FanStaticPressure[] = "送風機の必要静圧";
static const char PumpHead[] = "ポンプの全揚程";
static const char TerminalSurplus[] = "末端の余剰圧（ダンパ・弁で調整する圧力）";
// clang-format on

} // namespace app::losssheet::texts
