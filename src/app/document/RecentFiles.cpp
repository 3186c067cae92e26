#include "app/document/RecentFiles.h"

namespace app::document {

void RecentFiles::use(const QString &path)
{
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > Cap)
        paths_.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    paths_.removeAll(path);
}

void RecentFiles::restore(const QStringList &paths)
{
    paths_.clear();
    for (const QString &path : paths) {
        if (!path.isEmpty() && !paths_.contains(path) && paths_.size() < Cap)
            paths_.append(path);
    }
}

} // namespace app::document
