#include "app/ui/ProgramChange.h"

#include "app/ui/ResultFreshness.h"

#include <exception>

namespace app::ui {

void ProgramChanges::noteWritten(QLineEdit *field)
{
    if (innermost_ && !innermost_->written_.contains(field))
        innermost_->written_.append(field);
}

void ProgramChanges::ended(const QList<QObject *> &causes, const QList<QLineEdit *> &written,
                           bool failed)
{
    if (causes.isEmpty() && !failed)
        return; // an Enter or a calculation that completed: nothing to undo
    for (ResultFreshness *page : pages_)
        page->programChangeEnded(causes, written, failed);
}

ProgramChange::ProgramChange(ProgramChanges &changes, const QList<QObject *> &causes)
    : changes_(changes), causes_(causes), outer_(changes.innermost_),
      uncaught_(std::uncaught_exceptions())
{
    changes_.innermost_ = this;
}

ProgramChange::~ProgramChange()
{
    changes_.innermost_ = outer_;
    // Unwinding past the scope: the change stopped half way.
    const bool failed = std::uncaught_exceptions() > uncaught_;
    changes_.ended(causes_, written_, failed);
    // An outer scope that fails later leaves these writes unfinished too.
    if (outer_ && !failed)
        outer_->written_.append(written_);
}

} // namespace app::ui
