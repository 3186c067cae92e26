// Expression evaluator of the entry fields, by recursive descent.
//
//   expression = term { ( "+" | "-" ) term } ;
//   term       = signed { ( "*" | "/" | "%" ) signed } ;
//   signed     = [ "+" | "-" ] power ;
//   power      = primary { "^" primary } ;
//   primary    = "(" expression ")" | operand ;
//   operand    = number | "$" hexdigits | name "(" expression ")" | "PI"
//              | name "=" expression | name ;
//
// Blanks (codes 1 to 32) may stand around every token. Each level applies
// its operators from left to right, so 2^3^2 is (2^3)^2 = 64; the exponent
// is a primary and carries no sign of its own; a sign applies after the
// power, so -2^2 is -4. An operand is a word read up to one of the stops
// ( ) * + - / = ^ % space or the end; its first character tells a decimal
// number (digit or "."), a hexadecimal integer ("$") or a name (anything
// else).
//
// A NUL byte inside the text is skipped like a blank, ends a word like the
// end of the text, and ends a quoted context, so that it never cuts a
// message short where it is shown.
//
// The grammar reads the text narrowed to ASCII (numeric::NarrowedText): the
// full-width forms an input method types, "×", "÷" and "−" read as the
// characters they stand for, so "ＳＱＲ（１６）" is SQR(16) and ＸＹ is the
// variable XY.
//
// Every failure message quotes up to 255 bytes of the text as typed, from
// the place where the failure was found; the comment at each failure says
// where.

#include "eval/Evaluator.h"

#include "eval/EEValError.h"
#include "eval/EvalMessages.h"
#include "eval/ExpressionText.h"
#include "eval/VariableTable.h"
#include "numeric/NarrowedText.h"
#include "numeric/NumberParse.h"
#include "numeric/Real.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace eval {

