#include "flow/DuctPage.h"

#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SharedControls.h"
#include "flow/DuctLoss.h"
#include "flow/DuctMaterials.h"
#include "flow/DuctSizing.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <initializer_list>

namespace {

// Hints of the size fields: computed by the page, or typed by the user.
const QString CalculatedHint = QStringLiteral("計算します");
const QString SizeInputHint = QStringLiteral("サイズを入力してください");

void MoveFocusTo(QWidget *field)
{
    if (FocusOrder::canTakeFocus(field))
        field->setFocus(Qt::OtherFocusReason);
}

} // namespace

DuctPage::DuctPage(FocusOrder &focus, QWidget *parent) : CalcPage("TabSheet1", focus, parent)
{
    Panel16 = addBand("Panel16", 30);
    Ztai_Edit = form::Edit(Panel16, "Ztai_Edit", 65, 3, 50, QStringLiteral("標準ダクト"),
                           QStringLiteral("0.180"));
    Hijy_Edit = form::Edit(Panel16, "Hijy_Edit", 220, 3, 50,
                           QStringLiteral("標準空気(20℃,60%,760mmHg)"), QStringLiteral("1.200"));

    Panel19 = addBand("Panel19", 30);
    form::Label(Panel19, QStringLiteral("管材の種類"), 5, 7);
    D_Syrui = form::List(Panel19, "D_Syrui", 75, 4, 270, form::Items(flow::DuctMaterialItems()),
                         QStringLiteral("管材選択"));
    KakuButton = form::Radio(Panel19, "KakuButton", QStringLiteral("矩形ダクト"), 370, 6, true);
    MaruButton = form::Radio(Panel19, "MaruButton", QStringLiteral("円形ダクト"), 460, 6);
    focus_.addControls(Panel19, {D_Syrui, KakuButton, MaruButton});

    buildSizingSection();
    buildLossSection();
    finishBands();

    ownShared_ = SharedControls::create(Panel16, sizing_.titleBar);
    setSharedControls(&ownShared_);
    focus_.addControls(Panel16,
                       {Ztai_Edit, Hijy_Edit, ownShared_.TaniButton1, ownShared_.TaniButton2});
    CheckBox1 = form::Check(sizing_.titleBar, "CheckBox1", QStringLiteral("サイズ固定"), 310, 2,
                            QStringLiteral("一辺のサイズを固定します"));
    focus_.addControls(sizing_.titleBar, {ownShared_.ssButton1, ownShared_.ssButton2, CheckBox1});
    connectHandlers();
}

void DuctPage::connectHandlers()
{
    // Every handler runs inside the guard: Qt never sees an exception.
    connect(D_Syrui, &QComboBox::activated, this,
            [this] { app::Guarded(window(), [this] { D_SyruiChange(); }); });
    for (QRadioButton *shape : {KakuButton, MaruButton}) {
        connect(shape, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                app::Guarded(window(), [this] { MaruButtonClick(); });
        });
    }
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this] { app::Guarded(window(), [this] { CheckBox1Click(); }); });
}

void DuctPage::buildSizingSection()
{
    sizing_ =
        addSection("Panel2", "Panel2Title", QStringLiteral("　ダクト寸法計算"), 105, 207, 168);

    QFrame *in = sizing_.left;
    Label3 = form::Label(in, QStringLiteral("目標圧損"), 8, 12, "Label3");
    M_Ason = form::Edit(in, "M_Ason", 76, 9, 66, QStringLiteral("目標圧力損失を入力してください"),
                        QStringLiteral("0.100"));
    Label9 = form::Label(in, QStringLiteral("mmAq/m"), 145, 12, "Label9");
    form::Label(in, QStringLiteral("風      量"), 8, 47);
    S_Fryo = form::Edit(in, "S_Fryo", 76, 44, 66, QStringLiteral("風量を入力してください"));
    form::Label(in, QStringLiteral("m3/h"), 145, 47);

    QFrame *size = sizing_.middle;
    form::Label(size, QStringLiteral("ダクトサイズ"), 6, 5);
    S_Size1 = form::Result(size, "S_Size1", 6, 25, 56, true);
    form::Label(size, QStringLiteral("Ｘ"), 65, 28);
    S_Size2 = form::Result(size, "S_Size2", 81, 25, 56);
    form::Label(size, QStringLiteral("mm"), 140, 28);
    form::Label(size, QStringLiteral("φ＝"), 52, 58);
    S_SizeD = form::Result(size, "S_SizeD", 81, 55, 56);
    form::Label(size, QStringLiteral("mm"), 140, 58);

    QFrame *out = sizing_.right;
    form::Label(out, QStringLiteral("風      速"), 6, 12);
    S_Fusok = form::Result(out, "S_Fusok", 61, 9, 58);
    form::Label(out, QStringLiteral("m/s"), 122, 12);
    form::Label(out, QStringLiteral("圧力損失"), 6, 47);
    S_Ason = form::Result(out, "S_Ason", 61, 44, 58);
    Label11 = form::Label(out, QStringLiteral("mmAq/m"), 122, 47, "Label11");

    focus_.addControls(sizing_.body, {M_Ason, S_Fryo, S_Size1, S_Size2, S_SizeD, S_Fusok, S_Ason});
}

