#pragma once

#include "app/document/RecoveryCopy.h"
#include "document/Document.h"
#include "losssheet/SheetUnits.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The open work document on the window side: one at a time, owned by the main
// window and handed to the feature windows that show it. It knows its file
// (none while untitled), its name for the titles, and whether it changed since
// it was opened or saved; every change is kept in the recovery copy within two
// seconds.
namespace app::document {

class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(QObject *parent = nullptr);
    ~Session() override;

    const ::document::Document &document() const { return work_.document; }
    // For the windows that edit it: each edit is followed by changed().
    ::document::Document &document() { return work_.document; }
    // The document was edited: it is modified, and the recovery copy follows.
    void changed();

    const QString &path() const { return work_.path; }
    bool isModified() const { return work_.modified; }
    // texts::Untitled or the file's name (事務所ビル.zefra).
    QString displayName() const;
    // The name with the modified mark: 事務所ビル.zefra*.
    QString markedName() const;
    // A document window's title: the caption, texts::NameSeparator, the
    // marked name.
    QString windowTitle(const QString &caption) const;

    // The unit system of the window, in which the loss sheets' sizing
    // targets are held (document::Read, Write).
    ::losssheet::UnitSystem units() const { return units_; }
    void setUnits(::losssheet::UnitSystem units) { units_ = units; }
    // The systems' targets converted into `units`, as a switch of units
    // converts them in the loss sheet window, which is not open.
    void convertUnits(::losssheet::UnitSystem units);

    // How a new chart's atmosphere is chosen: the moist-air page's pressure
    // choice, once the window gives it.
    void setAtmosphereSource(std::function<::document::Atmosphere()> source);
    ::document::Chart newChart(const std::string &name) const;

    // A new untitled document with `title` and one chart.
    void startNew(const ::document::TitleBlock &title);
    // The whole document replaced (opened, recovered).
    void replace(Work work);
    // Saves to `path`; on success that is the document's file and it is no
    // longer modified. Empty on success, else why not (nothing changes).
    QString saveTo(const QString &path);

    // The recovery copy's file (the user's data folder); empty for none.
    void setRecoveryFile(const QString &file);
    const QString &recoveryFile() const { return writer_.file(); }
    // Writes the copy at once and waits (closing), and waits for the copy
    // under way (tests).
    void keepNow();
    void waitForCopy() { writer_.wait(); }
    // Whether a copy is due (a change not yet handed to the writer).
    bool copyPending() const { return timer_.isActive(); }

    // The title block used last, for the next new document.
    const ::document::TitleBlock &lastTitle() const { return lastTitle_; }
    void setLastTitle(const ::document::TitleBlock &title) { lastTitle_ = title; }

signals:
    // The whole document is another (new, opened, recovered): windows show
    // it anew.
    void replaced();
    // The name or the modified mark changed: titles follow.
    void displayNameChanged(const QString &markedName);
    void recoveryWritten(const QString &problem);

private:
    void scheduleCopy();
    void copyNow();
    void announceName();

    Work work_;
    ::losssheet::UnitSystem units_ = ::losssheet::UnitSystem::Conventional;
    std::function<::document::Atmosphere()> atmosphere_;
    ::document::TitleBlock lastTitle_;
    RecoveryWriter writer_;
    QTimer timer_;
    QString lastAnnounced_;
};

} // namespace app::document
