#include "pipe/PipePage.h"

#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SharedControls.h"
#include "flow/DuctPage.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"
#include "pipe/PipeSizing.h"
#include "pipe/PipeTables.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

// A table value as the roughness and density fields show it.
QString tableText(long double value)
{
    return QString::fromStdString(numeric::FormatFixed(value, numeric::ResultDecimals));
}

} // namespace

PipePage::PipePage(FocusOrder &focus, QWidget *parent) : CalcPage("TabSheet2", focus, parent)
{
    Panel5 = addBand("Panel5", 30);
    Z_Edit = form::Edit(Panel5, "Z_Edit", 65, 3, 50);
    H_Edit = form::Edit(Panel5, "H_Edit", 215, 3, 58);
    focus_.addControls(Panel5, {Z_Edit, H_Edit});

    QFrame *material = addBand("Panel33", 30);
    form::Label(material, QStringLiteral("管材の種類"), 5, 7);
    Syrui = form::List(material, "Syrui", 75, 4, 160, form::Items(pipes::PipeMaterialItems()),
                       QStringLiteral("管材選択"));
    form::Label(material, QStringLiteral("流体温度  （水）"), 255, 7);
    Ond = form::List(material, "Ond", 365, 4, 60, form::Items(pipes::WaterTemperatureItems()),
                     QStringLiteral("温度選択"));
    form::Label(material, QStringLiteral("℃"), 430, 7);
    // The lists start without a choice; the settings choose one at start,
    // before FormShow writes the roughness and density from both.
    Syrui->setCurrentIndex(-1);
    Ond->setCurrentIndex(-1);
    focus_.addControls(material, {Syrui, Ond});

    buildSizingSection();
    buildLossSection();
    P_Size->setCurrentIndex(-1);
    finishBands();
}

void PipePage::buildSizingSection()
{
    sizing_ =
        addSection("Panel35", "Panel35Title", QStringLiteral("　配管寸法計算"), 105, 207, 130);

    QFrame *in = sizing_.left;
    Label37 = form::Label(in, QStringLiteral("目標圧損"), 8, 12, "Label37");
    M_AsonP = form::Edit(in, "M_AsonP", 76, 9, 66, QStringLiteral("目標圧損を入力してください"));
    Label38 = form::Label(in, QStringLiteral("mmAq/m"), 145, 12, "Label38");
    form::Label(in, QStringLiteral("流      量"), 8, 47);
    S_Ryo = form::Edit(in, "S_Ryo", 76, 44, 66, QStringLiteral("流量を入力してください"));
    form::Label(in, QStringLiteral("L/min"), 145, 47);

    form::Label(sizing_.middle, QStringLiteral("配管サイズ"), 30, 12);
    S_Size = form::Result(sizing_.middle, "S_Size", 30, 34, 70);

    QFrame *out = sizing_.right;
    form::Label(out, QStringLiteral("流             速"), 6, 12);
    S_Speed = form::Result(out, "S_Speed", 88, 9, 70);
    form::Label(out, QStringLiteral("m/s"), 161, 12);
    form::Label(out, QStringLiteral("摩擦抵抗損失"), 6, 47);
    S_AsonP = form::Result(out, "S_AsonP", 88, 44, 70);
    Label42 = form::Label(out, QStringLiteral("mmAq/m"), 161, 47, "Label42");

    focus_.addControls(sizing_.body, {M_AsonP, S_Ryo, S_Size, S_Speed, S_AsonP});
}

