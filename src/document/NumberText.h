#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers in a document file: written in the shortest text that reads back as
// the same value (26, 0.0105, 1e-05), so that a value survives any number of
// saves and openings unchanged and a file never shows 0.010500000000000001;
// read to the nearest value of the type the quantity is kept in.
namespace document {

// Finite values only. Negative zero is written as 0: the sign of a zero means
// nothing in a quantity, and "-0" would read back as the integer 0.
std::string NumberText(long double value);
std::string NumberText(double value);
std::string NumberText(long long value);

// The value of a JSON number's text; empty when it is out of the type's range.
std::optional<long double> LongDoubleOf(std::string_view jsonNumber);
std::optional<double> DoubleOf(std::string_view jsonNumber);
// The value of an integer's text (no fraction, no exponent); empty otherwise
// or out of range.
std::optional<long long> IntegerOf(std::string_view jsonNumber);

} // namespace document
