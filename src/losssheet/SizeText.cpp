#include "losssheet/SizeText.h"

#include "numeric/Failure.h"
#include "numeric/NarrowedText.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "pipe/PipeTables.h"

#include <array>

namespace losssheet {

namespace {

using namespace std::string_view_literals;

// The diameter signs a size may start with: φ, Φ, ϕ, ø, Ø, ⌀.
constexpr std::array DiameterSigns{"φ"sv, "Φ"sv, "ϕ"sv, "ø"sv, "Ø"sv, "⌀"sv};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::optional<long double> positive(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    try {
        const long double v = numeric::ParsePlainNumber(text);
        if (v > 0)
            return v;
    } catch (const numeric::Failure &) {
    }
    return std::nullopt;
}

} // namespace

bool IsBlankSize(std::string_view text)
{
    const numeric::NarrowedText narrowed(text);
    return trimmed(narrowed.text()).empty();
}

std::optional<DuctSize> ParseDuctSize(std::string_view text)
{
    const numeric::NarrowedText narrowed(text); // "×" reads as "*"
    std::string_view s = trimmed(narrowed.text());
    for (std::string_view sign : DiameterSigns) {
        if (s.starts_with(sign)) {
            if (const auto d = positive(s.substr(sign.size())))
                return DuctSize{true, *d, 0};
            return std::nullopt;
        }
    }
    const std::size_t cut = s.find_first_of("*xX");
    if (cut == std::string_view::npos) {
        if (const auto d = positive(s))
            return DuctSize{true, *d, 0};
        return std::nullopt;
    }
    const auto a = positive(s.substr(0, cut));
    const auto b = positive(s.substr(cut + 1));
    if (!a || !b)
        return std::nullopt;
    return DuctSize{false, *a, *b};
}

std::string DuctSizeText(const DuctSize &size)
{
    if (size.round)
        return "φ" + numeric::FormatGeneral15(size.a);
    return numeric::FormatGeneral15(size.a) + "×" + numeric::FormatGeneral15(size.b);
}

std::optional<int> ParseNominalSize(std::string_view text)
{
    const numeric::NarrowedText narrowed(text);
    std::string_view s = trimmed(narrowed.text());
    if (!s.empty() && (s.back() == 'A' || s.back() == 'a'))
        s = trimmed(s.substr(0, s.size() - 1));
    const auto value = positive(s);
    if (!value)
        return std::nullopt;
    for (int i = 0; i < pipes::PipeSizeCount; ++i) {
        if (static_cast<long double>(pipes::PipeNominalSize(i)) == *value)
            return i;
    }
    return std::nullopt;
}

} // namespace losssheet