void PipePage::buildLossSection()
{
    Section s =
        addSection("Panel36", "Panel36Title", QStringLiteral("　配管圧力損失計算"), 105, 207, 130);

    form::Label(s.left, QStringLiteral("流      量"), 8, 12);
    P_Ryo = form::Edit(s.left, "P_Ryo", 76, 9, 66, QStringLiteral("流量を入力してください"));
    form::Label(s.left, QStringLiteral("L/min"), 145, 12);

    form::Label(s.middle, QStringLiteral("配管サイズ"), 30, 12);
    P_Size = form::List(s.middle, "P_Size", 30, 34, 70, form::Items(pipes::PipeSizeItems()),
                        QStringLiteral("配管サイズを選択"));

    form::Label(s.right, QStringLiteral("流             速"), 6, 12);
    P_Speed = form::Result(s.right, "P_Speed", 88, 9, 70);
    form::Label(s.right, QStringLiteral("m/s"), 161, 12);
    form::Label(s.right, QStringLiteral("摩擦抵抗損失"), 6, 47);
    P_AsonP = form::Result(s.right, "P_AsonP", 88, 44, 70);
    Label49 = form::Label(s.right, QStringLiteral("mmAq/m"), 161, 47, "Label49");

    focus_.addControls(s.body, {P_Ryo, P_Size, P_Speed, P_AsonP});
}

void PipePage::showSizingBasis(const DuctPage &duct)
{
    if (shared_->velocityBasis()) {
        Label37->setText(QStringLiteral("目標流速"));
        M_AsonP->setToolTip(QStringLiteral("目標流速を入力してください"));
    } else {
        Label37->setText(duct.Label3->text());
        M_AsonP->setToolTip(duct.M_Ason->toolTip());
    }
    Label38->setText(duct.Label9->text());
    Label37->adjustSize();
    Label38->adjustSize();
}

void PipePage::SyruiChange()
{
    // Both fields are rewritten from the tables, discarding typed values. A
    // list without a choice ends here with the range failure; the roughness
    // is then already written when only the temperature is missing.
    entry::WriteResult(Z_Edit, tableText(pipes::PipeMaterialRoughness(Syrui->currentIndex())));
    entry::WriteResult(H_Edit, tableText(pipes::WaterDensity(Ond->currentIndex())));
}

long double PipePage::lossUnitFactor() const
{
    return numeric::LossUnitFactor(shared_->conventionalUnits());
}

pipes::PipeSizingInputs PipePage::sizingInputs() const
{
    const long double factor = lossUnitFactor();
    // A braced list is evaluated left to right: the fields are read in the
    // order flow, roughness, density, target.
    return {entry::ReadPlainNumber(S_Ryo), entry::ReadPlainNumber(Z_Edit),
            entry::ReadPlainNumber(H_Edit), entry::ReadPlainNumber(M_AsonP), factor};
}

void PipePage::PipeSizingByLoss()
{
    showSizing(pipes::PipeSizingByLoss);
}

void PipePage::PipeSizingByVelocity()
{
    showSizing(pipes::PipeSizingByVelocity);
}

void PipePage::showSizing(void (*routine)(const pipes::PipeSizingInputs &,
                                          pipes::PipeSizingResult &))
{
    const pipes::PipeSizingInputs in = sizingInputs();
    entry::RunAndShow<pipes::PipeSizingResult>(
        [&](pipes::PipeSizingResult &out) { routine(in, out); },
        [this](const pipes::PipeSizingResult &r) {
            if (r.nominalSize)
                entry::WriteResult(S_Size, QString::number(*r.nominalSize));
            entry::WriteResult(S_Speed, r.velocity);
            entry::WriteResult(S_AsonP, r.loss);
        });
}

void PipePage::PipeLossFromSize()
{
    const long double factor = lossUnitFactor();
    const pipes::PipeLossInputs in{P_Size->currentIndex(), entry::ReadPlainNumber(P_Ryo),
                                   entry::ReadPlainNumber(Z_Edit), entry::ReadPlainNumber(H_Edit),
                                   factor};
    entry::RunAndShow<pipes::PipeLossResult>(
        [&](pipes::PipeLossResult &out) { pipes::PipeLossFromSize(in, out); },
        [this](const pipes::PipeLossResult &r) {
            entry::WriteResult(P_Speed, r.velocity);
            entry::WriteResult(P_AsonP, r.loss);
        });
}
