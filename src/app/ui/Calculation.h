#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QWidget;

namespace app::ui {

// One run of a calculation: the field whose Enter started it.
struct Run
{
    QWidget *sender = {};
};

// Whether something belongs to a run, judged from the page's state and the
// run; the page's state is the same before and after a run.
using RunCondition = std::function<bool(const Run &)>;

// A field, list or button that a calculation reads or writes, and the runs
// it belongs to: every run, or those that meet the condition (the sides of
// a rectangle only, the fixed side only when it is fixed).
struct FieldUse
{
    FieldUse(QWidget *used, RunCondition condition = {}) : control(used), when(std::move(condition))
    {
    }

    bool belongsTo(const Run &run) const { return !when || when(run); }

    QWidget *control;
    RunCondition when;
};

// How a run ended, as its routine says.
struct Ending
{
    enum class Kind {
        Completed, // it wrote its results, with or without a warning
        NotRun,    // it waits for something first (with the fixed side on, the side)
        Failed,    // it stopped on a failure, which it has shown
    };

    static Ending completed(const QString &warning = {}) { return {Kind::Completed, warning}; }
    static Ending notRun() { return {Kind::NotRun, {}}; }
    static Ending failed() { return {Kind::Failed, {}}; }

    Kind kind = Kind::Completed;
    // The warning it completed with, already shown; it goes into the record.
    QString warning;
    // False when it completed from something other than what the page shows
    // (the moist-air page's previous pressure): its results are stale at once.
    bool resultsCurrent = true;
};

// A calculation of a page, declared once. The page's Enter rules, its stale
// marks, its records and CalcPage::calculations() are all made from this.
// Every member has a default, so that a declaration names only what it has.
struct Calculation
{
    QString caption = {}; // what the page calls it (its section's title)
    // The record's title of a run (the caption with the sizing basis in
    // brackets); none: the caption.
    std::function<QString(const Run &)> title = {};
    // In the record's order: the inputs and options, then the results. A
    // change of any read makes the results of the writes stale.
    QList<FieldUse> reads = {};
    QList<FieldUse> writes = {};
    // The fields whose Enter runs it.
    QList<QWidget *> enter = {};
    // The page's Enter handler of those fields, by its given name
    // (S_FryoKeyPress, Edit26KeyPress, entEditKeyPress, Edit1KeyPress); it
    // runs the calculation through CalcPage::CalculateFrom. None: Enter runs
    // the calculation directly.
    std::function<void(QWidget *sender)> keyPress = {};
    // Does the work, shows its warnings and failures, and says how it ended.
    std::function<Ending(const Run &)> routine = {};
};

} // namespace app::ui
