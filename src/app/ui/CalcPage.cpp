#include "app/ui/CalcPage.h"

#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ProgramChange.h"
#include "app/ui/ResultFreshness.h"
#include "app/ui/SharedControls.h"
#include "app/ui/UiTexts.h"
#include "numeric/Messages.h"
#include "numeric/Units.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <exception>

namespace app::ui {

namespace {

QFrame *panel(QWidget *parent, const char *name, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    if (name)
        frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    return frame;
}

// Title bars are a deep blue with white text, so that the sections stand
// apart at a glance; the controls placed on a bar inherit its colours. Their
// indicators are filled with a lighter blue instead of white, so that only a
// checked one shows a mark (a white disc read as "on"), and the focus frame
// is amber, which a blue highlight would hide. The colours are the bar's own
// in every palette, light or dark.
void paintTitleBar(QFrame *bar)
{
    QPalette p = bar->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, QColor(0x2f, 0x4f, 0x7f));
        p.setColor(group, QPalette::WindowText, Qt::white);
        p.setColor(group, QPalette::ButtonText, Qt::white);
        p.setColor(group, QPalette::Base, QColor(0x4a, 0x6f, 0xa5));
        p.setColor(group, QPalette::Text, Qt::white);
        p.setColor(group, QPalette::Highlight, QColor(0xff, 0xc8, 0x3d));
    }
    bar->setPalette(p);
    bar->setAutoFillBackground(true);
}

// A section band that keeps its title bar and its right column as wide as
// the page, whatever width the tab widget gives it.
class SectionFrame : public QFrame
{
public:
    using QFrame::QFrame;
    QFrame *titleBar = nullptr;
    QFrame *body = nullptr;
    QFrame *right = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QFrame::resizeEvent(event);
        titleBar->resize(width(), titleBar->height());
        body->resize(width(), height() - body->y());
        right->resize(width() - right->x(), body->height());
    }
};

// The controls of the uses that belong to `run`, in their declared order;
// with no run, every one.
QList<QWidget *> ControlsOf(const QList<FieldUse> &uses, const Run *run = nullptr)
{
    QList<QWidget *> controls;
    for (const FieldUse &use : uses) {
        if (!run || use.belongsTo(*run))
            controls.append(use.control);
    }
    return controls;
}

QStringList NamesOf(const QList<QWidget *> &controls)
{
    QStringList names;
    for (const QWidget *control : controls)
        names.append(control->objectName());
    return names;
}

} // namespace

UnitFactors UnitFactors::towards(bool conventional)
{
    if (conventional)
        return {numeric::Real(1) / numeric::PaPerMmAq, numeric::Real(1) / numeric::KPaPerMmHg,
                numeric::Real(1) / numeric::KJPerKcal};
    return {numeric::PaPerMmAq, numeric::KPaPerMmHg, numeric::KJPerKcal};
}

CalcPage::CalcPage(const char *name, const QString &caption, FocusOrder &focus,
                   SharedControls &shared, ProgramChanges &changes, QWidget *parent)
    : QWidget(parent), focus_(focus), shared_(shared), caption_(caption),
      layout_(new QVBoxLayout(this)), changes_(changes),
      freshness_(new ResultFreshness(changes, this))
{
    setObjectName(QString::fromLatin1(name));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
}

QFrame *CalcPage::addBand(const char *name, int height)
{
    QFrame *band = panel(this, name, QFrame::Raised);
    band->setFixedHeight(height);
    layout_->addWidget(band);
    focus_.addBand(this, band);
    return band;
}

CalcPage::Section CalcPage::addSection(const char *name, const char *titleBarName,
                                       const QString &title, const SectionShape &shape)
{
    const auto [height, leftWidth, middleWidth] = shape;
    auto *frame = new SectionFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setFixedHeight(height);
    layout_->addWidget(frame);

    Section s;
    s.band = frame;
    s.titleBar = panel(s.band, titleBarName, QFrame::Raised);
    s.titleBar->setGeometry(0, 0, PageWidth, SectionTitleHeight);
    paintTitleBar(s.titleBar);
    auto *heading = BoldLabel(s.titleBar, title, 4, 3, 15);
    heading->setAttribute(Qt::WA_TransparentForMouseEvents);

    s.body = new QFrame(s.band);
    s.body->move(0, SectionTitleHeight);
    const int bodyHeight = height - SectionTitleHeight;
    s.left = panel(s.body, nullptr, QFrame::Sunken);
    s.left->setGeometry(0, 0, leftWidth, bodyHeight);
    s.middle = panel(s.body, nullptr, QFrame::Sunken);
    s.middle->setGeometry(leftWidth, 0, middleWidth, bodyHeight);
    s.right = panel(s.body, nullptr, QFrame::Sunken);
    s.right->setGeometry(leftWidth + middleWidth, 0, PageWidth - leftWidth - middleWidth,
                         bodyHeight);
    s.body->resize(PageWidth, bodyHeight);
    frame->titleBar = s.titleBar;
    frame->body = s.body;
    frame->right = s.right;

    focus_.addBand(this, s.titleBar);
    focus_.addBand(this, s.body);
    return s;
}

