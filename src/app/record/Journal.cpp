#include "app/record/Journal.h"

#include "app/record/RecordConversion.h"
#include "app/record/journal/Replay.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <vector>

namespace app::record {

namespace {

const QString FileName = QStringLiteral("calculation-record.jsonl");
const QString DamagedFileName = QStringLiteral("calculation-record.damaged.jsonl");

// Lines waiting for a folder that cannot be written are kept up to this
// many; the records themselves stay in memory either way.
constexpr std::size_t PendingLimit = 20000;

std::string newId()
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(QRandomGenerator::global()->generate64()));
    return text;
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString Journal::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

Journal::Journal(const QString &folder, QObject *parent, int cap, Reading reading)
    : QObject(parent), folder_(folder), cap_(std::max(cap, 1)),
      compactAt_(2 * static_cast<std::size_t>(cap_))
{
    if (reading == Reading::OnEventLoop)
        QTimer::singleShot(0, this, [this] { load(); });
}

Journal::~Journal() = default;

QString Journal::filePath() const
{
    return QDir(folder_).filePath(FileName);
}

QString Journal::damagedFilePath() const
{
    return QDir(folder_).filePath(DamagedFileName);
}

void Journal::load()
{
    if (!loaded_)
        readFile();
}

void Journal::readFile()
{
    loaded_ = true;
    file_ = std::make_unique<journal::JournalFile>(QFile::encodeName(filePath()).toStdString());
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
        setProblem(tr("計算記録のフォルダー %1 を作れないため、計算記録は保存されていません。")
                       .arg(QDir::toNativeSeparators(folder_)));
        return;
    }

    bool read = false;
    std::vector<journal::Record> records;
    const bool updated = file_->update([&](std::string_view bytes) -> std::optional<std::string> {
        read = true;
        journal::ReadBack back = journal::Replay(bytes, static_cast<std::size_t>(cap_));
        linesInFile_ = back.lines;
        maintenanceDue_ = !back.damaged.empty() || back.beyondCap > 0 ||
                          back.lines > back.records.size() + cap_ / 2;
        records = std::move(back.records);
        return std::nullopt;
    });
    // Converted once the file's bytes are let go, each record freed as soon
    // as it is converted, so that the mapped file, the records as read and
    // the records as kept (some ten megabytes each for 10,000 records) never
    // all take memory at once.
    items_.reserve(static_cast<qsizetype>(records.size()));
    SharedTexts shared;
    for (journal::Record &r : records) {
        items_.append({r.id, FromJournal(r, shared)});
        r = {};
    }
    records = {};
    if (!updated && !read) {
        const int error = errno;
        if (QFileInfo::exists(filePath())) {
            readOnly_ = true; // never write to a file whose contents we do not know
            startNotice_ =
                tr("計算記録のファイル %1 を読めません（%2）。このファイルには手を付けず、"
                   "今回の計算記録は保存しません。")
                    .arg(QDir::toNativeSeparators(filePath()), reason(error));
            setProblem(tr("計算記録のファイルを読めないため、計算記録は保存されていません。"));
            return;
        }
    }
    flush();             // opens the file for appending, so that an unwritable one shows now
    if (maintenanceDue_) // after the start, once the event loop runs
        QTimer::singleShot(0, this, [this] { maintain(); });
}

// Sets damaged lines aside and writes the journal anew without them and
// without the records beyond the cap. Under the file's lock the journal is
// read once more, so that the side file gets exactly the lines that leave it
// and what another copy of the program appended in between stays.
void Journal::maintain()
{
    if (!maintenanceDue_)
        return;
    maintenanceDue_ = false;
    flush();
    const std::string side = QFile::encodeName(damagedFilePath()).toStdString();
    std::size_t damaged = 0, future = 0;
    std::optional<std::size_t> linesAfter; // once the journal is written anew
    const bool read = file_->update([&](std::string_view bytes) -> std::optional<std::string> {
        const journal::ReadBack back = journal::Replay(bytes, static_cast<std::size_t>(cap_));
        damaged = back.damaged.size();
        future = back.futureLines;
        // The side file is flushed to the disk before the lines leave the
        // journal; lines it already holds (a start that could not write the
        // journal anew) are not added again.
        if (damaged > 0 && !journal::SetAsideDurably(side, back.damaged))
            return std::nullopt; // they stay in the journal rather than being lost
        linesAfter = back.records.size();
        return journal::JournalText(back.records);
    });
    const bool setAside = read && linesAfter;
    if (setAside)
        linesInFile_ = *linesAfter;
    if (damaged > 0)
        startNotice_ = damagedNotice(damaged, future, setAside);
}

