#pragma once

// The window's own texts, UTF-8: those of its menu that are not the name of
// a feature window (each feature window's title is in its texts header, and
// the menu item that opens it reads the same), and its messages.
namespace app::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The About box, and the help menu's item that shows it.
static const char AboutTitle[] = "ﾊﾞｰｼﾞｮﾝ情報";

// 電卓 found no calculator to start.
static const char CalculatorFailed[] = "電卓を起動できませんでした。";
// clang-format on

} // namespace app::texts
