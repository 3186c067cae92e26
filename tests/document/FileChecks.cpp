#include "FileChecks.h"

#include "SampleDocuments.h"

#include "document/DocumentFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace checks {

namespace {

std::string Place(const std::optional<document::TextPosition> &p)
{
    return p ? std::to_string(p->line) + ":" + std::to_string(p->column) : "none";
}

} // namespace

std::string Saved(const document::Document &d)
{
    const document::WriteResult r = document::Write(d, samples::Units);
    EXPECT_FALSE(r.problem) << r.problem->text();
    return r.bytes;
}

std::string Replaced(std::string text, const std::string &from, const std::string &to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from << " is not unique";
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

void ExpectRefused(const Damage &c)
{
    SCOPED_TRACE(c.name);
    const document::ReadResult r = document::Read(c.bytes, samples::Units);
    EXPECT_FALSE(r.document);
    EXPECT_EQ(r.problem.message, c.message);
    EXPECT_EQ(Place(r.problem.position), Place(c.position));
    if (std::getenv("SHOW_PLACE") && r.problem.position) {
        std::size_t start = 0;
        for (int n = 1; n < r.problem.position->line; ++n)
            start = c.bytes.find('\n', start) + 1;
        const std::string line = c.bytes.substr(start, c.bytes.find('\n', start) - start);
        std::printf("%-40s %s | %s\n", c.name, Place(r.problem.position).c_str(), line.c_str());
    }
}

} // namespace checks
