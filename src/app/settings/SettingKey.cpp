#include "app/settings/SettingKey.h"

#include "app/settings/IniEdit.h"
#include "app/settings/IniSyntax.h"

#include <utility>

namespace app::settings {

std::optional<Value> Interpret(const Key &key, const std::optional<std::string> &stored)
{
    if (!stored)
        return key.fallback;
    if (key.kind == Kind::Text)
        return Value(*stored);
    const std::optional<std::int32_t> integer = ParseInteger(*stored);
    if (!integer)
        return key.fallback;
    if (key.kind == Kind::Truth)
        return Value(*integer != 0);
    if (*integer < key.range.low || *integer > key.range.high)
        return key.fallback;
    return Value(*integer);
}

std::optional<std::string> Format(const Value &value)
{
    if (const auto *integer = std::get_if<std::int32_t>(&value))
        return std::to_string(*integer);
    if (const auto *truth = std::get_if<bool>(&value))
        return *truth ? "1" : "0";
    const std::string &text = std::get<std::string>(value);
    if (!IsWritableValue(text))
        return std::nullopt;
    return text;
}

Setting IntegerSetting(KeyPlace place, IntegerRange range, std::int32_t fallback,
                       std::function<void(std::int32_t)> restore,
                       std::function<std::int32_t()> value)
{
    return {{std::move(place), Kind::Integer, range, Value(fallback)},
            [restore = std::move(restore)](const std::optional<Value> &v) {
                restore(std::get<std::int32_t>(*v));
            },
            [value = std::move(value)] { return std::optional<Value>(value()); }};
}

Setting OptionalIntegerSetting(KeyPlace place,
                               std::function<void(std::optional<std::int32_t>)> restore,
                               std::function<std::optional<std::int32_t>()> value)
{
    return {{std::move(place), Kind::Integer, AnyInteger, std::nullopt},
            [restore = std::move(restore)](const std::optional<Value> &v) {
                restore(v ? std::optional(std::get<std::int32_t>(*v)) : std::nullopt);
            },
            [value = std::move(value)]() -> std::optional<Value> {
                if (const std::optional<std::int32_t> v = value())
                    return *v;
                return std::nullopt;
            }};
}

Setting TruthSetting(KeyPlace place, bool fallback, std::function<void(bool)> restore,
                     std::function<bool()> value)
{
    return {{std::move(place), Kind::Truth, AnyInteger, Value(fallback)},
            [restore = std::move(restore)](const std::optional<Value> &v) {
                restore(std::get<bool>(*v));
            },
            [value = std::move(value)] { return std::optional<Value>(value()); }};
}

Setting TextSetting(KeyPlace place, std::string fallback,
                    std::function<void(const std::string &)> restore,
                    std::function<std::string()> value)
{
    return {{std::move(place), Kind::Text, AnyInteger, Value(std::move(fallback))},
            [restore = std::move(restore)](const std::optional<Value> &v) {
                restore(std::get<std::string>(*v));
            },
            [value = std::move(value)] { return std::optional<Value>(value()); }};
}

} // namespace app::settings
