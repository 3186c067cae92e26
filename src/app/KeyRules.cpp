#include "app/KeyRules.h"

#include "air/AirPage.h"
#include "app/D_Kokei.h"
#include "app/ui/EntryFields.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "flow/DuctPage.h"
#include "numeric/Messages.h"
#include "numeric/NumberParse.h"
#include "numeric/Units.h"
#include "outlet/OutletPage.h"
#include "pipe/PipePage.h"
#include "units/UnitsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <exception>

namespace {

// Message of the fields that only prepare a value.
const QString CheckValueMessage = QStringLiteral("数値を確認してください。");
// Message of the fields that start a calculation (written with 下さい).
const QString CheckCalculationMessage = QString::fromUtf8(numeric::messages::CheckValues);

using Widgets = std::initializer_list<QWidget *>;

} // namespace

KeyRules::KeyRules(TDuctForm &form) : QObject(&form), form_(form)
{
    bindAll();
}

void KeyRules::bind(QWidget *control, Rule rule)
{
    rules_.insert(control, rule);
    control->installEventFilter(this);
}

void KeyRules::bindAll()
{
    const DuctPage &duct = *form_.duct();
    const OutletPage &out = *form_.outlets();
    const PipePage &pipe = *form_.pipe();
    const AirPage &air = *form_.air();
    const SharedControls &shared = form_.shared();

    for (QWidget *w :
         Widgets{duct.Ztai_Edit, duct.Hijy_Edit, duct.M_Ason, duct.P_Fryo, duct.P_Size1, out.Edit19,
                 out.Edit20, out.Edit17, out.Edit18, out.Edit28, pipe.Z_Edit, pipe.H_Edit,
                 pipe.M_AsonP, pipe.P_Ryo, air.D_TempEdit})
        bind(w, Rule::ZtaiEdit);
    for (QWidget *w :
         Widgets{duct.S_Fryo, duct.S_Size1, duct.P_Size2, duct.P_SizeD, pipe.S_Ryo, pipe.P_Size})
        bind(w, Rule::SFryo);
    for (QWidget *w : Widgets{out.Edit26, out.Edit23, out.Edit29, out.Edit30})
        bind(w, Rule::Edit26);
    for (QWidget *w : Widgets{shared.TaniButton1, shared.TaniButton2, duct.D_Syrui, duct.KakuButton,
                              duct.MaruButton, shared.ssButton1, shared.ssButton2, duct.CheckBox1,
                              out.ComboBox1, out.RadioButton1, out.RadioButton2, out.CheckBox2,
                              pipe.Syrui, pipe.Ond, air.SelectBox})
        bind(w, Rule::DSyrui);
    bind(air.PrEdit, Rule::PrEdit);
    bind(air.WhEdit, Rule::PrEdit);
    bind(air.entEdit, Rule::EntEdit);
    for (int tag = 1; tag <= UnitsPage::FieldCount; ++tag)
        bind(form_.units()->field(tag), Rule::Edit1);
}

bool KeyRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const auto rule = rules_.constFind(watched);
    if (rule == rules_.constEnd())
        return false;
    QWidget *sender = static_cast<QWidget *>(watched);
    app::Guarded(&form_, [&] { run(*rule, sender); });
    return true;
}

void KeyRules::run(Rule rule, QWidget *sender)
{
    switch (rule) {
    case Rule::ZtaiEdit:
        return Ztai_EditKeyPress(sender);
    case Rule::DSyrui:
        return D_SyruiKeyPress(sender);
    case Rule::SFryo:
        return S_FryoKeyPress(sender);
    case Rule::Edit26:
        return Edit26KeyPress(sender);
    case Rule::PrEdit:
        return PrEditKeyPress(sender);
    case Rule::EntEdit:
        return entEditKeyPress(sender);
    case Rule::Edit1:
        return Edit1KeyPress(sender);
    }
}

void KeyRules::Ztai_EditKeyPress(QWidget *sender)
{
    OutletPage &out = *form_.outlets();
    if (sender == out.Edit20 || sender == out.Edit18) {
        // The ratio is stored as typed, before any evaluation; a text that is
        // no whole number ends here with the failure box.
        const int ratio =
            numeric::ParseWholeNumber(entry::FieldText(static_cast<QLineEdit *>(sender)));
        out.setOpeningRatio(out.ComboBox1->currentIndex(), ratio);
    }
    EvaluateAndAdvance(sender);
}

void KeyRules::EvaluateAndAdvance(QWidget *field)
{
    try {
        entry::EvaluateField(static_cast<QLineEdit *>(field));
    } catch (const std::exception &) {
        msg::ShowWarning(&form_, CheckValueMessage);
        return;
    }
    form_.FocusNextField();
}

void KeyRules::D_SyruiKeyPress(QWidget *)
{
    form_.FocusNextField();
}

void KeyRules::S_FryoKeyPress(QWidget *sender)
{
    DuctPage &duct = *form_.duct();
    PipePage &pipe = *form_.pipe();
    const bool lossBasis = form_.shared().lossBasis();
    try {
        if (auto *field = qobject_cast<QLineEdit *>(sender))
            entry::EvaluateField(field);
        if (sender == duct.S_Fryo || sender == duct.S_Size1) {
            auto *field = static_cast<QLineEdit *>(sender);
            lossBasis ? duct.DuctSizingByLoss(field) : duct.DuctSizingByVelocity(field);
        } else if (sender == duct.P_Size2 || sender == duct.P_SizeD) {
            duct.DuctLossFromSize(static_cast<QLineEdit *>(sender));
        } else if (sender == pipe.S_Ryo) {
            lossBasis ? pipe.PipeSizingByLoss() : pipe.PipeSizingByVelocity();
        } else if (sender == pipe.P_Size) {
            pipe.PipeLossFromSize();
        }
    } catch (const std::exception &) {
        msg::ShowWarning(&form_, CheckCalculationMessage);
    }
}

void KeyRules::Edit26KeyPress(QWidget *sender)
{
    OutletPage &out = *form_.outlets();
    auto *field = static_cast<QLineEdit *>(sender);
    try {
        entry::EvaluateField(field);
        if (sender == out.Edit23 || sender == out.Edit26)
            out.SizeOutlet(field);
        else
            out.CheckOutlet(field);
    } catch (const std::exception &) {
        msg::ShowWarning(&form_, CheckCalculationMessage);
    }
}

void KeyRules::PrEditKeyPress(QWidget *)
{
    form_.air()->entEdit->setFocus(Qt::OtherFocusReason);
}

void KeyRules::entEditKeyPress(QWidget *)
{
    form_.air()->entEditKeyPress();
}

void KeyRules::Edit1KeyPress(QWidget *sender)
{
    form_.units()->ConvertUnitField(static_cast<QLineEdit *>(sender));
}
