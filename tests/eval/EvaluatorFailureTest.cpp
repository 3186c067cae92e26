#include "eval/EEValError.h"
#include "eval/Evaluator.h"
#include "eval/VariableTable.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = numeric::FloatingPointFault::Kind;

std::string repeat(const std::string &piece, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

// The message of the EEValError that evaluating `text` raises, or a note
// saying what happened instead.
std::string evalErrorOf(const std::string &text)
{
    eval::VariableTable variables;
    try {
        const long double v = eval::Evaluate(text, variables);
        return "no failure, value " + std::to_string(static_cast<double>(v));
    } catch (const eval::EEValError &e) {
        return e.what();
    } catch (const numeric::Failure &e) {
        return std::string("other failure: ") + e.what();
    }
}

struct FailureCase
{
    std::string text;
    std::string message; // fixed text and context
};

// One or more rows for each message; the context is quoted from the place
// the evaluator documents for that message. Where the documentation gives an
// example, the row uses it.
const FailureCase failureCases[] = {
    // Missing operand: context at the stop found instead.
    {"", "数値ではありません。"},
    {"   ", "数値ではありません。"},
    {"1+*2", "数値ではありません。*2"},
    {"--2", "数値ではありません。-2"},
    {"2^-1", "数値ではありません。-1"}, // the exponent carries no sign
    {"SIN()", "数値ではありません。)"},
    {"X==3", "数値ではありません。=3"},
    // A word that does not convert: context after the word.
    {"1.2.3+1", "数値ではありません。+1"},
    {"2X*3", "数値ではありません。*3"},
    {"1,5", "数値ではありません。"},
    {"3! ", "数値ではありません。 "},
    {"\t1\t+2", "数値ではありません。+2"},  // only the space ends a word, not a tab
    {"ATAN(1,2)", "数値ではありません。)"}, // one argument only
    {"1E5000-1", "数値ではありません。-1"}, // beyond the extended range
    {"$", "数値ではありません。"},
    {"$G1+2", "数値ではありません。+2"},
    {"$100000000", "数値ではありません。"}, // needs 33 bits
    {"$FF.5)", "数値ではありません。)"},
    // A word extended over its exponent sign that does not convert.
    {"1E+X", "数値でない"},
    {"2e-3Y+1", "数値でない+1"},
    // Unknown function: context after the "(".
    {"FOO(1)", "未定義の関数1)"},
    {"PI(1)", "未定義の関数1)"}, // PI is no function
    {"FOO(", "未定義の関数"},
    // Unclosed parenthesis: context at the character found instead of ")".
    {"(1+2", "括弧が閉じていません。"},
    {"(1+2 3)", "括弧が閉じていません。3)"},
    {"SIN(1 2)", "括弧が閉じていません。2)"},
    // TAN where |cos| < 1e-9: context after the argument.
    {"TAN(PI/2)", "∞になります。)"},
    {"TAN(-PI/2 ) + 1", "∞になります。) + 1"},
    {"TAN(9223372036854775808)", "∞になります。)"}, // COS gives 0 from 2^63 on
    // Negative base, fractional exponent: context after the exponent.
    {"(-8)^(1/3)", "-値の非整数乗は計算できません。"},
    {"(-2)^0.5*2", "-値の非整数乗は計算できません。*2"},
    // Division by zero: context after the divisor.
    {"1/0", "\"0\" による除算です。"},
    {"1/(1-1)+2", "\"0\" による除算です。+2"},
    {"5%0.5", "\"0\" による除算です。"}, // the divisor's whole part is 0
    {"5%-0.9)", "\"0\" による除算です。)"},
    // Undefined variable: context after the name and its blanks.
    {"Y", "\"Y\"は未定義の変数です。"},
    {"abc  + 1", "\"ABC\"は未定義の変数です。+ 1"},
    {"sin", "\"SIN\"は未定義の変数です。"},
    {"ä", "\"ä\"は未定義の変数です。"},
    // End check: context after the leftover character.
    {"1+2)", "\")\"括弧を確認してください。"},
    {"(1))*2", "\")\"括弧を確認してください。*2"},
    {"PI=3", "変数以外は代入できません。3"},
    {"pi = 3", "変数以外は代入できません。 3"},
    {"1=2", "変数以外は代入できません。2"},
    {"2 3", "演算子ではありません。"},
    {"1 2 3", "演算子ではありません。 3"},
    {"(1)(2)", "演算子ではありません。2)"},
    {"1 風量", "演算子ではありません。量"}, // a leftover character is skipped whole
    {"1 \xFF"
     "2",
     "演算子ではありません。2"}, // a stray byte that is no UTF-8 counts as a character
};

TEST(EvaluatorFailure, MessageAndContext)
{
    for (const FailureCase &c : failureCases) {
        SCOPED_TRACE("text: " + c.text);
        EXPECT_EQ(evalErrorOf(c.text), c.message);
    }
}

TEST(EvaluatorFailure, ContextIsAtMost255BytesOfWholeCharacters)
{
    const std::string ascii = repeat("a", 300);
    EXPECT_EQ(evalErrorOf("1 2" + ascii), "演算子ではありません。" + repeat("a", 255));

    // "x" and 84 three-byte characters make 253 bytes; one more would need 256.
    const std::string kana = repeat("あ", 100);
    EXPECT_EQ(evalErrorOf("1 2x" + kana), "演算子ではありません。x" + repeat("あ", 84));
}

TEST(EvaluatorFailure, NulByteInTheText)
{
    // A NUL ends a word like the end of the text, is skipped like a blank,
    // and ends the quoted context.
    EXPECT_EQ(evalErrorOf(std::string("2\0003", 3)), "演算子ではありません。");
    EXPECT_EQ(evalErrorOf(std::string("AB\0CD", 5)), "\"AB\"は未定義の変数です。CD");
    EXPECT_EQ(evalErrorOf(std::string("1 2x\0yz", 7)), "演算子ではありません。x");
    EXPECT_EQ(evalErrorOf(std::string(3, '\0')), "数値ではありません。");
}

TEST(EvaluatorFailure, NestingDeeperThan256LevelsFails)
{
    const struct
    {
        const char *what;
        std::string open;
        std::string close;
        int levelsPerPiece;
    } nestings[] = {
        {"parentheses", "(", ")", 1},
        {"function calls", "ABS(", ")", 1},
        {"assignments", "A=", "", 1},
        {"mixed", "(ABS(B=", "))", 3},
    };
    for (const auto &n : nestings) {
        SCOPED_TRACE(n.what);
        const int fits = 256 / n.levelsPerPiece;
        EXPECT_EQ(evalErrorOf(repeat(n.open, fits) + "1" + repeat(n.close, fits)),
                  "no failure, value 1.000000");
        const int tooMany = fits + 1;
        const std::string text = repeat(n.open, tooMany) + "1" + repeat(n.close, tooMany);
        EXPECT_EQ(evalErrorOf(text).rfind("式が複雑すぎます。", 0), 0u);
    }
    // The context starts where the expression one level too deep would start.
    EXPECT_EQ(evalErrorOf(repeat("(", 258)), "式が複雑すぎます。(");
    EXPECT_EQ(evalErrorOf(repeat("(", 100000)), "式が複雑すぎます。" + repeat("(", 255));
}

TEST(EvaluatorFailure, ArithmeticFaultsKeepTheirKind)
{
    // The three fault kinds of a trapping FPU: log and division of zero,
    // invalid operands and out-of-range truncations, results beyond the range.
    const struct
    {
        std::string text;
        Kind kind;
    } cases[] = {
        {"LN(0)", Kind::DivisionByZero},
        {"LOG(0)", Kind::DivisionByZero},
        {"LN(-1)", Kind::InvalidOperation},
        {"LOG(-1)", Kind::InvalidOperation},
        {"SQR(-1)", Kind::InvalidOperation},
        {"2147483648%3", Kind::InvalidOperation}, // dividend beyond 32 bits
        {"7%-2147483649", Kind::InvalidOperation},
        {"(-2)^3000000000", Kind::InvalidOperation}, // whole-number test truncates
        {"EXP(100000)", Kind::Overflow},
        {"10^5000", Kind::Overflow},
        {"1E4000*1E4000", Kind::Overflow},
        {"1E4932+1E4932", Kind::Overflow},
        {"2^1E4000", Kind::Overflow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("text: " + c.text);
        eval::VariableTable variables;
        try {
            eval::Evaluate(c.text, variables);
            ADD_FAILURE() << "no fault";
        } catch (const numeric::FloatingPointFault &e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_STREQ(e.what(), numeric::FloatingPointFault::messageFor(c.kind));
        }
    }
}

} // namespace
