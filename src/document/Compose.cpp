#include "document/Compose.h"

#include "document/NumberText.h"

#include <algorithm>

namespace document {

using json::Member;
using json::Value;

Value NumberValue(long double x)
{
    return Value::Number(NumberText(x));
}

Value NumberValue(double x)
{
    return Value::Number(NumberText(x));
}

Value NumberValue(int n)
{
    return Value::Number(NumberText(static_cast<long long>(n)));
}

Value Compose(std::span<const std::string_view> order, std::vector<Member> known,
              const KeptMembers &kept)
{
    const auto isKnown = [&](const std::string &name) {
        return std::find(order.begin(), order.end(), name) != order.end();
    };
    std::vector<Member> out;
    out.reserve(known.size() + kept.size());
    const auto keptAfter = [&](std::string_view anchor) {
        for (const KeptMember &k : kept) {
            if (k.after == anchor && !isKnown(k.name))
                out.push_back({k.name, k.value});
        }
    };
    keptAfter("");
    for (const std::string_view name : order) {
        for (Member &m : known) {
            if (m.name == name)
                out.push_back(std::move(m));
        }
        keptAfter(name);
    }
    for (const KeptMember &k : kept) {
        if (!k.after.empty() && !isKnown(k.after) && !isKnown(k.name))
            out.push_back({k.name, k.value});
    }
    return Value::Object(std::move(out));
}

} // namespace document
