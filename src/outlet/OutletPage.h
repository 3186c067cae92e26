#pragma once

#include "app/ui/CalcPage.h"
#include "app/ui/ShapeOptions.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace outlet {

// The outlets page (TabSheet5): sizing supply outlets and return
// inlets from an air volume, an opening ratio and a face velocity, and
// checking the face velocity of a given size.
class OutletPage : public app::ui::CalcPage
{
    Q_OBJECT

public:
    static constexpr int TypeCount = 8;
    // The outlet types, as the type list shows them, and the opening ratio of
    // each at a first start, %.
    static constexpr std::array<const char *, TypeCount> TypeNames{"VHS", "HS",  "OAG", "EAG",
                                                                   "RAG", "SEG", "DG",  "排煙口"};
    static constexpr std::array<int, TypeCount> DefaultOpeningRatios{75, 75, 35, 35,
                                                                     60, 35, 60, 90};

    OutletPage(app::ui::FocusOrder &focus, app::ui::SharedControls &shared,
               app::ui::ProgramChanges &changes, QWidget *parent = nullptr);

    void windowShown() override;
    std::optional<numeric::Medium> flowMedium() const override { return numeric::Medium::Air; }
    std::vector<app::settings::Setting> settingsKeys() override;

    // The opening ratio in whole percent of each outlet type, in list order.
    // Index checked: anything outside 0 to 7 is a numeric::RangeError.
    int openingRatio(int type) const;
    void setOpeningRatio(int type, int percent);

    // Shows the selected type's opening ratio in both ratio fields.
    void ComboBox1Change();
    // Rectangular or round outlet: which size fields take input.
    void RadioButton1Click();
    // Fixed side on or off: Edit23 takes the fixed side or shows a result.
    void CheckBox2Click();
    // Enter in the fields that prepare a value: the opening-ratio fields
    // first store the ratio as typed, for the outlet type selected.
    void Ztai_EditKeyPress(QWidget *sender);
    // Enter in Edit26/Edit23 (sizing) or Edit29/Edit30 (check): the field is
    // evaluated and its calculation runs.
    void Edit26KeyPress(QWidget *sender) { CalculateFrom(sender); }
    // The routines of the two calculations, run by Enter in Edit26/Edit23
    // (sizing) or Edit29/Edit30 (check) after the field was evaluated.
    // Failures are thrown to the Enter rule.
    app::ui::Ending SizeOutlet(QLineEdit *field);
    app::ui::Ending CheckOutlet(QLineEdit *field);

private:
    void buildSizingSection();
    void buildCheckSection();
    void bindEnterRules();
    void connectHandlers();
    void describeFields();
    void declareCalculations();

    QComboBox *ComboBox1 = {};
    QRadioButton *RadioButton1 = {};
    QRadioButton *RadioButton2 = {};
    QCheckBox *CheckBox2 = {};
    QLineEdit *Edit19 = {};
    QLineEdit *Edit20 = {};
    QLineEdit *Edit26 = {};
    QLineEdit *Edit23 = {};
    QLineEdit *Edit24 = {};
    QLineEdit *Edit25 = {};
    QLineEdit *Edit21 = {};
    QLineEdit *Edit17 = {};
    QLineEdit *Edit18 = {};
    QLineEdit *Edit28 = {};
    QLineEdit *Edit29 = {};
    QLineEdit *Edit30 = {};
    QLineEdit *Edit32 = {};

    std::array<int, TypeCount> OpeningRatios = DefaultOpeningRatios;
    std::optional<app::ui::ShapeOptions> shape_;
};

} // namespace outlet
