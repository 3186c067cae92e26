#include "app/Settings.h"

#include "app/D_Kokei.h"
#include "app/files/FileTexts.h"
#include "app/settings/SettingsSchema.h"
#include "app/ui/CalcPage.h"
#include "app/ui/MessageBoxes.h"

#include <QFile>

namespace app {

settings::Schema WindowSettings(TDuctForm &form)
{
    settings::Schema schema(form.settingsKeys());
    for (ui::CalcPage *page : form.pages())
        schema.add(page->settingsKeys());
    return schema;
}

void LoadSettings(TDuctForm &form, const std::string &file)
{
    settings::Schema schema = WindowSettings(form);
    schema.add(form.documentKeys());
    settings::Load(schema, file, form.settingsReader());
}

bool SaveSettings(TDuctForm &form, const std::string &file)
{
    // All keys in one replace of the file: its bytes are those of the keys
    // written one by one, and a crash leaves the old file or the new one.
    // The feature windows' sections rank after the window's keys.
    settings::Schema schema = WindowSettings(form);
    schema.add(form.documentKeys());
    schema.add(form.featureSettingsKeys());
    if (!settings::Save(schema, file).written) {
        ui::ShowFailure(&form, QFile::decodeName(QByteArray::fromStdString(file)) +
                                   QString::fromUtf8(files::texts::CannotWrite));
        return false;
    }
    return true;
}

} // namespace app
