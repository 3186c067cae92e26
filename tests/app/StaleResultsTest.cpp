// Results that no longer match the inputs beside them are marked stale, on
// every page and section, and become current again when recomputed.
#include "support/FormFixture.h"

#include "app/ui/CalcPage.h"
#include "app/ui/ProgramChange.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QRadioButton>
#include <QToolTip>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

const QStringList DuctSizing{"S_Size1", "S_Size2", "S_SizeD", "S_Fusok", "S_Ason"};
const QStringList DuctLoss{"P_SizeD", "P_Fusok", "P_Ason"};
const QStringList OutletSizing{"Edit23", "Edit24", "Edit25", "Edit21"};
const QStringList OutletCheck{"Edit30", "Edit32"};
const QStringList PipeSizing{"S_Size", "S_Speed", "S_AsonP"};
const QStringList PipeLoss{"P_Speed", "P_AsonP"};
const QStringList Air{"cEdit1", "cEdit2", "cEdit3", "cEdit4",
                      "cEdit5", "cEdit6", "cEdit7", "cEdit8"};

QStringList Without(QStringList list, const QStringList &removed)
{
    for (const QString &name : removed)
        list.removeAll(name);
    return list;
}

class StaleResultsTest : public FormTest
{
protected:
    // Every field of the window shown as stale, by name. Checks on the way
    // that the pages' descriptions say the same of each result.
    QStringList staleFields(const TDuctForm *window = nullptr) const
    {
        if (!window)
            window = form_.get();
        QStringList names;
        for (QLineEdit *e : window->findChildren<QLineEdit *>()) {
            if (e->property("stale").toBool())
                names.append(e->objectName());
        }
        QStringList described;
        for (app::ui::CalcPage *page : window->pages()) {
            for (const app::ui::FieldValue &v : page->fields()) {
                if (v.stale)
                    described.append(v.name);
            }
        }
        names.sort();
        described.sort();
        EXPECT_EQ(described.join(QLatin1Char(' ')).toStdString(),
                  names.join(QLatin1Char(' ')).toStdString())
            << "fields() and the property disagree";
        return names;
    }
    void expectStale(QStringList expected, const TDuctForm *window = nullptr) const
    {
        expected.sort();
        EXPECT_EQ(staleFields(window).join(QLatin1Char(' ')).toStdString(),
                  expected.join(QLatin1Char(' ')).toStdString());
    }

