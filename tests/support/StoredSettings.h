#pragma once

#include "app/settings/SettingsSchema.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A settings section as a test keeps it: each key's text by its name.
using StoredTexts = std::map<std::string, std::string>;

// Restores `keys` as a load would from a section holding `stored`.
inline void RestoreFrom(std::vector<app::settings::Setting> keys, const StoredTexts &stored)
{
    app::settings::Restore(app::settings::Schema(std::move(keys)),
                           [&stored](const app::settings::Key &key) -> std::optional<std::string> {
                               const auto it = stored.find(key.place.name);
                               if (it == stored.end())
                                   return std::nullopt;
                               return it->second;
                           });
}

// What a save writes of `keys`: each key's name and text, in write order.
inline std::vector<std::pair<std::string, std::string>>
SavedTexts(std::vector<app::settings::Setting> keys)
{
    std::vector<std::pair<std::string, std::string>> saved;
    for (const app::settings::StoredKey &key : ToSave(app::settings::Schema(std::move(keys))))
        saved.emplace_back(key.name, key.text);
    return saved;
}
