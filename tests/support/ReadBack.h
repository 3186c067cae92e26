#pragma once

#include <nlohmann/json.hpp>

#include <string>

// What readers no one here wrote make of a file the program wrote: openpyxl
// of a workbook, Python's csv module of a CSV file (tests/support/
// read_back.py tells the form of `data`).
struct ReadBack
{
    bool read = false;
    std::string why;      // when not read: the reader is missing, or it failed
    bool missing = false; // python3 or openpyxl is not installed: skip the test
    nlohmann::json data;
};

ReadBack ReadWorkbook(const std::string &path);
ReadBack ReadCsv(const std::string &path);

// A cell of a workbook read back: null or {"t", "v", "f", "b"}.
const nlohmann::json &CellAt(const nlohmann::json &sheet, std::size_t row, std::size_t column);
