#include "eval/Evaluator.h"
#include "eval/VariableTable.h"
#include "numeric/Real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

namespace {

struct ValueCase
{
    std::string text;
    long double value;
    long double relativeTolerance; // 0: exact
};

void expectValues(std::span<const ValueCase> cases)
{
    eval::VariableTable variables;
    for (const ValueCase &c : cases) {
        SCOPED_TRACE("text: " + c.text);
        const long double v = eval::Evaluate(c.text, variables);
        if (c.relativeTolerance == 0.0L)
            EXPECT_EQ(v, c.value);
        else
            EXPECT_NEAR(v, c.value, std::fabs(c.value) * c.relativeTolerance);
    }
}

// Powers go through exp(e·ln|b|), a few units in the last place off.
constexpr long double Pow = 1e-17L;
// Library sine, cosine and arctangent: within an ulp or two.
constexpr long double Trig = 1e-18L;

TEST(Evaluator, OperatorsAndPrecedence)
{
    // Expected values by hand, and the evaluator's documented examples.
    const ValueCase cases[] = {
        {"1+2*3", 7, 0},
        {"(1+2)*3", 9, 0},
        {" ( 1 + 2 ) * 3 ", 9, 0},
        {"\t1 +\n2", 3, 0}, // blanks of any code 1-32 before a token are skipped
        {"2 * -3", -6, 0},
        {"2*-3", -6, 0},
        {"2--3", 5, 0},
        {"+4", 4, 0},
        {"10-2-3", 5, 0}, // left to right
        {"64/4/2", 8, 0}, // left to right
        {"1/3", 1.0L / 3.0L, 0},
        {"7%3", 1, 0},
        {"-7%3", -1, 0}, // sign of the dividend
        {"7%-3", 1, 0},
        {"7.9%2.5", 1, 0},      // 7 mod 2
        {"$80000000%-1", 0, 0}, // INT32_MIN % -1: remainder 0, no overflow
        {"2^3^2", 64, Pow},     // (2^3)^2
        {"-2^2", -4, Pow},
        {"2^(-1)", 0.5L, Pow},
        {"2^0.5", 1.41421356237309504880L, Pow},
        {"0^0", 0, 0},
        {"0^(-1)", 0, 0},
        {"5^0", 1, 0},
        {"(-2)^3", -8, Pow},
        {"(-2)^2", 4, Pow},
    };
    expectValues(cases);
}

TEST(Evaluator, NumberWords)
{
    const ValueCase cases[] = {
        {"5.", 5, 0},
        {".5", 0.5L, 0},
        {".", 0, 0},
        {"2E", 2, 0},        // exponent marker without digits: exponent 0
        {"1.5E+3", 1500, 0}, // signed exponent read in a second step
        {"2E-3", 0.002L, 0},
        {"2e-3", 0.002L, 0},
        {"2E+", 2, 0},        // extended word "2E+" still reads
        {"1.5E +3", 4.5L, 0}, // the blank ends the number: 1.5 + 3
        {"1E-5000", 0, 0},    // below the range reads as zero
        {"$FF", 255, 0},
        {"$ff", 255, 0},
        {"$0000000000FF", 255, 0}, // leading zeros allowed
        {"$7FFFFFFF", 2147483647, 0},
        {"$FFFFFFFF", -1, 0}, // 32-bit pattern read as signed
        {"$80000000", -2147483648.0L, 0},
    };
    expectValues(cases);
}

TEST(Evaluator, FunctionsAndPi)
{
    const ValueCase cases[] = {
        {"SQR(16)", 4, 0}, // square root, not square
        {"LOG(100)", 2, 0},
        {"INT(-2.5)", -2, 0},
        {"FRAC(-2.5)", -0.5L, 0},
        {"ABS(-7.25)", 7.25L, 0},
        {"EXP(0)", 1, 0},
        {"LN(1)", 0, 0},
        {"sin(0)", 0, 0},
        {"Cos(0)", 1, 0},
        {"SIN(PI/6)", 0.5L, Trig},
        {"TAN(PI/4)", 1, Trig},
        {"ATAN(1)*4", numeric::Pi, Trig},
        {"SIN(9223372036854775808)", 0, 0}, // 2^63 and beyond give 0
        {"COS(-9223372036854775808)", 0, 0},
        {"SIN ( 0 )", 0, 0},
        {"pi", numeric::Pi, 0},
        {"ABS(ABS(-1)-3)", 2, 0},
    };
    expectValues(cases);
}

TEST(Evaluator, AssignmentsAndVariables)
{
    // One table for the rows below, in order: each row sees the earlier ones.
    const ValueCase cases[] = {
        {"x=3", 3, 0},
        {"X*2", 6, 0},
        {"x", 3, 0},
        {"2*X=3+1", 8, 0}, // the right side is the full expression 3+1
        {"X", 4, 0},
        {"ABS(X=-3)", 3, 0},
        {"X", -3, 0},
        {"SIN=2", 2, 0}, // a function name without "(" is a variable
        {"SIN*SIN(0)", 0, 0},
        {"A = B = 5", 5, 0},
        {"A+B", 10, 0},
        {"風量=1200", 1200, 0}, // a Japanese name
        {"風量/60", 20, 0},
        {"_v1,2=7", 7, 0}, // "_" and "," belong to a name
        {"_V1,2", 7, 0},
        {"ä=1", 1, 0}, // only ASCII letters are upper-cased: "Ä" is another name
        {"Ä=2", 2, 0},
        {"ä*10+Ä", 12, 0},
    };
    expectValues(cases);
}

TEST(Evaluator, NulByteEndsAWordAndIsSkippedAsABlank)
{
    eval::VariableTable variables;
    EXPECT_EQ(eval::Evaluate(std::string("1\0", 2), variables), 1);
    EXPECT_EQ(eval::Evaluate(std::string("2\0*\0003", 5), variables), 6);
}

TEST(Evaluator, PlainTextUsesTheSharedTable)
{
    EXPECT_EQ(eval::Evaluate("SharedInTest=3"), 3);
    EXPECT_EQ(eval::Evaluate("sharedintest*2"), 6);
    EXPECT_EQ(eval::SharedVariables().find("SHAREDINTEST"), 3.0L);
}

} // namespace
