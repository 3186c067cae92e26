#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The messages of reading and writing a work document, UTF-8. %1, %2 … stand
// for the parts Fill puts in.
namespace document::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
inline constexpr char Empty[] = "ファイルが空です。";
inline constexpr char TooLarge[] = "ファイルが大きすぎます（%1 MB）。作業文書として開けるのは %2 MB までです。";
inline constexpr char TooLargeToSave[] = "文書が大きすぎるため保存できません（%1 MB）。作業文書は %2 MB までです。";
inline constexpr char NotUtf8[] = "UTF-8 の文字として読めないバイトがあります。";
inline constexpr char Syntax[] = "JSON の書き方に誤りがあります。";
inline constexpr char Truncated[] = "ファイルが途中で終わっています。";
inline constexpr char NumberTooLarge[] = "大きすぎて読めない数値があります。";
inline constexpr char TooDeep[] = "入れ子が深すぎます（%1 段まで）。";
inline constexpr char TooManyValues[] = "値が多すぎます（%1 個まで）。";
inline constexpr char DuplicateMember[] = "メンバー「%1」が同じところに 2 回あります。";

inline constexpr char NotADocument[] = "Zefra の作業文書ではありません（\"format\": \"zefra-document\" がありません）。";
inline constexpr char BadVersion[] = "形式の版（\"version\"）が正しくありません。";
inline constexpr char NewerVersion[] = "このファイルは新しい Zefra の形式（版 %1）で保存されているため、開けません。この Zefra が開けるのは版 %2 までです。";

// %1 is where (one of the places below), %2 a member's name.
inline constexpr char Missing[] = "%1: メンバー「%2」がありません。";
inline constexpr char NotAnObject[] = "%1 はオブジェクトでなければなりません。";
inline constexpr char WrongType[] = "%1: 「%2」は%3でなければなりません。";
inline constexpr char OutOfRange[] = "%1: 「%2」の値 %3 は範囲（%4〜%5%6）の外です。";
inline constexpr char Unreadable[] = "%1: 「%2」の値 %3 は数値として読めません。";
inline constexpr char UnknownChoice[] = "%1: 「%2」の「%3」は、この Zefra の知らない値です。";
inline constexpr char OneOf[] = "%1: %2 のうち、どれか 1 つだけを書きます。";
inline constexpr char DuplicateId[] = "%1: 点の番号 %2 がほかの点にも使われています。";
inline constexpr char MissingPoint[] = "%1: 「%2」の点 %3 がありません。";
inline constexpr char LaterPoint[] = "%1: 「%2」の点 %3 は、この工程より後に作られる点です。";
inline constexpr char OutputTwice[] = "%1: 点 %2 は、ほかの工程も作る点です。";
inline constexpr char OutputNotProduced[] = "%1: この工程が作る点 %2 が、点の一覧にありません。";
inline constexpr char OutputWithDefinition[] = "%1: 工程が作る点なので、「%2」は書けません（値は工程が求めます）。";
inline constexpr char NoOutputForKind[] = "%1: この種類の工程は点を作らないため、「output」は書けません。";
inline constexpr char OutputOrder[] = "%1: 工程が作る点の並びが、工程の並びと合いません。";
// %2 the number of values, %3 the method's name, %4 its number of inputs.
inline constexpr char TooManyInputs[] = "%1: 値が %2 個ありますが、計算方法「%3」の入力は %4 個です。";
inline constexpr char KeptUnwritable[] = "%1: 「%2」の値を書き出せません。";

// The kinds of value, for WrongType's %3.
inline constexpr char Number[] = "数値";
inline constexpr char Integer[] = "整数";
inline constexpr char String[] = "文字列";
inline constexpr char Array[] = "配列";
inline constexpr char Object[] = "オブジェクト";
inline constexpr char RangePair[] = "2 つの数値（下限と上限）の配列";
inline constexpr char Boolean[] = "真偽値（true か false）";

// Places, for %1.
inline constexpr char InDocument[] = "文書";
inline constexpr char InTitle[] = "表題";
inline constexpr char InChart[] = "線図 %1";
inline constexpr char InPoint[] = "線図 %1 の点 %2";
inline constexpr char InProcess[] = "線図 %1 の工程 %2";
inline constexpr char InSystem[] = "系統 %1";
inline constexpr char InSection[] = "系統 %1 の区間 %2";
inline constexpr char InFitting[] = "系統 %1 の区間 %2 の継手 %3";

// The pattern with %1, %2 … replaced by the arguments in turn.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);
// clang-format on

} // namespace document::texts
