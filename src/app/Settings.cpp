#include "app/Settings.h"

#include "air/AirPage.h"
#include "app/D_Kokei.h"
#include "app/IniFile.h"
#include "app/IniSyntax.h"
#include "app/MessageBoxes.h"
#include "flow/DuctPage.h"
#include "outlet/OutletPage.h"
#include "pipe/PipePage.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <optional>
#include <string>

namespace settings {

namespace {

// Defaults of the keys that have one.
constexpr int DefaultOutletType = 0;       // "VHS"
constexpr int DefaultDuctMaterial = 5;     // "亜鉛鉄板（板状で縦方向に継目）"
constexpr int DefaultSecondProperty = 0;   // "湿球温度"
constexpr int DefaultPipeMaterial = 2;     // "錆びた鋼管"
constexpr int DefaultWaterTemperature = 2; // 20 ℃
constexpr int DefaultPipeSize = 2;         // nominal 20
constexpr int DefaultPage = 0;             // the duct page

class File
{
public:
    explicit File(const std::string &path) : path_(path) {}

    // The key's integer; nothing when it is missing or no valid integer.
    std::optional<int> integer(const char *section, const char *key) const
    {
        const auto text = ini::ReadString(path_, section, key);
        return text ? ini::ParseInteger(*text) : std::nullopt;
    }

    // A value within [0, count), else the default.
    int index(const char *section, const char *key, int count, int fallback) const
    {
        const auto v = integer(section, key);
        return v && *v >= 0 && *v < count ? *v : fallback;
    }

    bool write(const char *section, const char *key, int value) const
    {
        return ini::WriteInteger(path_, section, key, value);
    }

private:
    std::string path_;
};

// The window keeps a stored position only when its title bar would be on a
// screen; a position from a screen that is gone would hide it.
bool reachable(const QPoint &topLeft, const QSize &size)
{
    const QRect titleBar(topLeft, QSize(size.width(), 24));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleBar);
        if (visible.width() >= 40 && visible.height() >= 8)
            return true;
    }
    return false;
}

void restorePosition(TDuctForm &form, const File &file)
{
    const auto left = file.integer("Window", "Left");
    const auto top = file.integer("Window", "Top");
    if (!left && !top)
        return; // stays centred
    const QPoint stored(left.value_or(form.x()), top.value_or(form.y()));
    if (reachable(stored, form.frameGeometry().size()))
        form.move(stored);
}

// Checking a button that was not checked runs its handler (through its
// toggled signal); a stored "false" only unchecks it, even when that leaves
// neither button of its pair checked.
void restoreCheck(QRadioButton *button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    if (checked) {
        button->setChecked(true);
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void restoreTruth(const File &file, const char *key, bool fallback, QRadioButton *button)
{
    const auto v = file.integer("Button", key);
    restoreCheck(button, v ? *v != 0 : fallback);
}

void select(QComboBox *list, int index)
{
    const QSignalBlocker quiet(list); // a restored selection runs no handler
    list->setCurrentIndex(index);
}

} // namespace

void LoadSettings(TDuctForm &form, const std::string &path)
{
    const File file(path);
    OutletPage &outlets = *form.outlets();
    PipePage &pipe = *form.pipe();
    const SharedControls &shared = form.shared();

    restorePosition(form, file);
    select(outlets.ComboBox1, file.index("AG", "VHS", OutletPage::TypeCount, DefaultOutletType));
    for (int i = 0; i < OutletPage::TypeCount; ++i) {
        const std::string key = "Kaiko" + std::to_string(i);
        outlets.setOpeningRatio(
            i, file.integer("AG", key.c_str())
                   .value_or(OutletPage::DefaultOpeningRatios[static_cast<size_t>(i)]));
    }
    select(form.duct()->D_Syrui,
           file.index("Duct", "DStyle", form.duct()->D_Syrui->count(), DefaultDuctMaterial));
    select(form.air()->SelectBox,
           file.index("Air", "SelBox", form.air()->SelectBox->count(), DefaultSecondProperty));
    select(pipe.Syrui, file.index("Pipe", "PStyle", pipe.Syrui->count(), DefaultPipeMaterial));
    select(pipe.Ond, file.index("Pipe", "Temp", pipe.Ond->count(), DefaultWaterTemperature));
    select(pipe.P_Size, file.index("Pipe", "PSize", pipe.P_Size->count(), DefaultPipeSize));
    {
        const QSignalBlocker quiet(form.pageControl()); // the page handler runs later
        form.pageControl()->setCurrentIndex(
            file.index("Page", "ActPage", form.pageControl()->count(), DefaultPage));
    }
    restoreTruth(file, "K1", true, shared.ssButton1);
    restoreTruth(file, "K2", false, shared.ssButton2);
    restoreTruth(file, "B1", true, shared.TaniButton1);
    restoreTruth(file, "B2", false, shared.TaniButton2);
}

bool SaveSettings(TDuctForm &form, const std::string &path)
{
    const File file(path);
    const OutletPage &outlets = *form.outlets();
    const PipePage &pipe = *form.pipe();
    const SharedControls &shared = form.shared();

    struct Entry
    {
        const char *section;
        std::string key;
        int value;
    };
    std::vector<Entry> entries = {
        {"Window", "Left", form.x()},
        {"Window", "Top", form.y()},
        {"Duct", "DStyle", form.duct()->D_Syrui->currentIndex()},
        {"Air", "SelBox", form.air()->SelectBox->currentIndex()},
        {"Pipe", "PStyle", pipe.Syrui->currentIndex()},
        {"Pipe", "Temp", pipe.Ond->currentIndex()},
        {"Pipe", "PSize", pipe.P_Size->currentIndex()},
        {"Page", "ActPage", form.pageControl()->currentIndex()},
        {"AG", "VHS", outlets.ComboBox1->currentIndex()},
    };
    for (int i = 0; i < OutletPage::TypeCount; ++i)
        entries.push_back({"AG", "Kaiko" + std::to_string(i), outlets.openingRatio(i)});
    entries.push_back({"Button", "B1", shared.TaniButton1->isChecked() ? 1 : 0});
    entries.push_back({"Button", "B2", shared.TaniButton2->isChecked() ? 1 : 0});
    entries.push_back({"Button", "K1", shared.ssButton1->isChecked() ? 1 : 0});
    entries.push_back({"Button", "K2", shared.ssButton2->isChecked() ? 1 : 0});

    for (const Entry &e : entries) {
        if (!file.write(e.section, e.key.c_str(), e.value)) {
            msg::ShowFailure(&form, QFile::decodeName(QByteArray::fromStdString(path)) +
                                        QStringLiteral(" に書き込めません"));
            return false;
        }
    }
    return true;
}

} // namespace settings
