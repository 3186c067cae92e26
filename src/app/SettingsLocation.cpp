#include "app/SettingsLocation.h"

#include "app/SettingsPlace.h"

#include <QFile>
#include <QStandardPaths>

namespace settings {

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
    return ini::ChooseSettingsFile(ini::ExecutablePath(), UserSettingsFile());
}

void MakeUserFolderFor(const std::string &file)
{
    if (file == UserSettingsFile())
        ini::MakeFolderFor(file);
}

} // namespace settings
