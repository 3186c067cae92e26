#pragma once

#include "app/ui/SizingPage.h"
#include "app/ui/SizingSource.h"
#include "pipe/PipeSizing.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace pipes {

// The pipe page (tab texts::PageCaption): choosing the nominal size of a water pipe
// for a flow, and the velocity and friction loss of a chosen size. The unit
// buttons, the roughness and density captions and the basis buttons come
// here while this page is shown. The size table lists the alternatives of
// its last sizing.
class PipePage : public app::ui::SizingPage, public app::ui::SizingSource<PipeSizingInputs>
{
    Q_OBJECT

public:
    PipePage(app::ui::FocusOrder &focus, app::ui::SharedControls &shared,
             app::ui::ProgramChanges &changes, QWidget *parent = nullptr);

    void windowShown() override;
    void pageShown() override;
    std::optional<numeric::Medium> flowMedium() const override { return numeric::Medium::Water; }
    std::vector<app::settings::Setting> settingsKeys() override;

    // Writes the table roughness and water density of the two lists' choices.
    void SyruiChange();
    // Enter in S_Ryo (sizing) and in the size list P_Size (loss): the
    // field is evaluated and its calculation runs.
    void S_FryoKeyPress(QWidget *sender) { CalculateFrom(sender); }
    // The routines of the two calculations, run by Enter in S_Ryo (sizing,
    // by basis) and in the size list P_Size (loss). Each reads its fields as
    // plain numbers and writes its results only at its end, so a failure
    // changes no result field.
    app::ui::Ending PipeSizingByLoss();
    app::ui::Ending PipeSizingByVelocity();
    app::ui::Ending PipeLossFromSize();

    // For the size table. A size chosen there goes into the loss section
    // with the flow it was chosen for, computed as Enter in the size list
    // computes it.
    Sizing lastSizing() const override;
    void computeLossOf(const app::ui::SizeChoice &size, const QString &flow) override;

private:
    void buildSizingSection();
    void buildLossSection();
    void bindEnterRules();
    void connectHandlers();
    void describeFields();
    void declareCalculations();

    // 1 in conventional units (mmAq/m), PaPerMmAq in SI units (Pa/m).
    long double lossUnitFactor() const;
    // The sizing fields read as plain numbers; M_AsonP as typed.
    PipeSizingInputs sizingInputs() const;
    // Enter in S_Ryo: the basis's routine, then the size table.
    app::ui::Ending sizePipe(QWidget *sender);
    using SizingRoutine = void (*)(const PipeSizingInputs &, PipeSizingResult &);
    app::ui::Ending size(SizingRoutine routine);

    QFrame *Panel5 = {};
    QLineEdit *Z_Edit = {};
    QLineEdit *H_Edit = {};
    QComboBox *Syrui = {};
    QComboBox *Ond = {};
    QLabel *Label37 = {};
    QLabel *Label38 = {};
    QLabel *Label42 = {};
    QLabel *Label49 = {};
    QLineEdit *M_AsonP = {};
    QLineEdit *S_Ryo = {};
    QLineEdit *S_Size = {};
    QLineEdit *S_Speed = {};
    QLineEdit *S_AsonP = {};
    QLineEdit *P_Ryo = {};
    QComboBox *P_Size = {};
    QLineEdit *P_Speed = {};
    QLineEdit *P_AsonP = {};

    Section sizing_;
    bool hasSized_ = false;
};

} // namespace pipes
