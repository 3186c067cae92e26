#include "numeric/Real.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using numeric::Real;
using Kind = numeric::FloatingPointFault::Kind;

TEST(Real, FaultsStopTheCalculationWithTheirKind)
{
    const long double huge = std::numeric_limits<long double>::max();
    const struct
    {
        const char *what;
        std::function<Real()> op;
        Kind kind;
        const char *message;
    } cases[] = {
        {"1/0", [] { return Real(1) / Real(0); }, Kind::DivisionByZero, "0 による浮動小数点数除算"},
        {"0/0", [] { return Real(0) / Real(0); }, Kind::InvalidOperation,
         "不正な浮動小数点数演算命令"},
        {"ln 0", [] { return numeric::Ln(0); }, Kind::DivisionByZero, "0 による浮動小数点数除算"},
        {"ln -1", [] { return numeric::Ln(-1); }, Kind::InvalidOperation,
         "不正な浮動小数点数演算命令"},
        {"sqrt -1", [] { return numeric::Sqrt(-1); }, Kind::InvalidOperation,
         "不正な浮動小数点数演算命令"},
        {"exp 100000", [] { return numeric::Exp(100000); }, Kind::Overflow,
         "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"},
        {"max*2", [huge] { return Real(huge) * 2; }, Kind::Overflow, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"},
        {"max+max", [huge] { return Real(huge) + Real(huge); }, Kind::Overflow,
         "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"},
        {"max/0.5", [huge] { return Real(huge) / 0.5L; }, Kind::Overflow, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"},
        {"from inf", [] { return Real(std::numeric_limits<long double>::infinity()); },
         Kind::Overflow, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"},
        {"from nan", [] { return Real(std::numeric_limits<long double>::quiet_NaN()); },
         Kind::InvalidOperation, "不正な浮動小数点数演算命令"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.op();
            ADD_FAILURE() << "no fault";
        } catch (const numeric::FloatingPointFault &e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(Real, TruncationToInt32)
{
    EXPECT_EQ(numeric::TruncToInt32(7.9L), 7);
    EXPECT_EQ(numeric::TruncToInt32(-2.5L), -2);
    EXPECT_EQ(numeric::TruncToInt32(2147483647.9L), 2147483647);
    EXPECT_THROW(numeric::TruncToInt32(2147483648.0L), numeric::FloatingPointFault);
    EXPECT_THROW(numeric::TruncToInt32(-2147483649.0L), numeric::FloatingPointFault);
}

TEST(Real, UnderflowAndInexactResultsPass)
{
    EXPECT_EQ(numeric::Exp(-100000).value(), 0.0L);
    const Real tiny = std::numeric_limits<long double>::denorm_min();
    EXPECT_EQ((tiny / 4).value(), 0.0L);
    EXPECT_NEAR((Real(1) / 3).value(), 1.0L / 3.0L, 1e-19L);
}

} // namespace
