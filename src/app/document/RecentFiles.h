#pragma once

#include <QStringList>

// The files of the menu "最近使ったファイル": the last opened or saved first,
// each once, at most eight.
namespace app::document {

class RecentFiles
{
public:
    static constexpr int Cap = 8;

    const QStringList &paths() const { return paths_; }
    // Puts `path` first (moving it when listed already) and drops what
    // falls beyond the cap.
    void use(const QString &path);
    void remove(const QString &path);
    // The stored list: empty entries and repeats go, the first eight stay.
    void restore(const QStringList &paths);

private:
    QStringList paths_;
};

} // namespace app::document
