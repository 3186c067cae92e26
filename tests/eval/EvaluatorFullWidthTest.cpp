// Texts typed with an input method in full-width mode read exactly as their
// ASCII forms; failure messages quote them as typed.
#include "eval/EEValError.h"
#include "eval/Evaluator.h"
#include "eval/VariableTable.h"
#include "numeric/Real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string repeat(const std::string &piece, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

TEST(EvaluatorFullWidth, ValuesAsTheirAsciiForms)
{
    const struct
    {
        const char *text;
        const char *ascii; // evaluated alongside: both must give the same value
        long double value; // by hand
    } cases[] = {
        // The examples.
        {"１２００＊２", "1200*2", 2400},
        {"３．５", "3.5", 3.5L},
        {"－５", "-5", -5},
        {"１Ｅ＋３", "1E+3", 1000},
        {"ＳＱＲ（１６）", "SQR(16)", 4},
        {"１２　＋　３", "12 + 3", 15},
        {"２×３", "2*3", 6},
        {"６÷４", "6/4", 1.5L},
        {"−５", "-5", -5},
        // Every operator and bracket, functions, constants, hex.
        {"（１＋２）×３", "(1+2)*3", 9},
        {"７％３", "7%3", 1},
        {"２＾１０", "2^10", 1024},
        {"１０－２－３", "10-2-3", 5},
        {"６４／４／２", "64/4/2", 8},
        {"ｓｉｎ（０）＋Ｃｏｓ（０）", "sin(0)+Cos(0)", 1},
        {"ＡＢＳ（－７．２５）", "ABS(-7.25)", 7.25L},
        {"ＬＯＧ（１００）", "LOG(100)", 2},
        {"ＰＩ", "PI", numeric::Pi},
        {"ｐｉ", "pi", numeric::Pi},
        {"＄ＦＦ", "$FF", 255},
        {"＄ｆｆ", "$ff", 255},
        {"１．５Ｅ＋３", "1.5E+3", 1500}, // the exponent's sign read in a second step
        {"２ｅ－３", "2e-3", 0.002L},
        {"．５", ".5", 0.5L},
        // Mixed with ASCII.
        {"1２+３*4", "12+3*4", 24},
        {"(1＋2)×3", "(1+2)*3", 9},
        {"SQR（16)", "SQR(16)", 4},
        {"　 １ ＋\t２　", " 1 +\t2 ", 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        eval::VariableTable variables;
        const long double value = eval::Evaluate(c.text, variables);
        EXPECT_EQ(value, eval::Evaluate(c.ascii, variables));
        EXPECT_NEAR(value, c.value, std::fabs(c.value) * 1e-17L);
    }
}

TEST(EvaluatorFullWidth, VariablesIgnoreWidthAndCase)
{
    // One table for the rows below, in order: each row sees the earlier ones.
    const struct
    {
        const char *text;
        long double value;
    } cases[] = {
        {"Ｘ＝３６００／６０", 60}, // the example
        {"ｘ＊２", 120},
        {"X", 60},
        {"ＸＹ＝３", 3},
        {"XY", 3},
        {"xy", 3},
        {"ｘＹ", 3},
        {"XY=4", 4},
        {"ＸＹ", 4},
        {"風量＝１２００", 1200}, // a Japanese name keeps working
        {"風量／６０", 20},
        {"風量Ａ＝２", 2}, // full-width letters within a Japanese name
        {"風量a", 2},
        {"ｱ＝5", 5}, // half-width katakana is a name of its own
        {"ｱ", 5},
    };
    eval::VariableTable variables;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(eval::Evaluate(c.text, variables), c.value);
    }
    EXPECT_EQ(variables.size(), 5u); // X, XY, 風量, 風量A, ｱ
}

std::string evalErrorOf(const std::string &text)
{
    eval::VariableTable variables;
    try {
        const long double v = eval::Evaluate(text, variables);
        return "no failure, value " + std::to_string(static_cast<double>(v));
    } catch (const eval::EEValError &e) {
        return e.what();
    }
}

