#pragma once

// The evaluator's failures (EEValError), UTF-8, each followed by a part of
// the expression.
namespace eval::messages {

// One text a line, however long: a search for a text finds its name.
// clang-format off
static const char NotANumber[] = "数値ではありません。";
static const char NotANumberAfterSign[] = "数値でない";
static const char UnknownFunction[] = "未定義の関数";
static const char UnclosedParenthesis[] = "括弧が閉じていません。";
static const char Infinite[] = "∞になります。";
static const char NegativeBaseFractionalPower[] = "-値の非整数乗は計算できません。";
static const char DivisionByZero[] = "\"0\" による除算です。";
static const char TableFull[] = "変数を確保できません。";
static const char UndefinedVariable[] = "\"は未定義の変数です。"; // after a quote and the name
static const char UnopenedParenthesis[] = "\")\"括弧を確認してください。";
static const char NotAssignable[] = "変数以外は代入できません。";
static const char NotAnOperator[] = "演算子ではありません。";
static const char TooDeep[] = "式が複雑すぎます。";
// clang-format on

} // namespace eval::messages
