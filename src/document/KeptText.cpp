#include "document/KeptText.h"

#include "document/DocumentTexts.h"
#include "document/JsonParse.h"
#include "document/JsonWrite.h"
#include "document/MemberReader.h"

namespace document {

losssheet::KeptMembers AsText(const KeptMembers &kept)
{
    losssheet::KeptMembers out;
    out.reserve(kept.size());
    for (const KeptMember &k : kept)
        out.push_back({k.after, k.name, json::Serialise(k.value)});
    return out;
}

KeptMembers FromText(const losssheet::KeptMembers &kept, const std::string &where)
{
    KeptMembers out;
    out.reserve(kept.size());
    for (const losssheet::KeptMember &k : kept) {
        json::ParseResult parsed = json::Parse(k.json);
        if (!parsed.value)
            throw ReadError{texts::Fill(texts::KeptUnwritable, {where, k.name})};
        out.push_back({k.after, k.name, std::move(*parsed.value)});
    }
    return out;
}

} // namespace document
