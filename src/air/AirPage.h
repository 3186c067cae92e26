#pragma once

#include "app/CalcPage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The moist-air page (tab "空気の状態値計算"): completes the state of moist
// air from the dry bulb, one other property and the atmospheric pressure.
class AirPage : public CalcPage
{
    Q_OBJECT

public:
    explicit AirPage(FocusOrder &focus, QWidget *parent = nullptr);

    QFrame *inputBand() const { return Panel18; }

    // Index of the chosen pressure item of PrGroup (0 standard, 1 given
    // pressure, 2 altitude), or -1 when none is chosen.
    int pressureChoice() const;
    void setPressureItemText(int item, const QString &text);

    // Enter in entEdit: computes the state.
    void entEditKeyPress();
    // Caption of TaniLabel from the SelectBox choice.
    void UpdateSecondPropertyUnit();
    void SelectBoxClick();
    // Enables the pressure or the altitude field for the chosen item.
    void PrGroupClick();

    QFrame *Panel18 = nullptr;
    QFrame *Panel20 = nullptr;
    QLineEdit *D_TempEdit = nullptr;
    QComboBox *SelectBox = nullptr;
    QLineEdit *entEdit = nullptr;
    QLabel *TaniLabel = nullptr;
    QGroupBox *PrGroup = nullptr;
    QRadioButton *PrItems[3] = {};
    QLineEdit *PrEdit = nullptr;
    QLineEdit *WhEdit = nullptr;
    QLineEdit *cEdit1 = nullptr;
    QLineEdit *cEdit2 = nullptr;
    QLineEdit *cEdit3 = nullptr;
    QLineEdit *cEdit4 = nullptr;
    QLineEdit *cEdit5 = nullptr;
    QLineEdit *cEdit6 = nullptr;
    QLineEdit *cEdit7 = nullptr;
    QLineEdit *cEdit8 = nullptr;
    QLabel *Label104 = nullptr;
    QLabel *Label107 = nullptr;

private:
    void buildInputBand();
    void buildResultBand();
};
