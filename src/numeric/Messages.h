#pragma once

// Every fixed text the program shows or carries in a failure, UTF-8, in one
// place. A failure's own message is shown in the failure box ("Zefra") when no
// handler replaces it by a warning of its own.
namespace numeric::messages {

// Warning boxes of the pages.
inline constexpr char CheckValue[] =
    "数値を確認してください。"; // a field that only prepares a value
inline constexpr char CheckValues[] = "数値を確認して下さい。"; // a field that starts a calculation
inline constexpr char EnterNumber[] = "数値を入力して下さい。"; // moist-air page: no plain number
inline constexpr char EnterDigits[] = "数字を入力して下さい。"; // unit-conversion page
inline constexpr char OutOfRange[] = "数値が範囲外です！"; // moist air beyond the model's range

// Error boxes of the menu.
inline constexpr char CalculatorFailed[] = "電卓を起動できませんでした。";
inline constexpr char HelpFailed[] = "ヘルプを開けませんでした。";

// Failure texts: the settings file (after its path), a table index, an
// exception of no known kind.
inline constexpr char CannotWrite[] = " に書き込めません";
inline constexpr char RangeCheck[] = "範囲ﾁｪｯｸｴﾗｰ";
inline constexpr char UnknownFailure[] = "不明なエラー";

// Arithmetic faults of the floating-point model.
inline constexpr char InvalidOperation[] = "不正な浮動小数点数演算命令";
inline constexpr char DivisionByZero[] = "0 による浮動小数点数除算";
inline constexpr char Overflow[] = "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ";

// A field read as a plain number or a whole number: "'" + text + these.
inline constexpr char NotAFloat[] = "' は浮動小数点数ではありません";
inline constexpr char NotAnInteger[] = "' は整数ではありません";

// The evaluator's failures, each followed by a part of the expression.
namespace evaluator {
inline constexpr char NotANumber[] = "数値ではありません。";
inline constexpr char NotANumberAfterSign[] = "数値でない";
inline constexpr char UnknownFunction[] = "未定義の関数";
inline constexpr char UnclosedParenthesis[] = "括弧が閉じていません。";
inline constexpr char Infinite[] = "∞になります。";
inline constexpr char NegativeBaseFractionalPower[] = "-値の非整数乗は計算できません。";
inline constexpr char DivisionByZero[] = "\"0\" による除算です。";
inline constexpr char TableFull[] = "変数を確保できません。";
inline constexpr char UndefinedVariable[] = "\"は未定義の変数です。"; // after a quote and the name
inline constexpr char UnopenedParenthesis[] = "\")\"括弧を確認してください。";
inline constexpr char NotAssignable[] = "変数以外は代入できません。";
inline constexpr char NotAnOperator[] = "演算子ではありません。";
inline constexpr char TooDeep[] = "式が複雑すぎます。";
} // namespace evaluator

} // namespace numeric::messages
