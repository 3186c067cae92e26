#include "units/UnitsPage.h"

#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ResultFields.h"
#include "app/ui/UiTexts.h"
#include "numeric/Failure.h"
#include "units/UnitsTexts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <exception>
#include <utility>

namespace units {

namespace ui = app::ui;

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

// Both pressure rows.
constexpr char PressureCaption[] = "圧  力";

// Rows in screen order; rows 6 and 7 are shown in this order although their
// tags run the other way.
constexpr RowDesign Rows[] = {
    {PressureCaption, 1, "mmHg", "kPa"},
    {PressureCaption, 3, "mAq", "kPa"},
    {"エネルギー", 5, "kcal", "kJ"},
    {"仕  事  率", 7, "ｋｃａｌ/ｈ", "kW"},
    {"力", 9, "ｋｇｆ", "N"},
    {"熱伝導率", 13, "kcal/mh℃", "W/(mK)"},
    {"比  熱", 11, "ｋｃａｌ/kgf℃", "kJ/(kgk)"},
    {"熱伝達率,熱通過率", 15, "ｋｃａｌ/m2h℃", "W/(m2K)"},
};

} // namespace

UnitsPage::UnitsPage(ui::FocusOrder &focus, ui::SharedControls &shared, ui::ProgramChanges &changes,
                     QWidget *parent)
    : CalcPage("TabSheet3", QString::fromUtf8(texts::PageCaption), focus, shared, changes, parent)
{
    QFrame *header = addBand("Panel30", HeaderHeight);
    ui::BoldLabel(header, QString::fromUtf8(ui::texts::ConventionalUnits), LeftFieldX + 18, 4, 15);
    ui::BoldLabel(header, QString::fromUtf8(ui::texts::SiUnits), RightFieldX + 18, 4, 15);

    int rowIndex = 0;
    for (const RowDesign &row : Rows) {
        QFrame *band = addBand(nullptr, RowHeight);
        band->setObjectName(QStringLiteral("UnitRow%1").arg(++rowIndex));
        ui::BoldLabel(band, QString::fromUtf8(row.caption), 8, 7, 13);
        QLineEdit *left = ui::Edit(band, nullptr, LeftFieldX, 4, FieldWidth);
        ui::Label(band, QString::fromUtf8(row.leftUnit), LeftFieldX + FieldWidth + 5, 7);
        ui::Label(band, QStringLiteral("＝"), RightFieldX - 20, 7);
        QLineEdit *right = ui::Edit(band, nullptr, RightFieldX, 4, FieldWidth);
        ui::Label(band, QString::fromUtf8(row.rightUnit), RightFieldX + FieldWidth + 5, 7);

        left->setObjectName(QStringLiteral("Edit%1").arg(row.leftTag));
        right->setObjectName(QStringLiteral("Edit%1").arg(row.leftTag + 1));
        fields_[row.leftTag] = left;
        fields_[row.leftTag + 1] = right;
        focus_.addControls(band, {left, right});
        const QString caption = QString::fromUtf8(row.caption).remove(QLatin1Char(' '));
        describeField(left, Fixed(caption), Fixed(QString::fromUtf8(row.leftUnit)));
        describeField(right, Fixed(caption), Fixed(QString::fromUtf8(row.rightUnit)));
        for (auto [from, to] : {std::pair{left, right}, std::pair{right, left}}) {
            declare({.caption = caption,
                     .title =
                         [caption](const ui::Run &) {
                             return QString::fromUtf8(texts::PageCaption) + QStringLiteral("（") +
                                    caption + QStringLiteral("）");
                         },
                     .reads = {from},
                     .writes = {to},
                     .enter = {from},
                     .keyPress = [this](QWidget *sender) { Edit1KeyPress(sender); },
                     .routine = [this, from](const ui::Run &) { return ConvertUnitField(from); }});
        }
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
                [this, edit] { ui::Guarded(window(), [this, edit] { Edit1Change(edit); }); });
    }
}

int UnitsPage::tagOf(const QLineEdit *field) const
{
    for (int tag = 1; tag <= FieldCount; ++tag) {
        if (fields_[tag] == field)
            return tag;
    }
    throw numeric::RangeError();
}

ui::Ending UnitsPage::ConvertUnitField(QLineEdit *field)
{
    const int tag = tagOf(field);
    QLineEdit *partner = fields_[PartnerTag(tag)];
    const QString typed = field->text();
    const QString partnerShown = partner->text();
    try {
        ui::EvaluateField(field);
        const long double value = ui::ReadPlainNumber(field);
        ui::WriteResult(partner, QString::fromStdString(ConvertedText(tag, value)));
    } catch (const std::exception &) {
        // Both fields show what they showed before Enter. Restoring the
        // field empties its partner again, so the partner comes last.
        if (field->text() != typed)
            field->setText(typed);
        if (partner->text() != partnerShown)
            partner->setText(partnerShown);
        showWarning(texts::EnterDigits);
        return ui::Ending::failed();
    }
    return ui::Ending::completed();
}

void UnitsPage::Edit1Change(QLineEdit *field)
{
    // window()->focusWidget() rather than hasFocus(): after a modal box has
    // closed no window may be active, and hasFocus() is false then.
    if (window()->focusWidget() != field)
        return;
    fields_[PartnerTag(tagOf(field))]->clear();
}

} // namespace units
