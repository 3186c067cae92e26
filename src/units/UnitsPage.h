#pragma once

#include "app/ui/CalcPage.h"
#include "units/UnitFactors.h"

class QLineEdit;

namespace units {

// The unit-conversion page (tab texts::PageCaption): eight rows, each converting a
// value between a conventional unit (left) and its SI unit (right).
class UnitsPage : public app::ui::CalcPage
{
    Q_OBJECT

public:
    UnitsPage(app::ui::FocusOrder &focus, app::ui::SharedControls &shared,
              app::ui::ProgramChanges &changes, QWidget *parent = nullptr);

    // Enter in any of the sixteen fields: its row converts it.
    void Edit1KeyPress(QWidget *sender) { CalculateFrom(sender); }
    // The routine of each row's two conversions, run by Enter in any of the
    // sixteen fields: evaluates the field and writes the converted value
    // into its partner; a failure shows the warning box.
    app::ui::Ending ConvertUnitField(QLineEdit *field);
    // The text of a field (all but Edit2) changed: while the user works in
    // it, its partner is emptied.
    void Edit1Change(QLineEdit *field);

private:
    void connectHandlers();
    int tagOf(const QLineEdit *field) const;

    QLineEdit *fields_[FieldCount + 1] = {};
};

} // namespace units
