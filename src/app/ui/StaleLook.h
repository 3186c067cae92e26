#pragma once

#include <QString>

class QLineEdit;

namespace app::ui {

// The hint of a result that no longer matches the inputs beside it.
QString StaleHint();

// How a result field shows that it is stale, or current again: the dynamic
// property "stale" (true or false) for style sheets and for whoever reads
// the page, the look every page shares, grey italic text, and the stale hint
// as the field's description for screen readers. The text itself, the
// background and the field's own tooltip are left as they are (the tooltip
// shown while it is stale is ResultFreshness's).
void ShowStale(QLineEdit *field, bool stale);

} // namespace app::ui
