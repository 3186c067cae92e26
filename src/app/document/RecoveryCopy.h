#pragma once

#include "document/Document.h"
#include "losssheet/SheetUnits.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <optional>

// The recovery copy: the open document as it is now, with what it takes to
// put it back as it was (its file's path, if it has one, and whether it was
// modified), kept in the user's data folder and never over the user's file.
namespace app::document {

struct Work
{
    ::document::Document document;
    QString path; // empty while untitled
    bool modified = false;
};

// The copy's bytes: the document file with one member of the program's own
// at its end ("zefraRecovery": path and modified), which reading takes out
// again. Empty with a problem when the document cannot be written.
struct RecoveryBytes
{
    QByteArray bytes;
    QString problem;
};
RecoveryBytes RecoveryCopyBytes(const Work &work, ::losssheet::UnitSystem units);

struct RecoveryRead
{
    bool found = false;       // there was a copy
    std::optional<Work> work; // what it holds, when it could be read
    QString problem;          // why not, when found without work
};
RecoveryRead ReadRecoveryCopy(const QString &file, ::losssheet::UnitSystem units);

// Renames a damaged copy beside itself ("….damaged-20250602-101500") so that
// the next copy does not replace it; the new name, or empty when it could
// not be renamed.
QString SetAside(const QString &file);

// Writes copies on a thread of its own, one at a time and only the newest:
// the window's thread only hands over a copy of the document.
class RecoveryWriter : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryWriter(QObject *parent = nullptr);
    ~RecoveryWriter() override; // waits for the write under way

    void setFile(const QString &file) { file_ = file; }
    const QString &file() const { return file_; }
    // Starts writing `work`; a copy handed over later replaces it if it has
    // not started yet.
    void write(Work work, ::losssheet::UnitSystem units);
    // Writes `work` now and waits for it (the window closing).
    bool writeNow(const Work &work, ::losssheet::UnitSystem units);
    // Waits until every copy handed over is written.
    void wait();

signals:
    // After each write, on the window's thread: empty when written, else why not.
    void written(const QString &problem);

private:
    QString file_;
    QThreadPool pool_;
    std::atomic<unsigned long long> newest_{0};
};

} // namespace app::document