namespace {

using numeric::Real;
using namespace eval::messages;

// Parentheses, function arguments and assignments nest by recursion; the
// limit keeps a pathological text (say 100,000 "(") from exhausting the
// stack long before any sensible formula would come near it.
constexpr int MaxNesting = 256;

// SIN and COS give 0 for an argument of 2^63 or more, where the x87 sine
// and cosine instructions give up reducing the angle.
constexpr long double TrigLimit = 0x1p63L;
// TAN fails where the cosine is this close to zero instead of returning a
// huge quotient.
constexpr long double TanCosineLimit = 1e-9L;

struct ParseState
{
    const numeric::NarrowedText &input;
    std::string_view text; // input.text(), the narrowed text the grammar reads
    std::size_t pos = 0;   // past the end reads as the end-of-text character 0
    int depth = 0;
    VariableTable &variables;
};

[[noreturn]] void fail(const ParseState &s, const std::string &message)
{
    throw EEValError(message + ContextFrom(s.input.typed(), s.input.typedOffset(s.pos)));
}

char current(const ParseState &s)
{
    return s.pos < s.text.size() ? s.text[s.pos] : '\0';
}

void skipBlanks(ParseState &s)
{
    while (s.pos < s.text.size() && IsBlank(s.text[s.pos]))
        ++s.pos;
}

// Byte by byte: no byte of a multi-byte character is a stop, so such a
// character always ends up whole in the word.
std::string_view readWordFrom(ParseState &s, std::size_t start)
{
    while (s.pos < s.text.size() && !IsWordStop(s.text[s.pos]))
        ++s.pos;
    return s.text.substr(start, s.pos - start);
}

Real expression(ParseState &s);

Real nestedExpression(ParseState &s)
{
    if (s.depth == MaxNesting)
        fail(s, TooDeep); // at the start of the expression that is one too deep
    ++s.depth;
    const Real value = expression(s);
    --s.depth;
    return value;
}

// "+" and "-" end a word, so "1.5E+3" first reads as "1.5E"; a word that
// converts and ends in an exponent marker is extended over the sign.
Real decimalNumber(ParseState &s, std::size_t start, std::string_view word)
{
    std::optional<long double> value = numeric::ConvertDecimalWord(word);
    if (!value)
        fail(s, NotANumber); // after the word
    const char next = current(s);
    const char last = word.back();
    if ((next == '+' || next == '-') && (last == 'E' || last == 'e')) {
        ++s.pos;
        value = numeric::ConvertDecimalWord(readWordFrom(s, start));
        if (!value)
            fail(s, NotANumberAfterSign); // after the extended word
    }
    return Real(*value);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "$" and up to 32 bits of hex digits, the bit pattern read as a signed
// integer: $FFFFFFFF is -1.
Real hexNumber(ParseState &s, std::string_view word)
{
    if (word.size() == 1)
        fail(s, NotANumber); // after the word
    std::uint64_t bits = 0;
    for (const char c : word.substr(1)) {
        const int digit = hexDigit(c);
        if (digit < 0)
            fail(s, NotANumber);
        bits = bits * 16 + static_cast<std::uint64_t>(digit);
        if (bits > 0xFFFFFFFFu)
            fail(s, NotANumber);
    }
    const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    return Real(static_cast<long double>(pattern));
}

enum class Function { Abs, Exp, Frac, Int, Ln, Log, Sqr, Sin, Cos, Tan, Atan };

std::optional<Function> functionNamed(const std::string &upperName)
{
    static const struct
    {
        const char *name;
        Function function;
    } functions[] = {
        {"ABS", Function::Abs}, {"EXP", Function::Exp},   {"FRAC", Function::Frac},
        {"INT", Function::Int}, {"LN", Function::Ln},     {"LOG", Function::Log},
        {"SQR", Function::Sqr}, {"SIN", Function::Sin},   {"COS", Function::Cos},
        {"TAN", Function::Tan}, {"ATAN", Function::Atan},
    };
    for (const auto &f : functions) {
        if (upperName == f.name)
            return f.function;
    }
    return std::nullopt;
}

Real sine(Real x)
{
    return std::fabs(x.value()) >= TrigLimit ? Real(0) : Real(std::sin(x.value()));
}

Real cosine(Real x)
{
    return std::fabs(x.value()) >= TrigLimit ? Real(0) : Real(std::cos(x.value()));
}

// Runs at the position right after the argument, before its ")" is checked.
Real apply(ParseState &s, Function f, Real x)
{
    switch (f) {
    case Function::Abs:
        return numeric::Abs(x);
    case Function::Exp:
        return numeric::Exp(x);
    case Function::Frac:
        return x - numeric::Trunc(x);
    case Function::Int:
        return numeric::Trunc(x);
    case Function::Ln:
        return numeric::Ln(x);
    case Function::Log:
        return numeric::Log10(x);
    case Function::Sqr:
        return numeric::Sqrt(x);
    case Function::Sin:
        return sine(x);
    case Function::Cos:
        return cosine(x);
    case Function::Tan: {
        const Real c = cosine(x);
        if (numeric::Abs(c).value() < TanCosineLimit)
            fail(s, Infinite); // after the argument
        return sine(x) / c;
    }
    case Function::Atan:
        return Real(std::atan(x.value()));
    }
    return x;
}

Real functionCall(ParseState &s, const std::string &upperName)
{
    ++s.pos; // past "("
    const std::optional<Function> f = functionNamed(upperName);
    if (!f)
        fail(s, UnknownFunction); // after the "("
    const Real value = apply(s, *f, nestedExpression(s));
    skipBlanks(s);
    if (current(s) != ')')
        fail(s, UnclosedParenthesis); // at the character found instead
    ++s.pos;
    return value;
}

// The right side is a full expression: "2*X=3+1" stores 4 and yields 8.
Real assignment(ParseState &s, const std::string &upperName)
{
    ++s.pos; // past "="
    const Real value = nestedExpression(s);
    if (!s.variables.assign(upperName, value.value()))
        fail(s, TableFull); // after the assigned expression
    return value;
}

// A function name without "(" is an ordinary variable name ("SIN=2").
Real named(ParseState &s, std::string_view word)
{
    const std::string upperName = UpperCaseAscii(word);
    skipBlanks(s);
    const char next = current(s);
    if (next == '(')
        return functionCall(s, upperName);
    if (upperName == "PI")
        return Real(numeric::Pi);
    if (next == '=')
        return assignment(s, upperName);
    if (const std::optional<long double> value = s.variables.find(upperName))
        return Real(*value);
    fail(s, "\"" + upperName + UndefinedVariable); // after the name and its blanks
}

Real operand(ParseState &s)
{
    skipBlanks(s);
    const std::size_t start = s.pos;
    const std::string_view word = readWordFrom(s, start);
    if (word.empty())
        fail(s, NotANumber); // at the stop where the operand should be
    const char first = word.front();
    if ((first >= '0' && first <= '9') || first == '.')
        return decimalNumber(s, start, word);
    if (first == '$')
        return hexNumber(s, word);
    return named(s, word);
}

Real primary(ParseState &s)
{
    skipBlanks(s);
    if (current(s) != '(')
        return operand(s);
    ++s.pos;
    const Real value = nestedExpression(s);
    skipBlanks(s);
    if (current(s) != ')')
        fail(s, UnclosedParenthesis); // at the character found instead
    ++s.pos;
    return value;
}

// b^e: 0 for b = 0 (even 0^0 and 0^-1), 1 for e = 0, otherwise
// exp(e·ln|b|), negated for a negative base with an odd exponent. A negative
// base takes whole exponents only; that test truncates e to 32 bits, which
// is an invalid operation beyond that range.
Real raise(ParseState &s, Real base, Real exponent)
{
    if (base == 0)
        return 0;
    if (exponent == 0)
        return 1;
    const bool negativeBase = base < 0;
    std::int32_t whole = 0;
    if (negativeBase) {
        whole = numeric::TruncToInt32(exponent);
        if (exponent != whole)
            fail(s, NegativeBaseFractionalPower); // after the exponent
    }
    const Real magnitude = numeric::Exp(exponent * numeric::Ln(numeric::Abs(base)));
    return negativeBase && whole % 2 != 0 ? -magnitude : magnitude;
}

Real power(ParseState &s)
{
    Real value = primary(s);
    for (;;) {
        skipBlanks(s);
        if (current(s) != '^')
            return value;
        ++s.pos;
        const Real exponent = primary(s);
        value = raise(s, value, exponent);
    }
}

Real signedOperand(ParseState &s)
{
    skipBlanks(s);
    const char sign = current(s);
    if (sign == '+' || sign == '-')
        ++s.pos;
    const Real value = power(s);
    return sign == '-' ? -value : value;
}

Real divide(ParseState &s, Real dividend, Real divisor)
{
    if (divisor == 0)
        fail(s, DivisionByZero); // after the divisor
    return dividend / divisor;
}

// Remainder of the whole parts, each truncated to 32 bits (the divisor
// first), with the sign of the dividend: 7.9%2.5 is 1, -7%3 is -1.
Real remainder(ParseState &s, Real dividend, Real divisor)
{
    const std::int32_t d = numeric::TruncToInt32(divisor);
    if (d == 0)
        fail(s, DivisionByZero); // after the divisor
    const std::int32_t n = numeric::TruncToInt32(dividend);
    // INT32_MIN % -1 overflows in C++; its true remainder is 0.
    return d == -1 ? 0 : n % d;
}

Real term(ParseState &s)
{
    Real value = signedOperand(s);
    for (;;) {
        skipBlanks(s);
        const char op = current(s);
        if (op != '*' && op != '/' && op != '%')
            return value;
        ++s.pos;
        const Real right = signedOperand(s);
        if (op == '*')
            value = value * right;
        else if (op == '/')
            value = divide(s, value, right);
        else
            value = remainder(s, value, right);
    }
}

Real expression(ParseState &s)
{
    Real value = term(s);
    for (;;) {
        skipBlanks(s);
        const char op = current(s);
        if (op != '+' && op != '-')
            return value;
        ++s.pos;
        const Real right = term(s);
        value = op == '+' ? value + right : value - right;
    }
}

} // namespace

long double Evaluate(std::string_view typed, VariableTable &variables)
{
    const numeric::NarrowedText input(typed);
    const std::string_view text = input.text();
    ParseState s{input, text, 0, 0, variables};
    const Real value = expression(s);
    if (s.pos >= text.size())
        return value.value();

    // Something is left over; the message quotes what follows it.
    const char leftover = text[s.pos];
    s.pos += CharacterLength(text, s.pos);
    if (leftover == ')')
        fail(s, UnopenedParenthesis);
    if (leftover == '=')
        fail(s, NotAssignable);
    fail(s, NotAnOperator);
}

long double Evaluate(std::string_view text)
{
    return Evaluate(text, SharedVariables());
}

} // namespace eval
