#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The messages of reading and writing a work document, UTF-8. %1, %2 … stand
// for the parts Fill puts in.
namespace document::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
static const char Empty[] = "ファイルが空です。";
static const char TooLarge[] = "ファイルが大きすぎます（%1 MB）。作業文書として開けるのは %2 MB までです。";
static const char TooLargeToSave[] = "文書が大きすぎるため保存できません（%1 MB）。作業文書は %2 MB までです。";
static const char NotUtf8[] = "UTF-8 の文字として読めないバイトがあります。";
static const char Syntax[] = "JSON の書き方に誤りがあります。";
static const char Truncated[] = "ファイルが途中で終わっています。";
static const char NumberTooLarge[] = "大きすぎて読めない数値があります。";
static const char TooDeep[] = "入れ子が深すぎます（%1 段まで）。";
static const char TooManyValues[] = "値が多すぎます（%1 個まで）。";
static const char DuplicateMember[] = "メンバー「%1」が同じところに 2 回あります。";

static const char NotADocument[] = "Zefra の作業文書ではありません（\"format\": \"zefra-document\" がありません）。";
static const char BadVersion[] = "形式の版（\"version\"）が正しくありません。";
static const char NewerVersion[] = "このファイルは新しい Zefra の形式（版 %1）で保存されているため、開けません。この Zefra が開けるのは版 %2 までです。";

// %1 is where (one of the places below), %2 a member's name.
static const char Missing[] = "%1: メンバー「%2」がありません。";
static const char NotAnObject[] = "%1 はオブジェクトでなければなりません。";
static const char WrongType[] = "%1: 「%2」は%3でなければなりません。";
static const char OutOfRange[] = "%1: 「%2」の値 %3 は範囲（%4〜%5%6）の外です。";
static const char Unreadable[] = "%1: 「%2」の値 %3 は数値として読めません。";
static const char UnknownChoice[] = "%1: 「%2」の「%3」は、この Zefra の知らない値です。";
static const char OneOf[] = "%1: %2 のうち、どれか 1 つだけを書きます。";
static const char DuplicateId[] = "%1: 点の番号 %2 がほかの点にも使われています。";
static const char MissingPoint[] = "%1: 「%2」の点 %3 がありません。";
static const char LaterPoint[] = "%1: 「%2」の点 %3 は、この工程より後に作られる点です。";
static const char OutputTwice[] = "%1: 点 %2 は、ほかの工程も作る点です。";
static const char OutputNotProduced[] = "%1: この工程が作る点 %2 が、点の一覧にありません。";
static const char OutputWithDefinition[] = "%1: 工程が作る点なので、「%2」は書けません（値は工程が求めます）。";
static const char NoOutputForKind[] = "%1: この種類の工程は点を作らないため、「output」は書けません。";
static const char OutputOrder[] = "%1: 工程が作る点の並びが、工程の並びと合いません。";
// %2 the number of values, %3 the method's name, %4 its number of inputs.
static const char TooManyInputs[] = "%1: 値が %2 個ありますが、計算方法「%3」の入力は %4 個です。";
static const char KeptUnwritable[] = "%1: 「%2」の値を書き出せません。";

// The kinds of value, for WrongType's %3.
static const char Number[] = "数値";
static const char Integer[] = "整数";
static const char String[] = "文字列";
static const char Array[] = "配列";
static const char Object[] = "オブジェクト";
static const char RangePair[] = "2 つの数値（下限と上限）の配列";
static const char Boolean[] = "真偽値（true か false）";

// Places, for %1.
static const char InDocument[] = "文書";
static const char InTitle[] = "表題";
static const char InChart[] = "線図 %1";
static const char InPoint[] = "線図 %1 の点 %2";
static const char InProcess[] = "線図 %1 の工程 %2";
static const char InSystem[] = "系統 %1";
static const char InSection[] = "系統 %1 の区間 %2";
static const char InFitting[] = "系統 %1 の区間 %2 の継手 %3";

// The pattern with %1, %2 … replaced by the arguments in turn.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);
// clang-format on

} // namespace document::texts