    void click(const char *name) { find<QAbstractButton>(name)->click(); }
    // A user's pick in a list.
    void pick(const char *name, int index)
    {
        auto *list = find<QComboBox>(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void enterIn(int page, const char *name)
    {
        showPage(page);
        pressEnter(name);
    }
    void typeAndEnter(const char *name, const char *text)
    {
        type(name, QString::fromUtf8(text));
        pressEnter(name);
    }

    // Every section of every page computed from the worked examples.
    void computeEverything()
    {
        showPage(TDuctForm::DuctPageIndex);
        typeAndEnter("S_Fryo", "3600");
        type("P_Fryo", QStringLiteral("3600"));
        type("P_Size1", QStringLiteral("500"));
        typeAndEnter("P_Size2", "500");
        showPage(TDuctForm::OutletPageIndex);
        type("Edit19", QStringLiteral("500"));
        typeAndEnter("Edit26", "2");
        type("Edit17", QStringLiteral("500"));
        type("Edit28", QStringLiteral("300"));
        typeAndEnter("Edit29", "300");
        showPage(TDuctForm::PipePageIndex);
        type("M_AsonP", QStringLiteral("30"));
        typeAndEnter("S_Ryo", "100");
        typeAndEnter("P_Ryo", "100");
        pressEnter("P_Size");
        enterIn(TDuctForm::AirPageIndex, "entEdit");
        ASSERT_TRUE(boxes_.empty()) << describe(boxes_.take());
        for (const QStringList *section :
             {&DuctSizing, &DuctLoss, &OutletSizing, &OutletCheck, &PipeSizing, &PipeLoss, &Air}) {
            for (const QString &name : *section)
                ASSERT_FALSE(edit(name.toLatin1().constData())->text().isEmpty())
                    << name.toStdString();
        }
        expectStale({});
    }

    // The tooltip that a pause of the mouse over the field shows.
    QString shownTooltip(const char *name)
    {
        QLineEdit *field = edit(name);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &event);
        const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        return shown;
    }
};

TEST_F(StaleResultsTest, EachReadOfASectionMakesExactlyItsResultsStaleUntilRecomputed)
{
    const auto ductSizing = [this] { enterIn(TDuctForm::DuctPageIndex, "S_Fryo"); };
    const auto ductLoss = [this] { enterIn(TDuctForm::DuctPageIndex, "P_Size2"); };
    const auto outletSizing = [this] { enterIn(TDuctForm::OutletPageIndex, "Edit26"); };
    const auto outletCheck = [this] { enterIn(TDuctForm::OutletPageIndex, "Edit29"); };
    const auto pipeSizing = [this] { enterIn(TDuctForm::PipePageIndex, "S_Ryo"); };
    const auto pipeLoss = [this] { enterIn(TDuctForm::PipePageIndex, "P_Size"); };
    const auto air = [this] { enterIn(TDuctForm::AirPageIndex, "entEdit"); };
    const auto both = [](auto first, auto second) {
        return [=] {
            first();
            second();
        };
    };
    const struct
    {
        const char *what;
        int page;
        std::function<void()> change;
        QStringList stale;
        std::function<void()> recompute;
        QStringList staleAfter; // results the recalculation does not write
    } steps[] = {
        {"duct: typed air volume", 0, [this] { type("S_Fryo", "7200"); }, DuctSizing, ductSizing},
        {"duct: typed target", 0, [this] { typeAndEnter("M_Ason", "0.08"); }, DuctSizing,
         ductSizing},
        {"duct: roughness written by the material list", 0, [this] { pick("D_Syrui", 4); },
         DuctSizing + DuctLoss, both(ductSizing, ductLoss)},
        {"duct: pasted density", 0,
         [this] {
             QApplication::clipboard()->setText(QStringLiteral("1.1"));
             edit("Hijy_Edit")->selectAll();
             edit("Hijy_Edit")->paste();
         },
         DuctSizing + DuctLoss, both(ductSizing, ductLoss)},
        {"duct: typed side", 0, [this] { type("P_Size1", "600"); }, DuctLoss, ductLoss},
        // The ticked side takes input: no result while it does.
        {"duct: fixed side ticked", 0, [this] { click("CheckBox1"); },
         Without(DuctSizing, {"S_Size1"}), [this] { typeAndEnter("S_Size1", "300"); }},
        {"duct: fixed side off", 0, [this] { click("CheckBox1"); }, DuctSizing, ductSizing},
        // A round duct has no sides, and its diameter takes input.
        {"duct: round",
         0,
         [this] { click("MaruButton"); },
         DuctSizing + Without(DuctLoss, {"P_SizeD"}),
         both(ductSizing, [this] { pressEnter("P_SizeD"); }),
         {"S_Size1", "S_Size2"}},
        {"duct: rectangle", 0, [this] { click("KakuButton"); }, DuctSizing + DuctLoss,
         both(ductSizing, ductLoss)},
        {"shared basis buttons", 0, [this] { click("ssButton2"); }, DuctSizing + PipeSizing,
         both(ductSizing, pipeSizing)},
        {"outlet: typed velocity", 1, [this] { type("Edit26", "2.5"); }, OutletSizing,
         outletSizing},
        // "HS" has the ratio of "VHS": the ratio fields keep their text.
        {"outlet: type list", 1, [this] { pick("ComboBox1", 1); }, OutletSizing + OutletCheck,
         both(outletSizing, outletCheck)},
        {"outlet: fixed side ticked", 1, [this] { click("CheckBox2"); },
         Without(OutletSizing, {"Edit23"}), [this] { typeAndEnter("Edit23", "200"); }},
        {"outlet: fixed side off", 1, [this] { click("CheckBox2"); }, OutletSizing, outletSizing},
        {"outlet: round",
         1,
         [this] { click("RadioButton2"); },
         OutletSizing + Without(OutletCheck, {"Edit30"}),
         both(outletSizing, [this] { pressEnter("Edit30"); }),
         {"Edit23", "Edit24"}},
        {"outlet: rectangle", 1, [this] { click("RadioButton1"); }, OutletSizing + OutletCheck,
         both(outletSizing, outletCheck)},
        {"outlet: typed side", 1, [this] { type("Edit29", "400"); }, OutletCheck, outletCheck},
        {"pipe: typed flow", 2, [this] { type("S_Ryo", "120"); }, PipeSizing, pipeSizing},
        {"pipe: material list", 2, [this] { pick("Syrui", 1); }, PipeSizing + PipeLoss,
         both(pipeSizing, pipeLoss)},
        {"pipe: temperature list", 2, [this] { pick("Ond", 3); }, PipeSizing + PipeLoss,
         both(pipeSizing, pipeLoss)},
        {"pipe: size list", 2, [this] { pick("P_Size", 5); }, PipeLoss, pipeLoss},
        {"pipe: typed flow of the loss", 2, [this] { type("P_Ryo", "150"); }, PipeLoss, pipeLoss},
        {"air: typed dry bulb", 3, [this] { typeAndEnter("D_TempEdit", "25"); }, Air, air},
        {"air: second property list", 3, [this] { pick("SelectBox", 1); }, Air, air},
        {"air: pressure choice", 3, [this] { click("PrGroupItem2"); }, Air, air},
        {"air: typed altitude", 3, [this] { type("WhEdit", "1000"); }, Air, air},
        // The switch converts the results it shows: they stay current.
        {"unit switch", 3, [this] { click("TaniButton2"); }, {}, [] {}},
        {"unit switch back", 0, [this] { click("TaniButton1"); }, {}, [] {}},
    };
    computeEverything();
    for (const auto &s : steps) {
        SCOPED_TRACE(s.what);
        showPage(s.page);
        s.change();
        expectStale(s.stale);
        s.recompute();
        EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
        expectStale(s.staleAfter);
    }
}

TEST_F(StaleResultsTest, FailuresLeaveResultsStaleAndAUnitSwitchKeepsThemSo)
{
    computeEverything();
    const auto texts = allFieldTexts();
    // An air volume of 0 fails: the results keep their texts, and stay stale.
    showPage(TDuctForm::DuctPageIndex);
    typeAndEnter("S_Fryo", "0");
    EXPECT_EQ(describe(boxes_.take()), warningBox("数値を確認して下さい。"));
    expectStale(DuctSizing);
    for (const QString &name : DuctSizing)
        EXPECT_EQ(text(name.toLatin1().constData()), texts.value(name)) << name.toStdString();
    // A unit switch converts them and leaves them stale.
    click("TaniButton2");
    expectStale(DuctSizing);
    EXPECT_NE(text("S_Ason"), texts.value("S_Ason"));
    typeAndEnter("S_Fryo", "3600");
    expectStale({});

    // The velocity basis writes the first side before an air volume of 0
    // fails: a result the calculation never completed.
    click("ssButton2");
    typeAndEnter("S_Fryo", "0");
    boxes_.take();
    EXPECT_EQ(text("S_Size1"), QStringLiteral("0"));
    expectStale(DuctSizing + PipeSizing);

    // An unreadable pressure: the state computed is that of the previous one.
    showPage(TDuctForm::AirPageIndex);
    click("PrGroupItem1");
    type("PrEdit", QStringLiteral("abc"));
    pressEnter("entEdit");
    EXPECT_EQ(describe(boxes_.take()), warningBox("数値を入力して下さい。"));
    expectStale(DuctSizing + PipeSizing + Air);
}

TEST_F(StaleResultsTest, AUnitSwitchThatStopsHalfWayLeavesWhatDependsOnTheUnitsStale)
{
    computeEverything();
    showPage(TDuctForm::PipePageIndex);
    type("M_AsonP", QStringLiteral("0.1*2")); // no plain number: the switch stops here
    click("TaniButton2");
    EXPECT_EQ(boxes_.take().size(), 1);
    // Every result that reads the unit system, converted or not.
    expectStale(DuctSizing + DuctLoss + PipeSizing + PipeLoss + Air);
}

// Two windows in one process: nothing done in one, not even inside one of
// its program changes, marks or clears a stale result of the other.
TEST_F(StaleResultsTest, TwoWindowsKeepTheirOwnStaleMarks)
{
    const auto sizeDuct = [this] {
        showPage(TDuctForm::DuctPageIndex);
        typeAndEnter("S_Fryo", "3600");
    };
    sizeDuct();
    const std::unique_ptr<TDuctForm> first = std::move(form_);
    openForm();
    sizeDuct();
    const auto firstField = [&first](const char *name) {
        return first->findChild<QLineEdit *>(QString::fromLatin1(name));
    };

    {
        // The first window's program change: the user's change in the second
        // still makes its results stale.
        const app::ui::ProgramChange change(first->programChanges());
        type("S_Fryo", QStringLiteral("7200"));
    }
    expectStale(DuctSizing);
    expectStale({}, first.get());
    pressEnter("S_Fryo");
    expectStale({});

    {
        const app::ui::ProgramChange change(form_->programChanges());
        firstField("S_Fryo")->setText(QStringLiteral("7200"));
    }
    expectStale(DuctSizing, first.get());
    expectStale({});
    QTest::keyClick(firstField("S_Fryo"), Qt::Key_Return);
    expectStale({}, first.get());

    // A change of the first window that stops half way leaves what it wrote
    // stale there; what the second wrote meanwhile is its own.
    try {
        const app::ui::ProgramChange change(first->programChanges(), {firstField("M_Ason")});
        edit("S_Fusok")->setText(QStringLiteral("1.000"));
        firstField("S_Fusok")->setText(QStringLiteral("1.000"));
        throw std::runtime_error("stopped");
    } catch (const std::runtime_error &) {
    }
    expectStale(DuctSizing, first.get());
    expectStale({});
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

TEST_F(StaleResultsTest, EmptyResultsAndInputsAreNeverStale)
{
    showPage(TDuctForm::DuctPageIndex);
    type("S_Fryo", QStringLiteral("3600"));
    pick("D_Syrui", 2);
    click("MaruButton");
    showPage(TDuctForm::UnitsPageIndex);
    typeAndEnter("Edit2", "101.325"); // writes Edit1, an input
    type("Edit2", QStringLiteral("50"));
    expectStale({});
    EXPECT_TRUE(edit("S_Fusok")->property("stale").isValid()); // there, and false
}

TEST_F(StaleResultsTest, EnterWritingANumberBackChangesNothing)
{
    computeEverything();
    showPage(TDuctForm::DuctPageIndex);
    pressEnter("Ztai_Edit"); // the same value, written back as "0.18"
    EXPECT_EQ(text("Ztai_Edit"), QStringLiteral("0.18"));
    pressEnter("M_Ason");
    expectStale({});
    typeAndEnter("S_Fryo", "1800*2"); // evaluated, written back, computed
    EXPECT_EQ(text("S_Fryo"), QStringLiteral("3600"));
    expectStale({});
    typeAndEnter("P_Fryo", "1800*2");
    expectStale(DuctLoss); // the typing, not the write-back
    pressEnter("P_Size2");
    expectStale({});
}

TEST_F(StaleResultsTest, AStaleResultSaysWhyInItsTooltipLookAndDescription)
{
    const QString staleHint =
        QStringLiteral("入力が変わったため、この値は再計算されていません。Enter で再計算します。");
    computeEverything();
    showPage(TDuctForm::DuctPageIndex);
    QLineEdit *field = edit("S_Fusok");
    const QFont currentFont = field->font();
    const QColor currentText = field->palette().color(QPalette::Text);
    EXPECT_EQ(shownTooltip("S_Fusok"), QStringLiteral("計算します"));

    type("S_Fryo", QStringLiteral("7200"));
    EXPECT_EQ(shownTooltip("S_Fusok"), staleHint);
    EXPECT_EQ(field->toolTip(), QStringLiteral("計算します")); // its own hint is kept
    EXPECT_EQ(field->accessibleDescription(), staleHint);
    EXPECT_TRUE(field->font().italic());
    EXPECT_NE(field->palette().color(QPalette::Text), currentText);
    EXPECT_EQ(shownTooltip("P_Fusok"), QStringLiteral("計算します")); // another section

    pressEnter("S_Fryo");
    EXPECT_EQ(shownTooltip("S_Fusok"), QStringLiteral("計算します"));
    EXPECT_TRUE(field->accessibleDescription().isEmpty());
    EXPECT_EQ(field->font(), currentFont);
    EXPECT_EQ(field->palette().color(QPalette::Text), currentText);
}

} // namespace
