#include "document/DocumentFile.h"

#include "document/DocumentFormat.h"
#include "document/DocumentRead.h"
#include "document/DocumentTexts.h"
#include "document/DocumentWrite.h"
#include "document/JsonParse.h"
#include "document/JsonWrite.h"
#include "document/MemberReader.h"

namespace document {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string Megabytes(std::uint64_t bytes)
{
    // Rounded up, so that a file just over the limit never reads as "16 MB".
    return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024));
}

} // namespace

std::optional<Problem> SizeProblem(std::uint64_t size)
{
    if (size <= format::MaxFileSize)
        return std::nullopt;
    return Problem{
        texts::Fill(texts::TooLarge, {Megabytes(size), std::to_string(format::MaxFileSize >> 20)}),
        std::nullopt};
}

ReadResult Read(std::string_view bytes, losssheet::UnitSystem units)
{
    ReadResult result;
    if (auto tooLarge = SizeProblem(bytes.size())) {
        result.problem = *tooLarge;
        return result;
    }
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        bytes.remove_prefix(ByteOrderMark.size());
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        result.problem.message = texts::Empty;
        return result;
    }
    json::ParseResult parsed = json::Parse(bytes);
    if (!parsed.value) {
        result.problem = std::move(parsed.problem);
        return result;
    }
    try {
        result.document = ReadDocument(*parsed.value, units);
    } catch (const ReadError &error) {
        result.problem.message = error.message;
        if (error.offset != json::NoOffset)
            result.problem.position = PositionOf(bytes, error.offset);
    }
    return result;
}

WriteResult Write(const Document &document, losssheet::UnitSystem units)
{
    WriteResult result;
    json::Value value;
    try {
        value = ComposeDocument(document, units);
        ReadDocument(value, units);
    } catch (const ReadError &error) {
        result.problem = Problem{error.message, std::nullopt};
        return result;
    }
    result.bytes = json::Serialise(value);
    if (result.bytes.size() > format::MaxFileSize) {
        result.problem =
            Problem{texts::Fill(texts::TooLargeToSave, {Megabytes(result.bytes.size()),
                                                        std::to_string(format::MaxFileSize >> 20)}),
                    std::nullopt};
        result.bytes.clear();
    }
    return result;
}

} // namespace document
