#pragma once

#include "app/settings/SettingKey.h"
#include "app/ui/Calculation.h"
#include "app/ui/CalculationRecord.h"
#include "app/ui/PageGeometry.h"
#include "numeric/Medium.h"
#include "numeric/Real.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace app::ui {

class FocusOrder;
class ProgramChanges;
class ResultFreshness;
struct SharedControls;

// The factors of a change of unit system, towards the system just chosen:
// a loss per metre (mmAq/m ⇄ Pa/m), a pressure (mmHg ⇄ kPa) and an enthalpy
// (kcal/kg ⇄ kJ/kg).
struct UnitFactors
{
    numeric::Real loss;
    numeric::Real pressure;
    numeric::Real enthalpy;

    // Conventional factors are the reciprocals of the SI ones, in extended
    // precision.
    static UnitFactors towards(bool conventional);
};

// Which fields one calculation of a page reads (inputs and options), which
// it may write and which run it on Enter, by objectName: every field that
// belongs to any of its runs.
struct CalculationInfo
{
    QString title;
    QStringList reads;
    QStringList writes;
    QStringList enter;
};

// One tab page: a stack of horizontal bands, top to bottom. A calculation
// section is a band with a bold title bar across its top and, below it,
// three columns: inputs on the left, sizes in the middle, results on the
// right.
//
// A page owns its behaviour: the Enter rule of each of its fields, its
// calculations, what a change of unit system or sizing basis does to it, the
// settings keys it keeps and a description of its fields. The window talks to
// its pages only through the public part of this class.
class CalcPage : public QWidget
{
    Q_OBJECT

public:
    // A page of the window that orders the focus by `focus`, shares `shared`
    // and keeps its program's changes in `changes`.
    CalcPage(const char *name, const QString &caption, FocusOrder &focus, SharedControls &shared,
             ProgramChanges &changes, QWidget *parent = nullptr);

    // The page's tab caption.
    QString caption() const { return caption_; }

    // The window was shown for the first time and the settings are applied.
    virtual void windowShown() {}
    // The page became the active one (the shared controls come here).
    virtual void pageShown() {}
    // What the page's flows are, when it has any.
    virtual std::optional<numeric::Medium> flowMedium() const { return std::nullopt; }
    // The sizing basis changed: captions and hints of the targets; and the
    // target of the page in front takes the focus.
    virtual void showSizingBasis() {}
    virtual void focusSizingTarget() {}
    // The unit system changed: first every page relabels its units, then
    // every page converts its values shown in them, in page order. A value
    // that is no plain number stops the conversion there by throwing.
    virtual void relabelUnits() {}
    virtual void convertUnits(const UnitFactors &) {}
    // The keys of the settings file that the page keeps, each declared once
    // with its place in the file (app/settings/SettingKey.h).
    virtual std::vector<settings::Setting> settingsKeys() { return {}; }

    // Every field and option of the page as the user sees it now, in the
    // page's order; a result that no longer matches the inputs beside it is
    // marked stale.
    QList<FieldValue> fields() const;
    // Which fields each calculation of the page reads and writes, in the
    // order of their declarations.
    QList<CalculationInfo> calculations() const;

    // Moves the focus on to the next control of this page, as Enter does.
    void FocusNextField();
    // The page a control stands on now (shared controls travel), or none.
    static CalcPage *hostOf(QWidget *control);

signals:
    // A calculation completed and wrote its results.
    void calculated(const app::ui::CalculationRecord &record);
    // A page with a sizing section (a SizingSource) sized, or something its
    // sizing reads changed.
    void sizingChanged();

protected:
    struct Section
    {
        QFrame *band = {};
        QFrame *titleBar = {};
        QFrame *body = {};
        QFrame *left = {};
        QFrame *middle = {};
        QFrame *right = {};
    };

