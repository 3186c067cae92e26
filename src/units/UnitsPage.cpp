#include "units/UnitsPage.h"

#include "app/FocusOrder.h"
#include "app/FormControls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int HeaderHeight = 25;
constexpr int RowHeight = 30;
constexpr int LeftFieldX = 135;
constexpr int RightFieldX = 360;
constexpr int FieldWidth = 100;

struct RowDesign
{
    const char *caption;
    int leftTag;
    const char *leftUnit;
    const char *rightUnit;
};

// Rows in screen order; rows 6 and 7 are shown in this order although their
// tags run the other way.
constexpr RowDesign Rows[] = {
    {"圧  力", 1, "mmHg", "kPa"},
    {"圧  力", 3, "mAq", "kPa"},
    {"エネルギー", 5, "kcal", "kJ"},
    {"仕  事  率", 7, "ｋｃａｌ/ｈ", "kW"},
    {"力", 9, "ｋｇｆ", "N"},
    {"熱伝導率", 13, "kcal/mh℃", "W/(mK)"},
    {"比  熱", 11, "ｋｃａｌ/kgf℃", "kJ/(kgk)"},
    {"熱伝達率,熱通過率", 15, "ｋｃａｌ/m2h℃", "W/(m2K)"},
};

} // namespace

UnitsPage::UnitsPage(FocusOrder &focus, QWidget *parent) : CalcPage("TabSheet3", focus, parent)
{
    QFrame *header = addBand("Panel30", HeaderHeight);
    form::BoldLabel(header, QStringLiteral("在来単位"), LeftFieldX + 18, 4, 15);
    form::BoldLabel(header, QStringLiteral("ＳＩ単位"), RightFieldX + 18, 4, 15);

    int rowIndex = 0;
    for (const RowDesign &row : Rows) {
        QFrame *band = addBand(nullptr, RowHeight);
        band->setObjectName(QStringLiteral("UnitRow%1").arg(++rowIndex));
        form::BoldLabel(band, QString::fromUtf8(row.caption), 8, 7, 13);
        QLineEdit *left = form::Edit(band, nullptr, LeftFieldX, 4, FieldWidth);
        form::Label(band, QString::fromUtf8(row.leftUnit), LeftFieldX + FieldWidth + 5, 7);
        form::Label(band, QStringLiteral("＝"), RightFieldX - 20, 7);
        QLineEdit *right = form::Edit(band, nullptr, RightFieldX, 4, FieldWidth);
        form::Label(band, QString::fromUtf8(row.rightUnit), RightFieldX + FieldWidth + 5, 7);

        left->setObjectName(QStringLiteral("Edit%1").arg(row.leftTag));
        right->setObjectName(QStringLiteral("Edit%1").arg(row.leftTag + 1));
        fields_[row.leftTag] = left;
        fields_[row.leftTag + 1] = right;
        focus_.addControls(band, {left, right});
    }
    finishBands();
}

QLineEdit *UnitsPage::field(int tag) const
{
    return tag >= 1 && tag <= FieldCount ? fields_[tag] : nullptr;
}

void UnitsPage::ConvertUnitField(QLineEdit *) {}