void DuctPage::buildLossSection()
{
    loss_ =
        addSection("Panel1", "Panel1Title", QStringLiteral("　ダクト圧力損失計算"), 105, 207, 168);

    QFrame *in = loss_.left;
    form::Label(in, QStringLiteral("風　　　量"), 8, 12);
    P_Fryo = form::Edit(in, "P_Fryo", 76, 9, 66, QStringLiteral("風量を入力してください"));
    form::Label(in, QStringLiteral("m3/h"), 145, 12);

    QFrame *size = loss_.middle;
    const QString sizeHint = QStringLiteral("サイズを入力してください");
    form::Label(size, QStringLiteral("ダクトサイズ"), 6, 5);
    P_Size1 = form::Edit(size, "P_Size1", 6, 25, 56, sizeHint);
    form::Label(size, QStringLiteral("Ｘ"), 65, 28);
    P_Size2 = form::Edit(size, "P_Size2", 81, 25, 56, sizeHint);
    form::Label(size, QStringLiteral("mm"), 140, 28);
    form::Label(size, QStringLiteral("φ＝"), 52, 58);
    P_SizeD = form::Result(size, "P_SizeD", 81, 55, 56, true);
    form::Label(size, QStringLiteral("mm"), 140, 58);

    QFrame *out = loss_.right;
    form::Label(out, QStringLiteral("風      速"), 6, 12);
    P_Fusok = form::Result(out, "P_Fusok", 61, 9, 58);
    form::Label(out, QStringLiteral("m/s"), 122, 12);
    form::Label(out, QStringLiteral("圧力損失"), 6, 47);
    P_Ason = form::Result(out, "P_Ason", 61, 44, 58);
    Label29 = form::Label(out, QStringLiteral("mmAq/m"), 122, 47, "Label29");

    focus_.addControls(loss_.body, {P_Fryo, P_Size1, P_Size2, P_SizeD, P_Fusok, P_Ason});
}

void DuctPage::showSizingBasis()
{
    if (shared_->velocityBasis()) {
        Label3->setText(QStringLiteral("目標風速"));
        Label9->setText(QStringLiteral("m/s"));
        M_Ason->setToolTip(QStringLiteral("目標風速を入力してください"));
    } else {
        Label3->setText(QStringLiteral("目標圧損"));
        Label9->setText(shared_->conventionalUnits() ? QStringLiteral("mmAq/m")
                                                     : QStringLiteral("Pa/m"));
        M_Ason->setToolTip(QStringLiteral("目標圧力損失を入力してください"));
    }
    Label3->adjustSize();
    Label9->adjustSize();
}

long double DuctPage::lossUnitFactor() const
{
    return numeric::LossUnitFactor(shared_->conventionalUnits());
}

bool DuctPage::waitsForFixedSide(const QLineEdit *sender) const
{
    return KakuButton->isChecked() && CheckBox1->isChecked() && sender != S_Size1;
}

