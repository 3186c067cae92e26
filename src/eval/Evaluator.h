#pragma once

#include <string_view>

namespace eval {

class VariableTable;

// Reads the whole UTF-8 text of an entry field as one arithmetic expression
// and returns its value: the operators + - * / % ^, parentheses, the
// functions ABS EXP FRAC INT LN LOG SQR SIN COS TAN ATAN, the constant PI,
// decimal and $hex numbers, and named variables created by assignment
// ("X=2.5"). Assignments stay stored even when a later part of the text
// fails. Full-width forms read as their ASCII forms ("１２００＊２" is
// 2400; numeric::NarrowedText lists them).
//
// Throws EEValError for a text that is no valid expression (its message
// quotes the place, as typed) or that nests parentheses, function calls and
// assignments more than 256 levels deep, and numeric::FloatingPointFault for an
// arithmetic fault such as LN(0), SQR(-1) or EXP(100000).
long double Evaluate(std::string_view text, VariableTable &variables);

// The same over the variables that the whole window shares.
long double Evaluate(std::string_view text);

} // namespace eval
