#pragma once

#include "app/ui/CalcPage.h"
#include "app/ui/SharedControls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace flow {
struct DuctSizingInputs;
struct DuctSizingResult;
} // namespace flow

// The duct page (tab "ダクト計算"): sizing a duct for an air volume, and the
// velocity and friction loss of a given duct. It is the design home of the
// shared controls, which the window moves to other pages and back.
class DuctPage : public CalcPage
{
    Q_OBJECT

public:
    explicit DuctPage(FocusOrder &focus, QWidget *parent = nullptr);

    const SharedControls &shared() const { return ownShared_; }

    // Bands that receive the shared controls when the page is shown again.
    QFrame *roughnessBand() const { return Panel16; }
    QFrame *sizingTitleBar() const { return sizing_.titleBar; }

    // Caption, unit and hint of the target M_Ason for the checked basis:
    // a friction loss in the window's loss unit, or a velocity.
    void showSizingBasis();

    // Enter in the sizing fields (S_Fryo, S_Size1) and the loss fields
    // (P_Size2, P_SizeD); each writes its results as soon as they are known.
    void DuctSizingByLoss(QLineEdit *sender);
    void DuctSizingByVelocity(QLineEdit *sender);
    void DuctLossFromSize(QLineEdit *sender);

    // Option handlers: a material picked in D_Syrui writes its roughness; a
    // shape or a fixed-side change switches which size fields take input.
    void D_SyruiChange();
    void MaruButtonClick();
    void CheckBox1Click();

    QFrame *Panel16 = nullptr;
    QFrame *Panel19 = nullptr;
    QLineEdit *Ztai_Edit = nullptr;
    QLineEdit *Hijy_Edit = nullptr;
    QComboBox *D_Syrui = nullptr;
    QRadioButton *KakuButton = nullptr;
    QRadioButton *MaruButton = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label29 = nullptr;
    QLineEdit *M_Ason = nullptr;
    QLineEdit *S_Fryo = nullptr;
    QLineEdit *S_Size1 = nullptr;
    QLineEdit *S_Size2 = nullptr;
    QLineEdit *S_SizeD = nullptr;
    QLineEdit *S_Fusok = nullptr;
    QLineEdit *S_Ason = nullptr;
    QLineEdit *P_Fryo = nullptr;
    QLineEdit *P_Size1 = nullptr;
    QLineEdit *P_Size2 = nullptr;
    QLineEdit *P_SizeD = nullptr;
    QLineEdit *P_Fusok = nullptr;
    QLineEdit *P_Ason = nullptr;

private:
    void buildSizingSection();
    void buildLossSection();
    void connectHandlers();

    // With the fixed side ticked for a rectangle, Enter outside S_Size1 only
    // moves on to S_Size1, where the user types that side.
    using SizingRoutine = void (*)(const flow::DuctSizingInputs &, flow::DuctSizingResult &);
    // Both bases: the fixed-side rule, then the routine with the page's inputs.
    void size(QLineEdit *sender, SizingRoutine routine);
    bool waitsForFixedSide(const QLineEdit *sender) const;
    flow::DuctSizingInputs readSizingInputs(const QLineEdit *sender,
                                            long double lossUnitFactor) const;
    long double lossUnitFactor() const;

    Section sizing_;
    Section loss_;
    SharedControls ownShared_;
};
