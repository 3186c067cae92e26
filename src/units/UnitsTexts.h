#pragma once

// The unit-conversion page's texts, UTF-8.
namespace units::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
static const char PageCaption[] = "単位変換";

// The warning of a field that holds no number.
static const char EnterDigits[] = "数字を入力して下さい。";
// clang-format on

} // namespace units::texts
