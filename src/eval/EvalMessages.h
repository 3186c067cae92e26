#pragma once

// The evaluator's failures (EEValError), UTF-8, each followed by a part of
// the expression.
namespace eval::messages {

// One text a line, however long: a search for a text finds its name.
// clang-format off
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
// clang-format on

} // namespace eval::messages
