#include "app/ui/ResultFreshness.h"

#include "app/ui/ProgramChange.h"
#include "app/ui/StaleLook.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolTip>

#include <algorithm>

namespace app::ui {

namespace {

// The reason of a result that is stale without a read that changed: a
// program change that stopped half way, or a calculation that could not
// read what the page shows.
const char Unfinished = 0;

// The buttons whose toggles change an option: a radio button and the rest of
// its exclusive set (a pair restored with neither button checked changes
// without a toggle of the first), a check box, or every button a container
// holds (a group of pressure choices).
QList<QAbstractButton *> buttonsOf(QWidget *control)
{
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!button)
        return control->findChildren<QAbstractButton *>();
    if (QButtonGroup *group = button->group())
        return group->buttons();
    QList<QAbstractButton *> set{button};
    auto *radio = qobject_cast<QRadioButton *>(button);
    if (radio && radio->autoExclusive() && radio->parentWidget()) {
        for (QRadioButton *other :
             radio->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
            if (other != radio && other->autoExclusive() && !other->group())
                set.append(other);
        }
    }
    return set;
}

} // namespace

ResultFreshness::ResultFreshness(ProgramChanges &changes, QObject *parent)
    : QObject(parent), changes_(changes)
{
    changes_.pages_.append(this);
}

ResultFreshness::~ResultFreshness()
{
    changes_.pages_.removeOne(this);
}

void ResultFreshness::addCalculation(const QList<QWidget *> &reads, const QList<QWidget *> &writes)
{
    Calculation calculation;
    for (QWidget *control : reads) {
        calculation.reads.append(control);
        watch(control);
    }
    for (QWidget *control : writes) {
        auto *field = qobject_cast<QLineEdit *>(control);
        if (!field)
            continue;
        calculation.writes.append(field);
        if (reasons_.contains(field))
            continue;
        reasons_.insert(field, {});
        field->setProperty("stale", false);
        connect(field, &QLineEdit::textChanged, this, [this, field] { resultWritten(field); });
        // Its read-only state changes under the page's option handlers; its
        // hint depends on its state.
        field->installEventFilter(this);
    }
    calculations_.append(calculation);
}

void ResultFreshness::watch(QWidget *control)
{
    if (watched_.contains(control))
        return;
    watched_.insert(control);
    const auto changed = [this, control] { readChanged(control); };
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        connect(field, &QLineEdit::textChanged, this, changed);
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        connect(list, &QComboBox::currentIndexChanged, this, changed);
    } else {
        for (QAbstractButton *button : buttonsOf(control))
            connect(button, &QAbstractButton::toggled, this, changed);
    }
}

void ResultFreshness::readChanged(QObject *control)
{
    if (changes_.active())
        return;
    for (const Calculation &calculation : calculations_) {
        if (!calculation.reads.contains(control))
            continue;
        for (QLineEdit *field : calculation.writes)
            addReason(field, control);
    }
}

void ResultFreshness::resultWritten(QLineEdit *field)
{
    if (changes_.active())
        changes_.noteWritten(field);
    refresh(field); // it may have become empty, or no longer be
}

void ResultFreshness::calculated(const QList<QWidget *> &written)
{
    for (QWidget *control : written) {
        auto *field = qobject_cast<QLineEdit *>(control);
        const auto reasons = reasons_.find(field);
        if (reasons == reasons_.end())
            continue;
        reasons->clear();
        refresh(field);
    }
}

void ResultFreshness::markStale(const QList<QWidget *> &results)
{
    for (QWidget *control : results) {
        if (auto *field = qobject_cast<QLineEdit *>(control); field && reasons_.contains(field))
            addReason(field, &Unfinished);
    }
}

void ResultFreshness::addReason(QLineEdit *field, const void *reason)
{
    reasons_[field].insert(reason);
    refresh(field);
}

void ResultFreshness::dropReasons(const QList<QObject *> &reasons)
{
    for (auto it = reasons_.begin(); it != reasons_.end(); ++it) {
        bool dropped = false;
        for (const QObject *reason : reasons)
            dropped = it->remove(reason) || dropped;
        if (dropped)
            refresh(const_cast<QLineEdit *>(it.key()));
    }
}

void ResultFreshness::programChangeEnded(const QList<QObject *> &causes,
                                         const QList<QLineEdit *> &written, bool failed)
{
    dropReasons(causes);
    if (!failed)
        return;
    for (QLineEdit *field : written) {
        if (reasons_.contains(field))
            addReason(field, &Unfinished);
    }
    for (const Calculation &calculation : calculations_) {
        const bool readsCause = std::any_of(causes.begin(), causes.end(), [&](QObject *cause) {
            return calculation.reads.contains(cause);
        });
        if (!readsCause)
            continue;
        for (QLineEdit *field : calculation.writes)
            addReason(field, &Unfinished);
    }
}

bool ResultFreshness::isStale(const QLineEdit *field) const
{
    const auto reasons = reasons_.constFind(field);
    return reasons != reasons_.constEnd() && !reasons->isEmpty() && field->isReadOnly() &&
           !field->text().trimmed().isEmpty();
}

void ResultFreshness::refresh(QLineEdit *field)
{
    const bool stale = isStale(field);
    if (field->property("stale").toBool() != stale)
        ShowStale(field, stale);
}

bool ResultFreshness::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || !reasons_.contains(field))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ReadOnlyChange) {
        refresh(field);
    } else if (event->type() == QEvent::ToolTip && isStale(field)) {
        // The stale hint stands in for the field's own, which the page keeps
        // setting as the field's role changes and which comes back as soon
        // as the result is current again.
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), StaleHint(), field);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app::ui
