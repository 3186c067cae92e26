#pragma once

#include "app/ui/ShapeOptions.h"
#include "app/ui/SizingPage.h"
#include "app/ui/SizingSource.h"
#include "flow/DuctSizing.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace flow {

// The duct page (tab texts::PageCaption): sizing a duct for an air volume, and the
// velocity and friction loss of a given duct. It is the design home of the
// shared controls, which other pages bring to themselves and this page takes
// back when it is shown again. The size table lists the alternatives of its
// last sizing.
class DuctPage : public app::ui::SizingPage, public app::ui::SizingSource<DuctSizingInputs>
{
    Q_OBJECT

public:
    DuctPage(app::ui::FocusOrder &focus, app::ui::SharedControls &shared,
             app::ui::ProgramChanges &changes, QWidget *parent = nullptr);

    void windowShown() override;
    void pageShown() override;
    std::optional<numeric::Medium> flowMedium() const override { return numeric::Medium::Air; }
    std::vector<app::settings::Setting> settingsKeys() override;

    // Enter in the sizing fields (S_Fryo, S_Size1) and in the loss fields
    // (P_Size2, P_SizeD): the field is evaluated and its calculation runs.
    void S_FryoKeyPress(QWidget *sender) { CalculateFrom(sender); }
    // The routines of the two calculations, run by Enter in the sizing
    // fields (S_Fryo, S_Size1) and in the loss fields (P_Size2, P_SizeD)
    // after the field is evaluated. Each writes its results as soon as they
    // are known.
    app::ui::Ending DuctSizingByLoss(QLineEdit *sender);
    app::ui::Ending DuctSizingByVelocity(QLineEdit *sender);
    app::ui::Ending DuctLossFromSize(QLineEdit *sender);

    // Option handlers: a material picked in D_Syrui writes its roughness; a
    // shape or a fixed-side change switches which size fields take input.
    void D_SyruiChange();
    void MaruButtonClick();
    void CheckBox1Click();

    // For the size table. A size chosen there goes into the loss section
    // with the air volume it was chosen for: the page first switches to the
    // size's shape, then computes as Enter in P_Size2 (a rectangle) or in
    // P_SizeD (a round duct) computes it.
    Sizing lastSizing() const override;
    void computeLossOf(const app::ui::SizeChoice &size, const QString &airVolume) override;

private:
    void buildSizingSection();
    void buildLossSection();
    void bindEnterRules();
    void connectHandlers();
    void describeFields();
    void declareCalculations();

    // Enter in a sizing field: the basis's routine, then the size table.
    app::ui::Ending sizeDuct(const app::ui::Run &run);
    using SizingRoutine = void (*)(const DuctSizingInputs &, DuctSizingResult &);
    // Both bases: the fixed-side rule, then the routine with the page's inputs.
    app::ui::Ending size(QLineEdit *sender, SizingRoutine routine);
    DuctSizingInputs readSizingInputs(const QLineEdit *sender) const;
    // Whether a sizing run from this field reads the fixed side.
    bool readsFixedSide(const QWidget *sender) const;
    long double lossUnitFactor() const;
    void chooseShape(QRadioButton *shape);
    // The shape the page's fields describe: the one chosen, or while a loss
    // calculation is recorded the one it computed.
    bool describesRound() const;

    QFrame *Panel16 = {};
    QFrame *Panel19 = {};
    QLineEdit *Ztai_Edit = {};
    QLineEdit *Hijy_Edit = {};
    QComboBox *D_Syrui = {};
    QRadioButton *KakuButton = {};
    QRadioButton *MaruButton = {};
    QCheckBox *CheckBox1 = {};
    QLabel *Label3 = {};
    QLabel *Label9 = {};
    QLabel *Label11 = {};
    QLabel *Label29 = {};
    QLineEdit *M_Ason = {};
    QLineEdit *S_Fryo = {};
    QLineEdit *S_Size1 = {};
    QLineEdit *S_Size2 = {};
    QLineEdit *S_SizeD = {};
    QLineEdit *S_Fusok = {};
    QLineEdit *S_Ason = {};
    QLineEdit *P_Fryo = {};
    QLineEdit *P_Size1 = {};
    QLineEdit *P_Size2 = {};
    QLineEdit *P_SizeD = {};
    QLineEdit *P_Fusok = {};
    QLineEdit *P_Ason = {};

    Section sizing_;
    Section loss_;
    bool hasSized_ = false;
    std::optional<app::ui::ShapeOptions> shape_;
};

} // namespace flow
