#pragma once

#include "app/ui/CalcPage.h"

class DuctPage;
class QComboBox;
class QLabel;
class QLineEdit;

namespace pipes {
struct PipeSizingInputs;
struct PipeSizingResult;
} // namespace pipes

// The pipe page (tab "配管計算"): choosing the nominal size of a water pipe
// for a flow, and the velocity and friction loss of a chosen size. The unit
// buttons, the roughness and density captions and the basis buttons are
// brought here from the duct page while this page is shown.
class PipePage : public CalcPage
{
    Q_OBJECT

public:
    explicit PipePage(FocusOrder &focus, QWidget *parent = nullptr);

    QFrame *roughnessBand() const { return Panel5; }
    QFrame *sizingTitleBar() const { return sizing_.titleBar; }

    // Caption, unit and hint of the target M_AsonP, copied from the duct
    // page's target (velocity basis: "目標流速" in m/s).
    void showSizingBasis(const DuctPage &duct);

    // Writes the table roughness and water density of the two lists' choices.
    void SyruiChange();
    // Enter in S_Ryo (by basis) and in the size list P_Size. Each reads its
    // fields as plain numbers and writes its results only at its end, so a
    // failure (thrown on to the key rule) changes no result field.
    void PipeSizingByLoss();
    void PipeSizingByVelocity();
    void PipeLossFromSize();

    QFrame *Panel5 = nullptr;
    QLineEdit *Z_Edit = nullptr;
    QLineEdit *H_Edit = nullptr;
    QComboBox *Syrui = nullptr;
    QComboBox *Ond = nullptr;
    QLabel *Label37 = nullptr;
    QLabel *Label38 = nullptr;
    QLabel *Label42 = nullptr;
    QLabel *Label49 = nullptr;
    QLineEdit *M_AsonP = nullptr;
    QLineEdit *S_Ryo = nullptr;
    QLineEdit *S_Size = nullptr;
    QLineEdit *S_Speed = nullptr;
    QLineEdit *S_AsonP = nullptr;
    QLineEdit *P_Ryo = nullptr;
    QComboBox *P_Size = nullptr;
    QLineEdit *P_Speed = nullptr;
    QLineEdit *P_AsonP = nullptr;

private:
    void buildSizingSection();
    void buildLossSection();

    // 1 in conventional units (mmAq/m), PaPerMmAq in SI units (Pa/m).
    long double lossUnitFactor() const;
    // The sizing fields read as plain numbers; M_AsonP as typed.
    pipes::PipeSizingInputs sizingInputs() const;
    void showSizing(void (*routine)(const pipes::PipeSizingInputs &, pipes::PipeSizingResult &));

    Section sizing_;
};