QString Journal::damagedNotice(std::size_t damaged, std::size_t future, bool setAside) const
{
    QString text =
        tr("計算記録のファイルに読めない行が %n 行ありました", nullptr, static_cast<int>(damaged));
    if (future > 0)
        text +=
            tr("（うち %n 行は新しい版の Zefra が書いたもの）", nullptr, static_cast<int>(future));
    if (setAside)
        text += tr("。これらの行は次のファイルに移しました:\n%1\n")
                    .arg(QDir::toNativeSeparators(damagedFilePath()));
    else
        text += tr("。これらの行を別のファイルに移せなかったため、記録のファイルに残してあります:"
                   "\n%1\n")
                    .arg(QDir::toNativeSeparators(filePath()));
    return text +
           tr("読めた %n 件の記録はそのまま使えます。", nullptr, static_cast<int>(items_.size()));
}

// Writes the journal anew with only the records it still holds: run when
// the file has grown well past the cap, and after a clear-all. Under the
// file's lock the journal is read once more, so that what other copies of the
// program appended stays, lines this version cannot read included.
void Journal::compact()
{
    flush(); // what is pending belongs in the file first
    if (pending_.empty() && !readOnly_) {
        std::optional<std::size_t> before, after; // lines in the file
        const bool replaced =
            file_->update([&](std::string_view current) -> std::optional<std::string> {
                const journal::ReadBack fresh =
                    journal::Replay(current, static_cast<std::size_t>(cap_));
                std::string text = journal::CompactedText(current, fresh);
                before = fresh.lines;
                after = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
                return text;
            });
        if (before)
            linesInFile_ = replaced ? *after : *before;
    }
    // Whatever came of it, the next try waits for another cap of lines: a
    // journal that cannot be written anew is not read again at every append.
    compactAt_ = std::max(2 * static_cast<std::size_t>(cap_), linesInFile_ + cap_);
}

void Journal::write(std::string line)
{
    if (readOnly_)
        return;
    pending_.push_back(std::move(line));
    if (pending_.size() > PendingLimit)
        pending_.pop_front();
    flush();
}

void Journal::flush()
{
    if (readOnly_)
        return;
    std::string lines;
    for (const std::string &line : pending_)
        lines += line;
    bool written = file_->append(lines);
    int error = errno;
    if (!written && error == ENOENT && QDir().mkpath(folder_)) { // the folder can be made again
        written = file_->append(lines);
        error = errno;
    }
    if (written) {
        linesInFile_ += pending_.size();
        pending_.clear();
        setProblem({});
        return;
    }
    if (problem_.isEmpty()) // the first reason stays: one message, not one per calculation
        setProblem(tr("計算記録を %1 に書き込めないため、計算記録は保存されていません（%2）。")
                       .arg(QDir::toNativeSeparators(filePath()), reason(error)));
}

void Journal::setProblem(const QString &text)
{
    if (problem_ == text)
        return;
    problem_ = text;
    emit problemChanged();
}

QString Journal::problem()
{
    load();
    return problem_;
}

QString Journal::startNotice()
{
    load();
    maintain(); // the notice tells what it did
    return startNotice_;
}

int Journal::count()
{
    load();
    return static_cast<int>(items_.size());
}

const ui::CalculationRecord &Journal::at(int row)
{
    load();
    return items_.at(row).record;
}

void Journal::append(const ui::CalculationRecord &record)
{
    load();
    Item item{newId(), record};
    if (!item.record.time.isValid())
        item.record.time = QDateTime::currentDateTime();
    if (item.record.document.isEmpty())
        item.record.document = documentName_;
    write(journal::EncodeLine(ToJournal(item.record, item.id)));

    if (count() >= cap_)
        removeRange(0, count() - cap_);
    const int row = count();
    emit aboutToInsert(row);
    items_.append(std::move(item));
    emit inserted();

    if (linesInFile_ > compactAt_)
        compact();
}

void Journal::setDocumentName(const QString &name)
{
    documentName_ = name;
}

void Journal::setNote(int row, const QString &note)
{
    load();
    Item &item = items_[row];
    if (item.record.note == note)
        return;
    item.record.note = note;
    write(journal::EncodeLine(journal::NoteChange{item.id, note.toStdString()}));
    emit noteChanged(row);
}

void Journal::removeRange(int first, int last)
{
    emit aboutToRemove(first, last);
    items_.remove(first, last - first + 1);
    emit removed();
}

void Journal::remove(QList<int> rows)
{
    load();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= count(); });
    if (rows.isEmpty())
        return;
    journal::Deletion deletion;
    for (int row : rows)
        deletion.ids.push_back(items_[row].id);
    write(journal::EncodeLine(deletion));
    // From the end, so that the rows before each range keep their numbers.
    for (qsizetype i = rows.size() - 1; i >= 0;) {
        qsizetype first = i;
        while (first > 0 && rows[first - 1] == rows[first] - 1)
            --first;
        removeRange(rows[first], rows[i]);
        i = first - 1;
    }
}

void Journal::clear()
{
    load();
    emit aboutToReset();
    items_.clear();
    emit wasReset();
    write(journal::EncodeLine(journal::ClearAll{}));
    compact(); // the cleared records leave the disk too
}

} // namespace app::record
