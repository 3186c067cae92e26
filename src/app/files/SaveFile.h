#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

// Writing a file from the Qt side. What a Qt writer makes (QImage::save,
// QSvgGenerator, QPdfWriter, bytes of a text) is made in memory first and
// then takes the target's place in one step (fileio::WriteFile): a failure
// leaves the old file as it was and nothing beside it, and says why.
namespace app::files {

struct SaveResult
{
    bool saved = false;
    QString reason; // why not, in a few words; empty when saved

    explicit operator bool() const { return saved; }
};

// Saves `bytes` as the file at `path` (a path as Qt gives it; links are
// followed, so a link stays and its target is replaced).
[[nodiscard]] SaveResult SaveBytes(const QString &path, QByteArrayView bytes);

// Hands `write` a device open for writing and saves what it wrote, as
// SaveBytes. Nothing is saved when `write` returns false (the writer could
// not make the document).
[[nodiscard]] SaveResult SaveWith(const QString &path,
                                  const std::function<bool(QIODevice &)> &write);

// A failure's errno value in a few words.
QString ReasonText(int error);

} // namespace app::files
