#pragma once

#include "app/record/journal/JournalFile.h"
#include "app/ui/CalculationRecord.h"

#include <QList>
#include <QObject>
#include <QString>

#include <deque>
#include <memory>
#include <string>

namespace app::record {

// The calculation record: every calculation the pages completed, newest last,
// kept in a journal file in `folder` (one JSON line per record, note,
// deletion or clear-all; see journal/JournalLine.h) and read back at the next
// start.
//
// Nothing here ever stops a calculation: a folder that cannot be written
// keeps the records in memory for the session and says so through problem().
// The file is read at the first use or, at the latest, once the event loop
// runs after construction, so building the window does not wait for it; a
// window that must not wait for it before its first frame either asks for it
// later itself (Reading::WhenAsked).
class Journal : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultCap = 10000;

    enum class Reading {
        OnEventLoop, // at the first use, or once the event loop runs
        WhenAsked,   // only at the first use (load() included)
    };

    // The user's data folder for the program (QStandardPaths::AppLocalDataLocation).
    static QString defaultFolder();

    explicit Journal(const QString &folder, QObject *parent = nullptr, int cap = DefaultCap,
                     Reading reading = Reading::OnEventLoop);
    ~Journal() override;

    // Keeps the record and appends it to the file at once (one write, no
    // fsync: the line is with the operating system when this returns). The
    // oldest record goes when the cap is reached. A record that names no
    // document gets the name of the open one (setDocumentName).
    void append(const ui::CalculationRecord &record);

    // The work document open now, which every record made from now on
    // carries: its file's name as the window titles show it
    // (its file name). Empty when no document is open and while the open
    // one is untitled: such records carry no name (and stay lines that older
    // versions of the program read), where the untitled name would name no document
    // in particular.
    void setDocumentName(const QString &name);
    QString documentName() const { return documentName_; }

    // The first use of any of the queries below reads the file (load()).
    int count();
    const ui::CalculationRecord &at(int row);
    void setNote(int row, const QString &note);
    void remove(QList<int> rows);
    void clear();
    int cap() const { return cap_; }

    // Empty while every record is saved; otherwise one sentence for the
    // window: why the record is not being saved.
    QString problem();
    // What reading the file at the start found (damaged lines set aside, or a
    // file that could not be read); empty when all was well. Setting lines
    // aside and dropping records beyond the cap from the file wait until the
    // event loop runs after the start, or until this is asked: asking does
    // them now and rewrites the file.
    QString startNotice();

    QString filePath() const;
    QString damagedFilePath() const;

    // Reads the file now unless it has been read already.
    void load();
    bool isLoaded() const { return loaded_; }

signals:
    void aboutToInsert(int row);
    void inserted();
    void aboutToRemove(int first, int last);
    void removed();
    void noteChanged(int row);
    void aboutToReset();
    void wasReset();
    // problem() changed.
    void problemChanged();

private:
    struct Item
    {
        std::string id;
        ui::CalculationRecord record;
    };

    void readFile();
    void maintain();
    QString damagedNotice(std::size_t damaged, std::size_t future, bool setAside) const;
    void compact();
    void write(std::string line);
    void flush();
    void setProblem(const QString &text);
    void removeRange(int first, int last);

    QString folder_;
    int cap_;
    bool loaded_ = false;
    bool readOnly_ = false;       // the file exists but could not be read: never touch it
    bool maintenanceDue_ = false; // damaged lines to set aside, or records beyond the cap
    std::unique_ptr<journal::JournalFile> file_;
    QList<Item> items_;
    std::deque<std::string> pending_; // lines not yet written
    std::size_t linesInFile_ = 0;
    std::size_t compactAt_; // the file is written anew past this many lines
    QString problem_;
    QString startNotice_;
    QString documentName_;
};

} // namespace app::record