    // A plain band of the given height, registered for the focus order.
    QFrame *addBand(const char *name, int height = BandHeight);
    // A section: its title bar and its body are two bands of the focus order.
    Section addSection(const char *name, const char *titleBarName, const QString &title,
                       const SectionShape &shape);
    // Fills the rest of the page below the last band.
    void finishBands();
    // Brings a control (a shared one) into a band of this page at x, y; a
    // control new to the band takes the last place in its focus order.
    void moveTo(QWidget *control, QWidget *band, int x, int y);
    // Brings every shared control to a sizing page (duct, pipe) at its design
    // place: the unit buttons and the captions into `roughnessBand`, the
    // basis buttons into `sizingTitleBar`, the second one reading
    // `velocityBasis`.
    void takeSharedControls(QWidget *roughnessBand, QWidget *sizingTitleBar,
                            const QString &velocityBasis);

    // What Enter does in a control (Return or the keypad's Enter; every
    // other key is left to the control). The rule runs inside the guard.
    void onEnter(QWidget *control, std::function<void(QWidget *sender)> rule);
    // Runs the Enter rule of a control as the key runs it.
    void enterIn(QWidget *control);
    // Evaluates the field and moves on; on failure the warning
    // texts::CheckValue and the focus stays.
    void Ztai_EditKeyPress(QWidget *sender);
    void EvaluateAndAdvance(QWidget *field);
    // Lists, radio buttons and check boxes: move on to the next control.
    static void D_SyruiKeyPress(QWidget *sender);
    // Evaluates the sender when it is a text field, then runs the
    // calculation, all as the program's own change; any failure on the way
    // shows numeric::messages::CheckValues and ends the run as failed.
    Ending EvaluateAndCalculate(QWidget *sender, const std::function<Ending()> &calculate);

    // The description of the page's fields: an entry field (its role follows
    // its read-only state: a result, or an input), or an option (a list, a
    // pair of radio buttons, a check box) with the text of its choice.
    using Text = std::function<QString()>;
    static Text Fixed(const QString &text);
    // A text constant (UTF-8, the texts headers').
    template <std::size_t N> static Text Fixed(const char (&utf8)[N])
    {
        return Fixed(QString::fromUtf8(utf8));
    }
    static Text TextOf(const QLabel *label);
    // Fields and options described after describeSection belong to it.
    void describeSection(const QString &title) { section_ = title; }
    void describeField(QLineEdit *field, Text caption, Text unit);
    void describeOption(QWidget *control, const QString &caption, Text choice);
    // For a field the page shows with fewer digits than its number merits:
    // the number behind its text now, which goes into the records beside
    // the text (CalculationRecord.h, FieldValue::value), or nothing.
    using Number = std::function<std::optional<double>()>;
    void describeNumber(QLineEdit *field, Number number);
    // Declares a calculation of the page (Calculation.h). Enter in its
    // `enter` fields runs its routine; a change of anything it may read makes
    // what it may write stale; a run that completes makes what it wrote
    // current and goes out through `calculated`, with the fields that belong
    // to the run as shown then.
    void declare(Calculation calculation);
    // Enter in a field that starts a calculation: runs the declared
    // calculation whose Enter fields hold the sender. The pages' named
    // handlers (S_FryoKeyPress …) come here.
    void CalculateFrom(QWidget *sender);
    // While the record of a run is made, that run: for descriptions that
    // follow what it computed rather than the options shown. Else none.
    const Run *recording() const { return recording_; }

    void showWarning(const char *utf8Text);

    bool eventFilter(QObject *watched, QEvent *event) override;

    FocusOrder &focus_;
    SharedControls &shared_;

private:
    struct Described
    {
        QPointer<QWidget> control;
        Text caption;
        Text text;
        Text unit;
        bool option = false;
        QString section;
        Number number = {};
    };
    FieldValue valueOf(const Described &d) const;
    const Described *describedFor(const QWidget *control) const;
    void calculate(const Calculation &calculation, QWidget *sender);
    void record(const Calculation &calculation, const Run &run, const Ending &end);

    QString caption_;
    QString section_;
    QVBoxLayout *layout_;
    QHash<QObject *, std::function<void(QWidget *)>> enterRules_;
    QList<Described> described_;
    QList<Calculation> declared_;
    const Run *recording_ = {};
    ProgramChanges &changes_;
    ResultFreshness *freshness_;
};

} // namespace app::ui
