#pragma once

// The texts of the failures that numeric's own code raises, and the one
// warning the pages share with a failure of the core (a pipe sizing that no
// size fits): UTF-8. A failure's own message is shown in the failure box
// ("Zefra") when no handler replaces it by a warning of its own. Every
// other text lives beside the feature that shows it (docs/ARCHITECTURE.md,
// "Texts, fonts and geometry").
namespace numeric::messages {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The warning of a field that starts a calculation (the pages), and the
// failure of a sizing that finds no size (pipes::NoSizeFits).
static const char CheckValues[] = "数値を確認して下さい。";

// A table index out of its table (numeric::RangeError).
static const char RangeCheck[] = "範囲ﾁｪｯｸｴﾗｰ";

// Arithmetic faults of the floating-point model.
static const char InvalidOperation[] = "不正な浮動小数点数演算命令";
static const char DivisionByZero[] = "0 による浮動小数点数除算";
static const char Overflow[] = "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ";

// A field read as a plain number or a whole number: "'" + text + these.
static const char NotAFloat[] = "' は浮動小数点数ではありません";
static const char NotAnInteger[] = "' は整数ではありません";
// clang-format on

} // namespace numeric::messages
