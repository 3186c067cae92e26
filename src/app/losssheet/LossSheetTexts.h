#pragma once

// The loss sheet window's texts that more than one of its parts shows, or
// that others show too, UTF-8.
namespace app::losssheet::texts {

// The window's title, the tools menu's item that opens it, and the heading
// of the records it writes.
inline constexpr char WindowTitle[] = "系統圧損計算";
// The fitting list's heading, and its group in the window.
inline constexpr char FittingsAndEquipment[] = "局部抵抗・機器";
// A value the tree gives the fitting rather than the user.
inline constexpr char FromSystem[] = "（系統から）";
// Printing or saving as PDF with no system to print.
inline constexpr char NothingToPrint[] = "印刷する系統がありません。";

} // namespace app::losssheet::texts