flow::DuctSizingInputs DuctPage::readSizingInputs(const QLineEdit *sender,
                                                  long double lossUnitFactor) const
{
    flow::DuctSizingInputs in;
    in.lossUnitFactor = lossUnitFactor;
    in.flow = entry::ReadPlainNumber(S_Fryo);
    in.roughness = entry::ReadPlainNumber(Ztai_Edit);
    in.density = entry::ReadPlainNumber(Hijy_Edit);
    in.target = entry::ReadPlainNumber(M_Ason);
    in.round = MaruButton->isChecked();
    if (!in.round && CheckBox1->isChecked() && sender == S_Size1)
        in.fixedSide = entry::ReadPlainNumber(S_Size1);
    return in;
}

void DuctPage::DuctSizingByLoss(QLineEdit *sender)
{
    size(sender, flow::DuctSizingByLoss);
}

void DuctPage::DuctSizingByVelocity(QLineEdit *sender)
{
    size(sender, flow::DuctSizingByVelocity);
}

void DuctPage::size(QLineEdit *sender, SizingRoutine routine)
{
    const long double factor = lossUnitFactor();
    if (waitsForFixedSide(sender)) {
        FocusNextField();
        return;
    }
    const flow::DuctSizingInputs in = readSizingInputs(sender, factor);
    entry::RunAndShow<flow::DuctSizingResult>(
        [&](flow::DuctSizingResult &out) { routine(in, out); },
        [this](const flow::DuctSizingResult &r) {
            entry::WriteResult(S_Size1, r.sideA);
            entry::WriteResult(S_Size2, r.sideB);
            if (r.sizeLimitPassed)
                msg::ShowWarning(window(), QString::fromUtf8(numeric::messages::CheckValues));
            entry::WriteResult(S_SizeD, r.diameter);
            entry::WriteResult(S_Ason, r.loss);
            entry::WriteResult(S_Fusok, r.velocity);
        });
}

void DuctPage::DuctLossFromSize(QLineEdit *sender)
{
    flow::DuctLossInputs in;
    in.lossUnitFactor = lossUnitFactor();
    in.flow = entry::ReadPlainNumber(P_Fryo);
    in.roughness = entry::ReadPlainNumber(Ztai_Edit);
    in.density = entry::ReadPlainNumber(Hijy_Edit);
    // The branch follows the field, not the shape: Enter in P_SizeD always
    // computes a round duct of the diameter shown there.
    in.fromDiameter = sender == P_SizeD;
    if (in.fromDiameter) {
        in.diameter = entry::ReadPlainNumber(P_SizeD);
    } else {
        in.sideA = entry::ReadPlainNumber(P_Size1);
        in.sideB = entry::ReadPlainNumber(P_Size2);
    }
    entry::RunAndShow<flow::DuctLossResult>(
        [&](flow::DuctLossResult &out) { flow::DuctLossFromSize(in, out); },
        [this](const flow::DuctLossResult &r) {
            entry::WriteResult(P_SizeD, r.equivalentDiameter);
            entry::WriteResult(P_Ason, r.loss);
            entry::WriteResult(P_Fusok, r.velocity);
        });
}

void DuctPage::D_SyruiChange()
{
    const long double roughness = flow::DuctMaterialRoughness(D_Syrui->currentIndex());
    entry::WriteResult(Ztai_Edit, QString::fromStdString(
                                      numeric::FormatFixed(roughness, numeric::ResultDecimals)));
}

void DuctPage::MaruButtonClick()
{
    // A round duct has no sides: the side fields and the fixed side rest
    // (the tick and S_Size1's read-only state are kept for the rectangle),
    // and the diameter field takes input instead.
    const bool rectangle = KakuButton->isChecked();
    for (QWidget *w :
         std::initializer_list<QWidget *>{CheckBox1, S_Size1, S_Size2, P_Size1, P_Size2})
        w->setEnabled(rectangle);
    for (QLineEdit *side : {S_Size1, S_Size2, P_Size1, P_Size2})
        form::SetFieldColour(side, rectangle);
    form::SetReadOnlyLook(P_SizeD, rectangle);
    P_SizeD->setToolTip(rectangle ? CalculatedHint : SizeInputHint);
}

void DuctPage::CheckBox1Click()
{
    const bool fixedSide = CheckBox1->isChecked();
    MoveFocusTo(fixedSide ? S_Size1 : S_Fryo);
    form::SetReadOnlyLook(S_Size1, !fixedSide);
    S_Size1->setToolTip(fixedSide ? SizeInputHint : CalculatedHint);
}
