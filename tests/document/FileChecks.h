#pragma once

#include "document/Document.h"
#include "document/Problem.h"

#include <optional>
#include <string>

// Checks shared by the tests of the document file.
namespace checks {

// The bytes of the document saved in samples::Units, expecting no problem.
std::string Saved(const document::Document &d);

// `text` with its only `from` replaced (a failure when there is none or more).
std::string Replaced(std::string text, const std::string &from, const std::string &to);

// A damaged file and what reading it must say.
struct Damage
{
    const char *name;
    std::string bytes;
    std::string message;
    std::optional<document::TextPosition> position;
};

// Expects the file refused with its message at its place. With SHOW_PLACE
// set in the environment, prints the line the place is on.
void ExpectRefused(const Damage &c);

} // namespace checks