void CalcPage::finishBands()
{
    layout_->addStretch(1);
}

void CalcPage::moveTo(QWidget *control, QWidget *band, int x, int y)
{
    // A control that changes band takes the last place in the new band's
    // order; one already there keeps its place.
    if (control->parentWidget() != band) {
        control->setParent(band);
        focus_.moveControl(control, band);
    }
    control->move(x, y);
    control->show();
}

void CalcPage::takeSharedControls(QWidget *roughnessBand, QWidget *sizingTitleBar,
                                  const QString &velocityBasis)
{
    moveTo(shared_.TaniButton1, roughnessBand, SharedControls::ConventionalButtonX, BandButtonY);
    moveTo(shared_.TaniButton2, roughnessBand, SharedControls::SiButtonX, BandButtonY);
    for (QLabel *label : {shared_.Label25, shared_.Label26, shared_.Label27, shared_.Label28})
        moveTo(label, roughnessBand, label->x(), label->y());
    moveTo(shared_.ssButton1, sizingTitleBar, shared_.ssButton1->x(), shared_.ssButton1->y());
    moveTo(shared_.ssButton2, sizingTitleBar, shared_.ssButton2->x(), shared_.ssButton2->y());
    shared_.ssButton2->setText(velocityBasis);
}

void CalcPage::FocusNextField()
{
    // window()->focusWidget() rather than QApplication's: after a modal box
    // has closed no window may be active.
    if (QWidget *target = focus_.next(this, window()->focusWidget()))
        target->setFocus(Qt::TabFocusReason);
}

CalcPage *CalcPage::hostOf(QWidget *control)
{
    for (QWidget *w = control; w; w = w->parentWidget()) {
        if (auto *page = qobject_cast<CalcPage *>(w))
            return page;
    }
    return nullptr;
}

void CalcPage::onEnter(QWidget *control, std::function<void(QWidget *)> rule)
{
    enterRules_.insert(control, std::move(rule));
    control->installEventFilter(this);
}

bool CalcPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (!enterRules_.contains(watched))
        return QWidget::eventFilter(watched, event);
    enterIn(static_cast<QWidget *>(watched));
    return true;
}

void CalcPage::enterIn(QWidget *control)
{
    const auto rule = enterRules_.constFind(control);
    if (rule == enterRules_.constEnd())
        return;
    const auto handler = *rule; // the rule may rebind controls while it runs
    Guarded(window(), [&] { handler(control); });
}

void CalcPage::Ztai_EditKeyPress(QWidget *sender)
{
    EvaluateAndAdvance(sender);
}

void CalcPage::EvaluateAndAdvance(QWidget *field)
{
    try {
        // The number written back is the value typed: no change of the user's.
        const ProgramChange writeBack(changes_);
        EvaluateField(static_cast<QLineEdit *>(field));
    } catch (const std::exception &) {
        showWarning(texts::CheckValue);
        return;
    }
    FocusNextField();
}

void CalcPage::D_SyruiKeyPress(QWidget *sender)
{
    if (CalcPage *page = hostOf(sender))
        page->FocusNextField();
}

Ending CalcPage::EvaluateAndCalculate(QWidget *sender, const std::function<Ending()> &calculate)
{
    try {
        // What the calculation writes, the evaluated sender included, is the
        // program's own; a failure leaves what it wrote stale.
        const ProgramChange calculation(changes_);
        if (auto *field = qobject_cast<QLineEdit *>(sender))
            EvaluateField(field);
        return calculate();
    } catch (const std::exception &) {
        showWarning(numeric::messages::CheckValues);
        return Ending::failed();
    }
}

CalcPage::Text CalcPage::Fixed(const QString &text)
{
    return [text] { return text; };
}

