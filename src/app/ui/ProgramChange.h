#pragma once

#include <QList>

class QLineEdit;
class QObject;

namespace app::ui {

class ProgramChange;
class ResultFreshness;

// The program's own changes of one window's pages: the scope open now and
// the pages' records of which results are current. The window owns one and
// hands it to its pages, so that two windows in one process never change
// each other's stale marks, and a scope opened by one window leaves what the
// user does in another as it is.
class ProgramChanges
{
public:
    ProgramChanges() = default;
    ProgramChanges(const ProgramChanges &) = delete;
    ProgramChanges &operator=(const ProgramChanges &) = delete;

    // Whether the program is changing the window's pages now.
    bool active() const { return innermost_ != nullptr; }
    // A result field was written under the innermost open scope.
    void noteWritten(QLineEdit *field);

private:
    friend class ProgramChange;
    friend class ResultFreshness;

    // A scope ended: every page of the window takes back its causes as
    // reasons, and after a failure marks what depends on them.
    void ended(const QList<QObject *> &causes, const QList<QLineEdit *> &written, bool failed);

    ProgramChange *innermost_ = {}; // the window has one thread
    QList<ResultFreshness *> pages_;
};

// A scope for the program's own changes of what a window's pages show: the
// settings restore, a unit switch converting the values shown, a
// calculation writing its fields (the evaluated field included). While one
// is open, no change makes a result of that window stale (ResultFreshness):
// the program keeps what it writes consistent itself.
//
// A change that a control starts through its own signal, such as the unit
// switch that a unit button's toggle runs, is named by its causes: the
// toggle reaches the pages before the switch opens its scope, so when the
// scope completes, the causes are taken back as reasons for staleness. When
// it ends in a failure instead, the results written under it and those of
// every calculation that reads a cause are stale, since part of the change
// was never made.
class ProgramChange
{
public:
    explicit ProgramChange(ProgramChanges &changes, const QList<QObject *> &causes = {});
    ~ProgramChange();
    ProgramChange(const ProgramChange &) = delete;
    ProgramChange &operator=(const ProgramChange &) = delete;

private:
    friend class ProgramChanges;

    ProgramChanges &changes_;
    QList<QObject *> causes_;
    QList<QLineEdit *> written_;
    ProgramChange *outer_;
    int uncaught_;
};

} // namespace app::ui
