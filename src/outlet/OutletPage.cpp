#include "outlet/OutletPage.h"

#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/ResultFields.h"
#include "numeric/Failure.h"
#include "outlet/OutletCalc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Hints of a size field that takes input, and of one that shows a result.
const QString SizeHint = QStringLiteral("サイズを入力してください");
const QString CalculatedHint = QStringLiteral("計算します");

} // namespace

OutletPage::OutletPage(FocusOrder &focus, QWidget *parent) : CalcPage("TabSheet5", focus, parent)
{
    QFrame *top = addBand("Panel6", 30);
    form::Label(top, QStringLiteral("吹出・吸込口の種類"), 25, 5, "Label50");
    ComboBox1 = form::List(top, "ComboBox1", 185, 5, 110,
                           {QStringLiteral("VHS"), QStringLiteral("HS"), QStringLiteral("OAG"),
                            QStringLiteral("EAG"), QStringLiteral("RAG"), QStringLiteral("SEG"),
                            QStringLiteral("DG"), QStringLiteral("排煙口")},
                           QStringLiteral("吹出・吸込口の種類選択"));
    RadioButton1 = form::Radio(top, "RadioButton1", QStringLiteral("矩     形"), 370, 6, true);
    RadioButton2 = form::Radio(top, "RadioButton2", QStringLiteral("円     形"), 460, 6);
    focus_.addControls(top, {ComboBox1, RadioButton1, RadioButton2});

    buildSizingSection();
    buildCheckSection();
    finishBands();
    connectHandlers();
}

void OutletPage::connectHandlers()
{
    // The shape handler runs when either button becomes checked.
    auto shapeChosen = [this](bool checked) {
        if (checked)
            app::Guarded(window(), [this] { RadioButton1Click(); });
    };
    connect(RadioButton1, &QRadioButton::toggled, this, shapeChosen);
    connect(RadioButton2, &QRadioButton::toggled, this, shapeChosen);
    connect(CheckBox2, &QCheckBox::toggled, this,
            [this] { app::Guarded(window(), [this] { CheckBox2Click(); }); });
}

void OutletPage::buildSizingSection()
{
    Section s =
        addSection("Panel34", "Panel42", QStringLiteral("　　吹出・吸込口寸法計算"), 120, 195, 190);
    CheckBox2 = form::Check(s.titleBar, "CheckBox2", QStringLiteral("サイズ固定"), 200, 2,
                            QStringLiteral("一辺のサイズを固定します"));
    focus_.addControls(s.titleBar, {CheckBox2});

    form::Label(s.left, QStringLiteral("風      量"), 8, 13);
    Edit19 = form::Edit(s.left, "Edit19", 70, 10, 80);
    form::Label(s.left, QStringLiteral("m3/h"), 154, 13);
    form::Label(s.left, QStringLiteral("開  口  率"), 8, 43);
    Edit20 = form::Edit(s.left, "Edit20", 70, 40, 80);
    form::Label(s.left, QStringLiteral("％"), 154, 43);
    form::Label(s.left, QStringLiteral("面  風  速"), 8, 73);
    Edit26 = form::Edit(s.left, "Edit26", 70, 70, 80);
    form::Label(s.left, QStringLiteral("m/s"), 154, 73);

    form::Label(s.middle, QStringLiteral("吹出・吸込口寸法"), 10, 8);
    Edit23 = form::Result(s.middle, "Edit23", 10, 30, 65, true);
    form::Label(s.middle, QStringLiteral("Ｘ"), 79, 33);
    Edit24 = form::Result(s.middle, "Edit24", 95, 30, 65);
    form::Label(s.middle, QStringLiteral("mm"), 164, 33);
    form::Label(s.middle, QStringLiteral("φ＝"), 70, 68);
    Edit25 = form::Result(s.middle, "Edit25", 95, 65, 65);
    form::Label(s.middle, QStringLiteral("mm"), 164, 68);

    form::Label(s.right, QStringLiteral("面 風 速"), 8, 43);
    Edit21 = form::Result(s.right, "Edit21", 65, 40, 60);
    form::Label(s.right, QStringLiteral("m/s"), 130, 43);

    focus_.addControls(s.body, {Edit19, Edit20, Edit26, Edit23, Edit24, Edit25, Edit21});
}

