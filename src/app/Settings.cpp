#include "app/Settings.h"

#include "app/D_Kokei.h"
#include "app/files/FileTexts.h"
#include "app/settings/IniEdit.h"
#include "app/settings/IniFile.h"
#include "app/settings/IniSyntax.h"
#include "app/ui/CalcPage.h"
#include "app/ui/MessageBoxes.h"

#include <QFile>

#include <algorithm>
#include <string>
#include <vector>

namespace app {

namespace {

// The order in which the keys are read: the window's position first, the
// active page and the radio buttons last, since checking a button runs its
// handler, which needs the lists and the page already restored.
const std::vector<std::string> ReadOrder = {
    "Window/Left", "Window/Top",  "AG/VHS",    "AG/Kaiko0",  "AG/Kaiko1",    "AG/Kaiko2",
    "AG/Kaiko3",   "AG/Kaiko4",   "AG/Kaiko5", "AG/Kaiko6",  "AG/Kaiko7",    "Duct/DStyle",
    "Air/SelBox",  "Pipe/PStyle", "Pipe/Temp", "Pipe/PSize", "Page/ActPage", "Button/K1",
    "Button/K2",   "Button/B1",   "Button/B2"};

// The order in which they are written, which decides where the sections and
// keys of a new file stand.
const std::vector<std::string> WriteOrder = {
    "Window/Left", "Window/Top",   "Duct/DStyle", "Air/SelBox", "Pipe/PStyle", "Pipe/Temp",
    "Pipe/PSize",  "Page/ActPage", "AG/VHS",      "AG/Kaiko0",  "AG/Kaiko1",   "AG/Kaiko2",
    "AG/Kaiko3",   "AG/Kaiko4",    "AG/Kaiko5",   "AG/Kaiko6",  "AG/Kaiko7",   "Button/B1",
    "Button/B2",   "Button/K1",    "Button/K2"};

std::string nameOf(const ui::SettingsKey &key)
{
    return key.section + "/" + key.key;
}

// Every key of the window and its pages, in the given order; keys the order
// does not know follow in the order the window and its pages give them.
std::vector<ui::SettingsKey> keysOf(TDuctForm &form, const std::vector<std::string> &order)
{
    std::vector<ui::SettingsKey> keys;
    for (const ui::SettingsKey &key : form.settingsKeys())
        keys.push_back(key);
    for (ui::CalcPage *page : form.pages()) {
        for (const ui::SettingsKey &key : page->settingsKeys())
            keys.push_back(key);
    }
    const auto rank = [&order](const ui::SettingsKey &key) {
        return std::find(order.begin(), order.end(), nameOf(key)) - order.begin();
    };
    std::stable_sort(keys.begin(), keys.end(),
                     [&](const auto &a, const auto &b) { return rank(a) < rank(b); });
    return keys;
}

} // namespace

void LoadSettings(TDuctForm &form, const std::string &file)
{
    // One reading of the file for all keys: applying a key never writes the
    // file, so each value is the one a lookup of that key by itself would
    // find at that moment.
    const std::vector<ui::SettingsKey> keys = keysOf(form, ReadOrder);
    std::vector<settings::KeyName> names;
    names.reserve(keys.size());
    for (const ui::SettingsKey &key : keys)
        names.push_back({key.section, key.key});
    const std::vector<std::optional<std::string>> texts = settings::ReadStrings(file, names);
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i].restore(texts[i] ? settings::ParseInteger(*texts[i]) : std::nullopt);
}

bool SaveSettings(TDuctForm &form, const std::string &file)
{
    // All keys in one replace of the file: its bytes are those of the keys
    // written one by one, and a crash leaves the old file or the new one.
    // The feature windows' sections follow the window's keys.
    const std::vector<ui::SettingsKey> keys = keysOf(form, WriteOrder);
    std::vector<std::string> values;
    for (const ui::SettingsKey &key : keys)
        values.push_back(std::to_string(key.value()));
    const std::vector<TDuctForm::FeatureSetting> features = form.featureSettings();
    std::vector<settings::StringKey> batch;
    for (std::size_t i = 0; i < keys.size(); ++i)
        batch.push_back({keys[i].section, keys[i].key, values[i]});
    // A feature window's value that the file cannot hold (the windows keep
    // their values storable) is left out rather than keep every other key
    // from being saved.
    for (const TDuctForm::FeatureSetting &f : features) {
        if (settings::IsWritableValue(f.value))
            batch.push_back({f.section, f.key, f.value});
    }
    if (!settings::WriteStrings(file, batch).written) {
        ui::ShowFailure(&form, QFile::decodeName(QByteArray::fromStdString(file)) +
                                   QString::fromUtf8(files::texts::CannotWrite));
        return false;
    }
    return true;
}

} // namespace app
