#include "support/ReadBack.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string quoted(const std::string &argument)
{
    std::string out = "'";
    for (char c : argument)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

ReadBack run(const char *mode, const std::string &path)
{
    ReadBack result;
    // What the reader says on its error output, apart from its JSON.
    std::string errors =
        (std::filesystem::temp_directory_path() / "zefra-read-back-XXXXXX").string();
    const int errorsFd = mkstemp(errors.data());
    if (errorsFd >= 0)
        close(errorsFd);
    const std::string command = quoted(ZEFRA_TEST_PYTHON) + " " + quoted(ZEFRA_READ_BACK_SCRIPT) +
                                " " + mode + " " + quoted(path) + " 2>" +
                                quoted(errorsFd >= 0 ? errors : "/dev/null");
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe) {
        result.missing = true;
        result.why = "python3 could not be started";
        return result;
    }
    std::string output;
    std::array<char, 65536> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = pclose(pipe);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::string said;
    if (errorsFd >= 0) {
        std::ifstream in(errors);
        said.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::remove(errors.c_str());
    }
    if (code == 77 || code == 127) {
        result.missing = true;
        result.why = code == 127 ? "python3 is not installed" : said;
        return result;
    }
    if (code != 0) {
        result.why = "the reader failed: " + said;
        return result;
    }
    result.data = nlohmann::json::parse(output, nullptr, false);
    result.read = !result.data.is_discarded();
    if (!result.read)
        result.why = "the reader's output is no JSON: " + output;
    return result;
}

} // namespace

ReadBack ReadWorkbook(const std::string &path)
{
    return run("xlsx", path);
}

ReadBack ReadCsv(const std::string &path)
{
    return run("csv", path);
}

const nlohmann::json &CellAt(const nlohmann::json &sheet, std::size_t row, std::size_t column)
{
    static const nlohmann::json none;
    const nlohmann::json &rows = sheet.at("rows");
    if (row >= rows.size() || column >= rows[row].size())
        return none;
    return rows[row][column];
}
