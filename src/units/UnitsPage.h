#pragma once

#include "app/CalcPage.h"

class QLineEdit;

// The unit-conversion page (tab "単位変換"): eight rows, each converting a
// value between a conventional unit (left) and its SI unit (right).
class UnitsPage : public CalcPage
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 16;

    explicit UnitsPage(FocusOrder &focus, QWidget *parent = nullptr);

    // Edit1 to Edit16 by tag; the partner of tag n is n + 1 (odd n) or n − 1.
    QLineEdit *field(int tag) const;
    static int partnerTag(int tag) { return tag % 2 == 1 ? tag + 1 : tag - 1; }

    // Enter in any of the sixteen fields.
    void ConvertUnitField(QLineEdit *field);

private:
    QLineEdit *fields_[FieldCount + 1] = {};
};
