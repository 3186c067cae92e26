#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

class QLineEdit;
class QWidget;

namespace app::ui {

class ProgramChanges;

// Which result fields of a page still match what the page shows. Each
// result belongs to the calculations that write it. When anything such a
// calculation reads changes afterwards (a field's text, typed, pasted or
// written by another handler; a list selection; a radio button, check box
// or group of them, shared ones included), its results are stale until a
// completed calculation writes them again. The program's own changes
// (ProgramChange, on the window's ProgramChanges) make nothing stale.
//
// A stale result is shown as such (StaleLook), and its tooltip says why,
// while its field is read-only and not empty: a field that a calculation both reads and writes is a
// result only while it is read-only, and an empty field shows nothing to
// mistake for a current value. The texts never change because of this.
class ResultFreshness : public QObject
{
    Q_OBJECT

public:
    // One page's record, among the window's `changes`.
    ResultFreshness(ProgramChanges &changes, QObject *parent = nullptr);
    ~ResultFreshness() override;

    // A calculation that reads `reads` (fields, lists, buttons, or widgets
    // holding a group of buttons) and writes the fields among `writes`.
    void addCalculation(const QList<QWidget *> &reads, const QList<QWidget *> &writes);
    // A calculation completed: the fields it wrote are current.
    void calculated(const QList<QWidget *> &written);
    // Results that a completed calculation could not base on what the page
    // shows: stale until they are written again.
    void markStale(const QList<QWidget *> &results);

    // Whether a field shows a stale result now.
    bool isStale(const QLineEdit *field) const;

    // A ProgramChange of the window ended: the causes it names are no
    // reasons any more; after a failure what it wrote and what depends on its
    // causes are stale.
    void programChangeEnded(const QList<QObject *> &causes, const QList<QLineEdit *> &written,
                            bool failed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Calculation
    {
        QList<QObject *> reads;
        QList<QLineEdit *> writes;
    };

    // Connects to what signals a change of a read control.
    void watch(QWidget *control);
    void readChanged(QObject *control);
    void resultWritten(QLineEdit *field);
    void addReason(QLineEdit *field, const void *reason);
    void dropReasons(const QList<QObject *> &reasons);
    // Brings the field's look in line with its state.
    void refresh(QLineEdit *field);

    ProgramChanges &changes_;
    QList<Calculation> calculations_;
    QSet<QObject *> watched_;
    // Why each result is not current: the read controls that changed since
    // it was written, or a marker for a change that was never completed.
    QHash<const QLineEdit *, QSet<const void *>> reasons_;
};

} // namespace app::ui
