#include "app/SettingsLocation.h"

#include "app/settings/SettingsPlace.h"

#include <QFile>
#include <QStandardPaths>

namespace app {

std::string UserSettingsFile()
{
    // The application name is "Zefra"; the folder is lower case, as the
    // program's other installed names are.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return {};
    return QFile::encodeName(base + QStringLiteral("/zefra/zefra.ini")).toStdString();
}

std::string DefaultSettingsFile()
{
    return settings::ChooseSettingsFile(settings::ExecutablePath(), UserSettingsFile());
}

void MakeUserFolderFor(const std::string &file)
{
    if (file == UserSettingsFile())
        settings::MakeFolderFor(file);
}

} // namespace app
