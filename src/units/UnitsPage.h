#pragma once

#include "app/ui/CalcPage.h"
#include "units/UnitFactors.h"

class QLineEdit;

// The unit-conversion page (tab "単位変換"): eight rows, each converting a
// value between a conventional unit (left) and its SI unit (right).
class UnitsPage : public CalcPage
{
    Q_OBJECT

public:
    static constexpr int FieldCount = units::FieldCount;

    explicit UnitsPage(FocusOrder &focus, QWidget *parent = nullptr);

    // Edit1 to Edit16 by tag; the partner of tag n is n + 1 (odd n) or n − 1.
    QLineEdit *field(int tag) const;
    static int partnerTag(int tag) { return units::PartnerTag(tag); }

    // Enter in any of the sixteen fields: evaluates the field and writes the
    // converted value into its partner; a failure shows the warning box.
    void ConvertUnitField(QLineEdit *field);
    // The text of a field (all but Edit2) changed: while the user works in
    // it, its partner is emptied.
    void Edit1Change(QLineEdit *field);

private:
    void connectHandlers();
    int tagOf(const QLineEdit *field) const;

    QLineEdit *fields_[FieldCount + 1] = {};
};
