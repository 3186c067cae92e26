#include "app/settings/SettingsSchema.h"

#include "app/settings/IniSyntax.h"

#include <algorithm>
#include <utility>

namespace app::settings {

namespace {

std::string NameOf(const Key &key)
{
    return "[" + key.place.section + "] " + key.place.name;
}

std::vector<const Setting *> Ordered(const std::vector<Setting> &settings, int Rank::*rank)
{
    std::vector<const Setting *> order;
    order.reserve(settings.size());
    for (const Setting &s : settings)
        order.push_back(&s);
    std::sort(order.begin(), order.end(), [rank](const Setting *a, const Setting *b) {
        return a->key.place.rank.*rank < b->key.place.rank.*rank;
    });
    return order;
}

} // namespace

Schema::Schema(std::vector<Setting> settings)
{
    add(std::move(settings));
}

void Schema::add(Setting setting)
{
    const KeyPlace &place = setting.key.place;
    for (const Setting &other : settings_) {
        const KeyPlace &held = other.key.place;
        if (NamesEqual(held.section, place.section) && NamesEqual(held.name, place.name))
            throw DuplicateKey(NameOf(setting.key) + " is declared twice");
        if (held.rank.read == place.rank.read || held.rank.write == place.rank.write)
            throw DuplicateKey(NameOf(setting.key) + " shares a rank with " + NameOf(other.key));
    }
    settings_.push_back(std::move(setting));
}

void Schema::add(std::vector<Setting> settings)
{
    settings_.reserve(settings_.size() + settings.size());
    for (Setting &s : settings)
        add(std::move(s));
}

std::vector<const Setting *> Schema::readOrder() const
{
    return Ordered(settings_, &Rank::read);
}

std::vector<const Setting *> Schema::writeOrder() const
{
    return Ordered(settings_, &Rank::write);
}

void Restore(const Schema &schema,
             const std::function<std::optional<std::string>(const Key &key)> &stored)
{
    for (const Setting *s : schema.readOrder())
        s->restore(Interpret(s->key, stored(s->key)));
}

void Load(const Schema &schema, const std::string &path, const Reader &read)
{
    // Applying a key never writes the file, so each value is the one a
    // lookup of that key by itself would find at that moment.
    const std::vector<const Setting *> order = schema.readOrder();
    std::vector<KeyName> names;
    names.reserve(order.size());
    for (const Setting *s : order)
        names.push_back({s->key.place.section, s->key.place.name});
    const std::vector<std::optional<std::string>> texts = read(path, names);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i]->restore(Interpret(order[i]->key, i < texts.size() ? texts[i] : std::nullopt));
}

std::vector<StoredKey> ToSave(const Schema &schema)
{
    std::vector<StoredKey> lines;
    for (const Setting *s : schema.writeOrder()) {
        const std::optional<Value> value = s->value();
        if (!value)
            continue;
        if (std::optional<std::string> text = Format(*value))
            lines.push_back({s->key.place.section, s->key.place.name, std::move(*text)});
    }
    return lines;
}

BatchWrite Save(const Schema &schema, const std::string &path)
{
    const std::vector<StoredKey> lines = ToSave(schema);
    std::vector<StringKey> batch;
    batch.reserve(lines.size());
    for (const StoredKey &line : lines)
        batch.push_back({line.section, line.name, line.text});
    return WriteStrings(path, batch);
}

} // namespace app::settings