CalcPage::Text CalcPage::TextOf(const QLabel *label)
{
    return [label] { return label->text(); };
}

void CalcPage::describeField(QLineEdit *field, Text caption, Text unit)
{
    described_.append({field, std::move(caption), [field] { return field->text(); },
                       std::move(unit), false, section_});
}

void CalcPage::describeOption(QWidget *control, const QString &caption, Text choice)
{
    described_.append({control, Fixed(caption), std::move(choice), Fixed({}), true, section_});
}

void CalcPage::describeNumber(QLineEdit *field, Number number)
{
    for (Described &d : described_) {
        if (d.control == field)
            d.number = std::move(number);
    }
}

void CalcPage::declare(Calculation calculation)
{
    freshness_->addCalculation(ControlsOf(calculation.reads), ControlsOf(calculation.writes));
    const qsizetype index = declared_.size();
    for (QWidget *field : calculation.enter) {
        if (calculation.keyPress)
            onEnter(field, calculation.keyPress);
        else
            onEnter(field,
                    [this, index](QWidget *sender) { calculate(declared_.at(index), sender); });
    }
    declared_.append(std::move(calculation));
}

void CalcPage::CalculateFrom(QWidget *sender)
{
    for (const Calculation &c : declared_) {
        if (c.enter.contains(sender)) {
            calculate(c, sender);
            return;
        }
    }
}

QList<CalculationInfo> CalcPage::calculations() const
{
    QList<CalculationInfo> infos;
    for (const Calculation &c : declared_) {
        infos.append({c.caption, NamesOf(ControlsOf(c.reads)), NamesOf(ControlsOf(c.writes)),
                      NamesOf(c.enter)});
    }
    return infos;
}

void CalcPage::calculate(const Calculation &calculation, QWidget *sender)
{
    const Run run{sender};
    const Ending end = calculation.routine(run);
    if (end.kind == Ending::Kind::Completed)
        record(calculation, run, end);
}

FieldValue CalcPage::valueOf(const Described &d) const
{
    FieldValue v;
    v.name = d.control ? d.control->objectName() : QString();
    v.caption = d.caption();
    v.text = d.text();
    v.unit = d.unit();
    v.section = d.section;
    if (d.option)
        v.role = FieldRole::Option;
    else if (const auto *edit = qobject_cast<const QLineEdit *>(d.control.data()))
        v.role = edit->isReadOnly() ? FieldRole::Result : FieldRole::Input;
    return v;
}

const CalcPage::Described *CalcPage::describedFor(const QWidget *control) const
{
    for (const Described &d : described_) {
        if (d.control == control)
            return &d;
    }
    return nullptr;
}

QList<FieldValue> CalcPage::fields() const
{
    QList<FieldValue> values;
    for (const Described &d : described_) {
        FieldValue v = valueOf(d);
        if (v.role == FieldRole::Result)
            v.stale = freshness_->isStale(static_cast<const QLineEdit *>(d.control.data()));
        values.append(v);
    }
    return values;
}

void CalcPage::record(const Calculation &calculation, const Run &run, const Ending &end)
{
    const QList<QWidget *> read = ControlsOf(calculation.reads, &run);
    const QList<QWidget *> written = ControlsOf(calculation.writes, &run);
    freshness_->calculated(written);
    CalculationRecord record;
    record.time = QDateTime::currentDateTime();
    record.page = caption_;
    record.calculation = calculation.title ? calculation.title(run) : calculation.caption;
    record.warning = end.warning;
    recording_ = &run;
    const auto recorded = qScopeGuard([this] { recording_ = nullptr; });
    for (const auto *list : {&read, &written}) {
        for (const QWidget *control : *list) {
            if (const Described *d = describedFor(control)) {
                FieldValue v = valueOf(*d);
                // What the run wrote is its result; a field it read is its
                // input, also one that shows a result otherwise (the
                // equivalent diameter that Enter computes a round duct of).
                if (list == &written)
                    v.role = FieldRole::Result;
                else if (v.role == FieldRole::Result)
                    v.role = FieldRole::Input;
                if (d->number)
                    v.value = d->number();
                record.fields.append(v);
            }
        }
    }
    emit calculated(record);
    if (!end.resultsCurrent)
        freshness_->markStale(written);
}

void CalcPage::showWarning(const char *utf8Text)
{
    ShowWarning(window(), QString::fromUtf8(utf8Text));
}

} // namespace app::ui
