#pragma once

// Every fixed text the program shows in its message boxes, UTF-8.
namespace numeric::messages {

// What the calculation pages tell the user about values they cannot use.
inline constexpr char CheckValues[] = "数値を確認して下さい。";

} // namespace numeric::messages
