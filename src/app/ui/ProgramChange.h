#pragma once

#include <QList>

class QLineEdit;
class QObject;

namespace app::ui {

// A scope for the program's own changes of what the pages show: the
// settings restore, a unit switch converting the values shown, a
// calculation writing its fields (the evaluated field included). While one
// is open, no change makes a result stale (ResultFreshness): the program
// keeps what it writes consistent itself.
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
    explicit ProgramChange(const QList<QObject *> &causes = {});
    ~ProgramChange();
    ProgramChange(const ProgramChange &) = delete;
    ProgramChange &operator=(const ProgramChange &) = delete;

    // Whether the program is changing the pages now.
    static bool active();
    // A result field was written under the innermost open scope.
    static void noteWritten(QLineEdit *field);

private:
    QList<QObject *> causes_;
    QList<QLineEdit *> written_;
    ProgramChange *outer_;
    int uncaught_;
};

} // namespace app::ui
