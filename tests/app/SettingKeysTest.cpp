// The keys of the window, its pages and the feature windows, each declared by
// its owner: the order of the file they give, their fallbacks, and one
// reading of the file per load.
#include "app/Settings.h"
#include "app/chart/ChartForm.h"
#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/settings/CloseSequence.h"
#include "app/sizetable/SizeTableForm.h"
#include "support/FormFixture.h"
#include "support/StoredSettings.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QFile>

#include <limits>
#include <string>
#include <vector>

namespace {

namespace settings = app::settings;

std::vector<std::string> Names(const std::vector<const settings::Setting *> &order)
{
    std::vector<std::string> names;
    for (const settings::Setting *s : order)
        names.push_back(s->key.place.section + "/" + s->key.place.name);
    return names;
}

class SettingKeysTest : public FormTest
{
protected:
    SettingKeysTest() { autoOpen_ = false; }

    // The window with a reader that counts the readings of the settings
    // file and keeps the keys each one asked for.
    void openCounting()
    {
        form_ = std::make_unique<TDuctForm>(nullptr, settingsFile(),
                                            dir_.filePath(QStringLiteral("record")));
        form_->setSettingsReader(
            [this](const std::string &path, std::span<const settings::KeyName> keys) {
                std::vector<std::string> names;
                for (const settings::KeyName &k : keys)
                    names.push_back(std::string(k.section) + "/" + std::string(k.key));
                readings_.push_back(names);
                return settings::ReadStrings(path, keys);
            });
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    std::vector<std::vector<std::string>> readings_;
};

// The window's 21 keys are read and written in the order of every settings
// file the program has written: the position first; the active page and
// the radio buttons last when reading, as their handlers need the lists.
TEST_F(SettingKeysTest, TheWindowsKeysKeepTheirOrderInTheFile)
{
    openForm();
    const settings::Schema schema = app::WindowSettings(*form_);
    EXPECT_EQ(Names(schema.readOrder()),
              (std::vector<std::string>{"Window/Left",  "Window/Top",  "AG/VHS",    "AG/Kaiko0",
                                        "AG/Kaiko1",    "AG/Kaiko2",   "AG/Kaiko3", "AG/Kaiko4",
                                        "AG/Kaiko5",    "AG/Kaiko6",   "AG/Kaiko7", "Duct/DStyle",
                                        "Air/SelBox",   "Pipe/PStyle", "Pipe/Temp", "Pipe/PSize",
                                        "Page/ActPage", "Button/K1",   "Button/K2", "Button/B1",
                                        "Button/B2"}));
    std::vector<std::string> closeSequence;
    for (const SettingsKey &k : kCloseSequence)
        closeSequence.push_back(std::string(k.section) + "/" + k.key);
    EXPECT_EQ(Names(schema.writeOrder()), closeSequence);

    // With every feature window open, no key is declared twice and their
    // sections follow the window's keys, each in one piece.
    for (const char *tool : {"Chart1", "Record1", "SizeTable1"})
        find<QAction>(tool)->trigger();
    settings::Schema all = app::WindowSettings(*form_);
    ASSERT_NO_THROW(all.add(form_->featureSettingsKeys()));
    std::vector<std::string> sections;
    for (const settings::Setting *s : all.writeOrder()) {
        if (sections.empty() || sections.back() != s->key.place.section)
            sections.push_back(s->key.place.section);
    }
    EXPECT_EQ(sections, (std::vector<std::string>{"Window", "Duct", "Air", "Pipe", "Page", "AG",
                                                  "Button", "Chart", "Record", "SizeTable"}));
}

// Each key of a feature window takes a stored value within its range, and
// falls back to its default for anything else.
TEST_F(SettingKeysTest, EveryFeatureKeyFallsBackToItsDefault)
{
    app::record::Journal journal(dir_.filePath(QStringLiteral("journal")));
    app::chart::ChartForm chart;
    app::record::RecordForm record(journal);
    app::sizetable::SizeTableForm table;
    const struct
    {
        const char *window;
        std::function<std::vector<settings::Setting>()> keys;
    } windows[] = {
        {"ChartForm", [&] { return chart.settingsKeys(); }},
        {"RecordForm", [&] { return record.settingsKeys(); }},
        {"SizeTableForm", [&] { return table.settingsKeys(); }},
    };
    const auto savedText = [](const std::vector<settings::Setting> &keys, const std::string &name) {
        for (const auto &[key, text] : SavedTexts(keys)) {
            if (key == name)
                return text;
        }
        return std::string("(not saved)");
    };
    int checked = 0;
    for (const auto &w : windows) {
        for (const settings::Setting &s : w.keys()) {
            const settings::Key &key = s.key;
            // The place and size have no default (WindowPlacement's tests),
            // a text none that could be wrong.
            if (!key.fallback || key.kind == settings::Kind::Text)
                continue;
            const std::string &name = key.place.name;
            SCOPED_TRACE(std::string(w.window) + " " + name);
            const std::string fallback = *settings::Format(*key.fallback);
            // A value other than the default, within the range.
            std::string other;
            std::vector<std::string> bad = {"abc", "12abc", "", "0x", "99999999999999999999"};
            if (key.kind == settings::Kind::Truth) {
                other = std::get<bool>(*key.fallback) ? "0" : "1";
            } else {
                const std::int32_t value = std::get<std::int32_t>(*key.fallback);
                other = std::to_string(value < key.range.high ? value + 1 : value - 1);
                if (key.range.high < std::numeric_limits<std::int32_t>::max())
                    bad.push_back(std::to_string(std::int64_t{key.range.high} + 1));
                if (key.range.low > std::numeric_limits<std::int32_t>::min())
                    bad.push_back(std::to_string(std::int64_t{key.range.low} - 1));
            }
            for (const std::string &stored : bad) {
                SCOPED_TRACE("stored \"" + stored + "\"");
                RestoreFrom(w.keys(), {{name, other}});
                ASSERT_EQ(savedText(w.keys(), name), other);
                RestoreFrom(w.keys(), {{name, stored}});
                EXPECT_EQ(savedText(w.keys(), name), fallback);
            }
            ++checked;
        }
    }
    // Four chart ranges, eight line families and the two size table limits.
    EXPECT_EQ(checked, 14);
}

// At the start the window reads the file once for its 21 keys, the last
// title block's four and the eight recent files; each feature
// window reads its section once, when it is first opened.
TEST_F(SettingKeysTest, EachLoadIsOneReadingOfTheFile)
{
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Chart]\nWetBulb=0\n[SizeTable]\nAspectLimitTenths=35\n"
                   "[Record]\nProject=○○ビル\n");
    }
    openCounting();
    ASSERT_EQ(readings_.size(), 1u);
    EXPECT_EQ(readings_[0].size(), 33u);

    const struct
    {
        const char *action;
        const char *section;
        std::size_t keys;
    } tools[] = {
        {"Chart1", "Chart/", 16},
        {"Record1", "Record/", 4},
        {"SizeTable1", "SizeTable/", 6},
    };
    for (const auto &tool : tools) {
        SCOPED_TRACE(tool.action);
        const std::size_t before = readings_.size();
        find<QAction>(tool.action)->trigger();
        ASSERT_EQ(readings_.size(), before + 1);
        EXPECT_EQ(readings_.back().size(), tool.keys);
        for (const std::string &name : readings_.back())
            EXPECT_EQ(name.rfind(tool.section, 0), 0u) << name;
        // Opened again, it is only raised.
        find<QAction>(tool.action)->trigger();
        EXPECT_EQ(readings_.size(), before + 1);
    }
    // What the readings gave is what the windows show.
    EXPECT_FALSE(find<QAction>("ShowWetBulb")->isChecked());
    EXPECT_EQ(find<QDoubleSpinBox>("AspectLimit")->value(), 3.5);
    auto *record = form_->findChild<app::record::RecordForm *>();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->titleBlock().project, QStringLiteral("○○ビル"));
}

} // namespace
