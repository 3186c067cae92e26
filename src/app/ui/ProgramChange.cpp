#include "app/ui/ProgramChange.h"

#include "app/ui/ResultFreshness.h"

#include <exception>

namespace app::ui {

namespace {

// The innermost open scope; the window has one thread.
ProgramChange *innermost = nullptr;

} // namespace

ProgramChange::ProgramChange(const QList<QObject *> &causes)
    : causes_(causes), outer_(innermost), uncaught_(std::uncaught_exceptions())
{
    innermost = this;
}

ProgramChange::~ProgramChange()
{
    innermost = outer_;
    // Unwinding past the scope: the change stopped half way.
    const bool failed = std::uncaught_exceptions() > uncaught_;
    ResultFreshness::programChangeEnded(causes_, written_, failed);
    // An outer scope that fails later leaves these writes unfinished too.
    if (outer_ && !failed)
        outer_->written_.append(written_);
}

bool ProgramChange::active()
{
    return innermost != nullptr;
}

void ProgramChange::noteWritten(QLineEdit *field)
{
    if (innermost && !innermost->written_.contains(field))
        innermost->written_.append(field);
}

} // namespace app::ui