void OutletPage::buildCheckSection()
{
    Section s =
        addSection("Panel43", "Panel47", QStringLiteral("　　吹出・吸込口寸法確認"), 120, 195, 190);

    form::Label(s.left, QStringLiteral("風      量"), 8, 33);
    Edit17 = form::Edit(s.left, "Edit17", 70, 30, 80);
    form::Label(s.left, QStringLiteral("m3/h"), 154, 33);
    form::Label(s.left, QStringLiteral("開  口  率"), 8, 63);
    Edit18 = form::Edit(s.left, "Edit18", 70, 60, 80);
    form::Label(s.left, QStringLiteral("％"), 154, 63);

    form::Label(s.middle, QStringLiteral("吹出・吸込口寸法"), 10, 8);
    Edit28 = form::Edit(s.middle, "Edit28", 10, 30, 65, SizeHint);
    form::Label(s.middle, QStringLiteral("Ｘ"), 79, 33);
    Edit29 = form::Edit(s.middle, "Edit29", 95, 30, 65, SizeHint);
    form::Label(s.middle, QStringLiteral("mm"), 164, 33);
    form::Label(s.middle, QStringLiteral("φ＝"), 70, 68);
    // Read-only but with the default cursor until the shape is first chosen.
    Edit30 = form::Edit(s.middle, "Edit30", 95, 65, 65, CalculatedHint);
    Edit30->setReadOnly(true);
    form::Label(s.middle, QStringLiteral("mm"), 164, 68);

    form::Label(s.right, QStringLiteral("面 風 速"), 8, 43);
    Edit32 = form::Result(s.right, "Edit32", 65, 40, 60);
    form::Label(s.right, QStringLiteral("m/s"), 130, 43);

    focus_.addControls(s.body, {Edit17, Edit18, Edit28, Edit29, Edit30, Edit32});
}

int OutletPage::openingRatio(int type) const
{
    if (type < 0 || type >= TypeCount)
        throw numeric::RangeError();
    return OpeningRatios[static_cast<size_t>(type)];
}

void OutletPage::setOpeningRatio(int type, int percent)
{
    if (type < 0 || type >= TypeCount)
        throw numeric::RangeError();
    OpeningRatios[static_cast<size_t>(type)] = percent;
}

void OutletPage::ComboBox1Change()
{
    const QString text = QString::number(openingRatio(ComboBox1->currentIndex()));
    Edit20->setText(text);
    Edit18->setText(text);
}

bool OutletPage::rectangular() const
{
    return RadioButton1->isChecked();
}

void OutletPage::RadioButton1Click()
{
    const bool rect = rectangular();
    CheckBox2->setEnabled(rect);
    for (QLineEdit *side : {Edit23, Edit24, Edit28, Edit29}) {
        side->setEnabled(rect);
        form::SetFieldColour(side, rect);
    }
    // A round outlet is checked by typing its diameter into Edit30; for a
    // rectangle Edit30 shows the equivalent diameter.
    form::SetReadOnlyLook(Edit30, rect);
    Edit30->setToolTip(rect ? CalculatedHint : SizeHint);
}

void OutletPage::CheckBox2Click()
{
    const bool fixedSide = CheckBox2->isChecked();
    form::SetReadOnlyLook(Edit23, !fixedSide);
    Edit23->setToolTip(fixedSide ? SizeHint : CalculatedHint);
    (fixedSide ? Edit23 : Edit19)->setFocus(Qt::OtherFocusReason);
}

void OutletPage::SizeOutlet(QLineEdit *field)
{
    const bool fixedSide = rectangular() && CheckBox2->isChecked();
    if (fixedSide && field != Edit23) {
        // The key rule has evaluated the field; the user types the fixed
        // side next, and Enter there sizes the outlet.
        FocusNextField();
        return;
    }
    outlet::OutletSizingInputs in;
    in.flow = entry::ReadPlainNumber(Edit19);
    in.velocity = entry::ReadPlainNumber(Edit26);
    in.openingPercent = entry::ReadPlainNumber(Edit20);
    in.round = !rectangular();
    if (fixedSide)
        in.fixedSide = entry::ReadPlainNumber(Edit23);
    entry::RunAndShow<outlet::OutletSizingResult>(
        [&](outlet::OutletSizingResult &out) { outlet::SizeOutlet(in, out); },
        [this](const outlet::OutletSizingResult &r) {
            entry::WriteResult(Edit23, r.sideA);
            entry::WriteResult(Edit24, r.sideB);
            entry::WriteResult(Edit25, r.diameter);
            entry::WriteResult(Edit21, r.velocity);
        });
}

void OutletPage::CheckOutlet(QLineEdit *field)
{
    outlet::OutletCheckInputs in;
    in.flow = entry::ReadPlainNumber(Edit17);
    in.openingPercent = entry::ReadPlainNumber(Edit18);
    // The field decides, as in the duct page's diameter field: Enter in
    // Edit30 checks a round outlet of the diameter shown there, also when it
    // shows a rectangle's equivalent diameter (read-only, but it can take
    // the focus).
    in.fromDiameter = field == Edit30;
    if (in.fromDiameter) {
        in.diameter = entry::ReadPlainNumber(Edit30);
    } else {
        in.sideA = entry::ReadPlainNumber(Edit28);
        in.sideB = entry::ReadPlainNumber(Edit29);
    }
    entry::RunAndShow<outlet::OutletCheckResult>(
        [&](outlet::OutletCheckResult &out) { outlet::CheckOutlet(in, out); },
        [this](const outlet::OutletCheckResult &r) {
            entry::WriteResult(Edit30, r.equivalentDiameter);
            entry::WriteResult(Edit32, r.velocity);
        });
}
