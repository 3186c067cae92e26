#include "units/UnitsPage.h"

#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ResultFields.h"
#include "numeric/Failure.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <exception>

namespace {

// This page's own warning, for every failure of a conversion.
const QString EnterNumberMessage = QStringLiteral("数字を入力して下さい。");

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
    connectHandlers();
}

void UnitsPage::connectHandlers()
{
    for (int tag = 1; tag <= FieldCount; ++tag) {
        // Typing in Edit2 leaves Edit1 as it is: only Edit2 has no change handler.
        if (tag == 2)
            continue;
        QLineEdit *edit = fields_[tag];
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { app::Guarded(window(), [this, edit] { Edit1Change(edit); }); });
    }
}

QLineEdit *UnitsPage::field(int tag) const
{
    return tag >= 1 && tag <= FieldCount ? fields_[tag] : nullptr;
}

int UnitsPage::tagOf(const QLineEdit *field) const
{
    for (int tag = 1; tag <= FieldCount; ++tag) {
        if (fields_[tag] == field)
            return tag;
    }
    throw numeric::RangeError();
}

void UnitsPage::ConvertUnitField(QLineEdit *field)
{
    const int tag = tagOf(field);
    QLineEdit *partner = fields_[partnerTag(tag)];
    const QString typed = field->text();
    const QString partnerShown = partner->text();
    try {
        entry::EvaluateField(field);
        const long double value = entry::ReadPlainNumber(field);
        entry::WriteResult(partner, QString::fromStdString(units::ConvertedText(tag, value)));
    } catch (const std::exception &) {
        // Both fields show what they showed before Enter. Restoring the
        // field empties its partner again, so the partner comes last.
        if (field->text() != typed)
            field->setText(typed);
        if (partner->text() != partnerShown)
            partner->setText(partnerShown);
        msg::ShowWarning(window(), EnterNumberMessage);
    }
}

void UnitsPage::Edit1Change(QLineEdit *field)
{
    // window()->focusWidget() rather than hasFocus(): after a modal box has
    // closed no window may be active, and hasFocus() is false then.
    if (window()->focusWidget() != field)
        return;
    fields_[partnerTag(tagOf(field))]->clear();
}