TEST(EvaluatorFullWidth, FailuresQuoteTheTextAsTyped)
{
    // Each row is an ASCII row of EvaluatorFailure.MessageAndContext typed in
    // full width: the same message, the context cut from the typed text.
    const struct
    {
        std::string text;
        std::string message;
    } cases[] = {
        {"１＋＊２", "数値ではありません。＊２"},
        {"－－２", "数値ではありません。－２"},
        {"−−２", "数値ではありません。−２"},
        {"２＾－１", "数値ではありません。－１"},
        {"１，５", "数値ではありません。"},
        {"２Ｘ×３", "数値ではありません。×３"},
        {"１．２．３＋１", "数値ではありません。＋１"},
        {"＄Ｇ１＋２", "数値ではありません。＋２"},
        {"１Ｅ＋Ｘ", "数値でない"},
        {"２ｅ－３Ｙ＋１", "数値でない＋１"},
        {"ＦＯＯ（１）", "未定義の関数１）"},
        {"ＳＩＮ（１　２）", "括弧が閉じていません。２）"},
        {"１÷（１－１）＋２", "\"0\" による除算です。＋２"},
        {"（－８）＾（１／３）", "-値の非整数乗は計算できません。"},
        {"ＴＡＮ（ＰＩ／２）", "∞になります。）"},
        {"（１））＊２", "\")\"括弧を確認してください。＊２"},
        {"ＰＩ＝３", "変数以外は代入できません。３"},
        {"ｐｉ　＝　３", "変数以外は代入できません。　３"},
        {"１　２　３", "演算子ではありません。　３"},
        {"1 2＋ｘ", "演算子ではありません。＋ｘ"},
        // The undefined-variable message names the variable as the table
        // knows it: upper case, ASCII letters (ＸＹ and XY are one variable).
        {"ｘｙ", "\"XY\"は未定義の変数です。"},
        {"ａｂｃ　＋１", "\"ABC\"は未定義の変数です。＋１"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(evalErrorOf(c.text), c.message);
    }
}

TEST(EvaluatorFullWidth, WhatStillFails)
{
    const struct
    {
        std::string text;
        std::string message;
    } cases[] = {
        // The katakana long mark (U+30FC) looks like a minus but belongs to
        // names such as "メーター".
        {"１２ー３", "数値ではありません。"},
        {"ー５", "\"ー5\"は未定義の変数です。"},
        // The full-width space is a blank and ends a word, as " " does.
        {"１　２", "演算子ではありません。"},
        {"ＳＩＮ　（０）", "no failure, value 0.000000"},
        // Characters outside the listed forms keep their meaning as name characters.
        {"１￥２", "数値ではありません。"},
        {"2\xE0\x83\x97"
         "3",
         "数値ではありません。"},                            // an overlong "×" is no sign
        {"1＋\xEF\xBC", "\"\xEF\xBC\"は未定義の変数です。"}, // a cut-off character
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(evalErrorOf(c.text), c.message);
    }
}

TEST(EvaluatorFullWidth, ContextIsAtMost255BytesOfTheTypedText)
{
    // 85 full-width letters are 255 bytes; their ASCII forms would be 100 bytes.
    const std::string wide = repeat("ａ", 100);
    EXPECT_EQ(evalErrorOf("1 2" + wide), "演算子ではありません。" + repeat("ａ", 85));
    // "x" and 84 three-byte characters make 253 bytes; one more would need 256.
    EXPECT_EQ(evalErrorOf("１　２ｘ" + wide), "演算子ではありません。ｘ" + repeat("ａ", 84));
    EXPECT_EQ(evalErrorOf("1 2x" + wide), "演算子ではありません。x" + repeat("ａ", 84));
}

TEST(EvaluatorFullWidth, DeepNestingCountsFullWidthBrackets)
{
    const std::string fits = repeat("（", 256) + "１" + repeat("）", 256);
    EXPECT_EQ(evalErrorOf(fits), "no failure, value 1.000000");
    EXPECT_EQ(evalErrorOf(repeat("（", 258)), "式が複雑すぎます。（");
}

} // namespace
