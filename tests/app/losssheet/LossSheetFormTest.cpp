#include "LossSheetFixture.h"

#include "app/losssheet/FittingTableModel.h"
#include "app/losssheet/LossSheetModel.h"
#include "losssheet/Calculator.h"
#include "losssheet/SheetTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

using namespace app::losssheet;
using losssheet::SystemKind;

QString StatusText(QWidget *form)
{
    return form->findChild<QStatusBar *>(QStringLiteral("LossSheetStatus"))->currentMessage();
}

// Three sections typed cell by cell: every cell and the summary read as the
// engine computes the same system, the sizes found by the rule, the flow
// carried up from the branches, the critical path.
TEST_F(LossSheetTest, ThreeSectionsTypedInCellsGiveTheEnginesSheet)
{
    typeThreeSections();
    ASSERT_EQ(sections()->model()->rowCount(), 3);
    EXPECT_EQ(cell(0, NameColumn), QStringLiteral("1"));
    EXPECT_EQ(cell(1, UpstreamColumn), QStringLiteral("1"));
    EXPECT_EQ(cell(2, UpstreamColumn), QStringLiteral("1"));

    const losssheet::System typed = ThreeSections();
    const losssheet::SystemResult expected = losssheet::Compute(typed, UnitSystem::Conventional);
    for (int row = 0; row < 3; ++row) {
        const auto texts = losssheet::TextsOf(expected.sections[static_cast<std::size_t>(row)],
                                              SystemKind::Duct, UnitSystem::Conventional);
        for (int column : ColumnsOf(SystemKind::Duct)) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
            EXPECT_EQ(cell(row, column),
                      CellOf(column, typed.sections[static_cast<std::size_t>(row)],
                             expected.sections[static_cast<std::size_t>(row)], texts)
                          .text);
        }
    }
    EXPECT_EQ(cell(0, FlowColumn), QStringLiteral("4200"));
    EXPECT_TRUE(sections()
                    ->model()
                    ->index(0, FlowColumn)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("下流")));
    EXPECT_FALSE(cell(0, SizeColumn).isEmpty());

    const auto summaryTexts =
        losssheet::TextsOf(expected.summary, SystemKind::Duct, UnitSystem::Conventional);
    EXPECT_EQ(summary("SummaryCriticalPath"), QStringLiteral("1 → 3"));
    EXPECT_EQ(summary("SummaryResult"), QString::fromStdString(summaryTexts.required));
    EXPECT_EQ(summary("SummaryLoss"), QString::fromStdString(summaryTexts.systemLoss));
    EXPECT_EQ(summary("SummaryMargin"), QStringLiteral("10"));
    EXPECT_TRUE(summary("SummaryProblem").isEmpty());
    // The critical path is tinted, the other branch is not.
    const auto background = [this](int row) {
        return sections()->model()->index(row, NameColumn).data(Qt::BackgroundRole);
    };
    EXPECT_TRUE(background(0).isValid());
    EXPECT_FALSE(background(1).isValid());
    EXPECT_TRUE(background(2).isValid());
    // Both branches are terminals, with the other's surplus.
    const QAbstractItemModel *terminals = find<QTableView>("TerminalTable")->model();
    ASSERT_EQ(terminals->rowCount(), 2);
    EXPECT_EQ(terminals->index(0, 0).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(terminals->index(0, 2).data().toString(),
              QString::fromStdString(summaryTexts.terminals[0].surplus));
    EXPECT_EQ(terminals->index(1, 2).data().toString(), QStringLiteral("0.00"));
}

// What a cell takes: expressions and the window's variables; a flow left
// blank again is the branches' sum; full-width digits.
TEST_F(LossSheetTest, CellsTakeExpressionsAndVariables)
{
    typeThreeSections();
    struct Case
    {
        int row;
        int column;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {
        {1, FlowColumn, "QA=600*3", "1800"},
        {2, FlowColumn, "QA+600", "2400"},
        {2, LengthColumn, "２＊４", "8"},
        {1, SizeColumn, "500x300", "500×300"},
        {1, SizeColumn, "", ""}, // sized again
        {0, FlowColumn, "", "4200"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_FALSE(typeCell(c.row, c.column, QString::fromUtf8(c.typed)));
        if (*c.shown) {
            EXPECT_EQ(cell(c.row, c.column), QString::fromUtf8(c.shown));
        }
    }
    EXPECT_FALSE(cell(1, SizeColumn).isEmpty()); // found by the rule
    EXPECT_EQ(system().sections[1].flow, 1800);
    EXPECT_FALSE(system().sections[0].flow.has_value());
}

// A text that is no number keeps the editor open with a message; Esc
// leaves the cell as it was. Nothing is stored by a refused assignment.
TEST_F(LossSheetTest, ATextThatIsNoNumberKeepsTheEditorOpen)
{
    typeThreeSections();
    const QString before = cell(1, FlowColumn);
    const QString texts[] = {QStringLiteral("12**"),
                             QStringLiteral("NOSUCH+1"),
                             QStringLiteral("LN(0)"),
                             QStringLiteral("漢字"),
                             QString(100000, QLatin1Char('9')) + QStringLiteral("E99999"),
                             QStringLiteral("Y=2*")};
    for (const QString &text : texts) {
        SCOPED_TRACE(text.left(20).toStdString());
        QWidget *editor = typeCell(1, FlowColumn, text);
        ASSERT_TRUE(editor) << "the editor closed";
        EXPECT_TRUE(StatusText(form_.get()).contains(QStringLiteral("数値を確認")))
            << StatusText(form_.get()).toStdString();
        QTest::keyClick(editor, Qt::Key_Escape);
        EXPECT_FALSE(OpenEditor(sections()));
        EXPECT_EQ(cell(1, FlowColumn), before);
    }
    // An empty name is refused the same way.
    QWidget *editor = typeCell(1, NameColumn, QString());
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(cell(1, NameColumn), QStringLiteral("2"));
}

// Long and odd texts are names like any other: taken, shown, never a hang.
TEST_F(LossSheetTest, LongAndOddNamesAreTaken)
{
    typeThreeSections();
    const QString longName(100000, QChar(u'区'));
    EXPECT_FALSE(typeCell(2, UpstreamColumn, longName));
    EXPECT_TRUE(sections()
                    ->model()
                    ->index(2, NameColumn)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("区区区")));
    EXPECT_FALSE(typeCell(2, NameColumn, longName));
    EXPECT_EQ(system().sections[2].name.size(), longName.toStdString().size());
    EXPECT_FALSE(typeCell(1, NameColumn, QStringLiteral("ＳＡ\u0001")));
    EXPECT_FALSE(typeCell(2, UpstreamColumn, QStringLiteral("1")));
    EXPECT_EQ(summary("SummaryCriticalPath"), QStringLiteral("1 → ") + longName);
}

// Bad trees: each row says why, and nothing hangs on a loop.
TEST_F(LossSheetTest, LoopsAndUnknownNamesShowInTheirRows)
{
    typeThreeSections();
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(typeCell(0, UpstreamColumn, QStringLiteral("3"))); // 1 → 3 → 1
    EXPECT_LT(timer.elapsed(), 5000);
    const auto reason = [this](int row) {
        return sections()->model()->index(row, NameColumn).data(Qt::ToolTipRole).toString();
    };
    const auto marked = [this](int row) {
        return sections()->model()->index(row, NameColumn).data(Qt::DecorationRole).isValid();
    };
    EXPECT_TRUE(marked(0));
    EXPECT_TRUE(reason(0).contains(QStringLiteral("循環")) ||
                reason(2).contains(QStringLiteral("循環")))
        << reason(0).toStdString() << " / " << reason(2).toStdString();
    EXPECT_FALSE(summary("SummaryProblem").isEmpty());
    // The window still answers.
    EXPECT_FALSE(typeCell(0, UpstreamColumn, QStringLiteral("なし")));
    EXPECT_TRUE(reason(0).contains(QStringLiteral("なし")));
    EXPECT_FALSE(typeCell(0, UpstreamColumn, QString()));
    EXPECT_FALSE(marked(0));
    EXPECT_EQ(summary("SummaryCriticalPath"), QStringLiteral("1 → 3"));
}

// Del asks first: cancelled, the section stays; confirmed, it goes.
TEST_F(LossSheetTest, DeleteAsksFirst)
{
    typeThreeSections();
    sections()->setCurrentIndex(sections()->model()->index(1, NameColumn));
    QString asked;
    QTimer cancel;
    cancel.setInterval(5);
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::Cancel)->click();
        }
    });
    cancel.start();
    boxes_.pause();
    QTest::keyClick(sections(), Qt::Key_Delete);
    boxes_.resume();
    cancel.stop();
    EXPECT_TRUE(asked.contains(QStringLiteral("区間「2」を削除しますか"))) << asked.toStdString();
    EXPECT_EQ(sections()->model()->rowCount(), 3);

    QTest::keyClick(sections(), Qt::Key_Delete); // the recorder confirms
    const auto seen = boxes_.take();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].objectName, QStringLiteral("LossSheetQuestion"));
    ASSERT_EQ(sections()->model()->rowCount(), 2);
    EXPECT_EQ(cell(1, NameColumn), QStringLiteral("3"));
    EXPECT_EQ(cell(0, FlowColumn), QStringLiteral("2400"));
}

// Renaming a section takes its downstream sections along.
TEST_F(LossSheetTest, RenamingASectionKeepsItsBranches)
{
    typeThreeSections();
    EXPECT_FALSE(typeCell(0, NameColumn, QStringLiteral("SA-1")));
    EXPECT_EQ(cell(1, UpstreamColumn), QStringLiteral("SA-1"));
    EXPECT_EQ(cell(2, UpstreamColumn), QStringLiteral("SA-1"));
    EXPECT_EQ(summary("SummaryCriticalPath"), QStringLiteral("SA-1 → 3"));
}

// Fittings: added from the kind list, their inputs typed in the editor
// (expressions, units), a tee's ratios from the tree, an input outside its
// formula's range warned in the row and never clamped.
TEST_F(LossSheetTest, FittingsOfASection)
{
    typeThreeSections();
    sections()->setCurrentIndex(sections()->model()->index(2, NameColumn));
    auto *kind = find<QComboBox>("FittingKind");
    const auto add = [&](const char *id) {
        const int index = kind->findData(QString::fromLatin1(id));
        ASSERT_GE(index, 0) << id;
        kind->setCurrentIndex(index);
        QTest::mouseClick(find("AddFittingButton"), Qt::LeftButton);
    };
    add("duct.elbow.round.smooth");
    ASSERT_EQ(fittings()->model()->rowCount(), 1);
    const auto fittingCell = [this](int row, int column) {
        return fittings()->model()->index(row, column).data().toString();
    };
    EXPECT_EQ(fittingCell(0, FittingTableModel::CoefficientColumn), QStringLiteral("0.210"));
    EXPECT_EQ(cell(2, SumZetaColumn), QStringLiteral("0.21"));

    // R/D of 0.3 lies below the formula's range: warned, computed as given.
    auto *radius = find<QLineEdit>("FittingValue1");
    radius->setFocus();
    radius->selectAll();
    TypeKeys(radius, QStringLiteral("0.6/2"));
    QTest::keyClick(radius, Qt::Key_Return);
    ASSERT_FALSE(system().sections[2].fittings[0].values.empty());
    EXPECT_EQ(system().sections[2].fittings[0].values[0], 0.3L);
    EXPECT_FALSE(fittingCell(0, FittingTableModel::WarningColumn).isEmpty());
    EXPECT_TRUE(sections()->model()->index(2, NameColumn).data(Qt::DecorationRole).isValid());
    EXPECT_NE(fittingCell(0, FittingTableModel::CoefficientColumn), QStringLiteral("0.210"));

    // Two of them.
    EXPECT_FALSE(TypeCell(fittings(), 0, FittingTableModel::CountColumn, QStringLiteral("1+1")));
    EXPECT_EQ(system().sections[2].fittings[0].count, 2);

    // A branch tee: its flow ratio from the tree, 2400 / 4200.
    add("tee.diverging.branch");
    EXPECT_TRUE(fittingCell(1, FittingTableModel::InputsColumn)
                    .contains(QStringLiteral("流量比 0.571（系統から）")))
        << fittingCell(1, FittingTableModel::InputsColumn).toStdString();
    EXPECT_TRUE(
        find<QLineEdit>("FittingValue3")->placeholderText().startsWith(QStringLiteral("0.571")));

    // Equipment rated in the window's unit: 25 mmAq at 3000 m³/h.
    add("equipment.fixed_dp");
    auto *rated = find<QLineEdit>("FittingValue1");
    rated->setFocus();
    TypeKeys(rated, QStringLiteral("25"));
    QTest::keyClick(rated, Qt::Key_Return);
    auto *flow = find<QLineEdit>("FittingValue2");
    flow->setFocus();
    TypeKeys(flow, QStringLiteral("3000"));
    QTest::keyClick(flow, Qt::Key_Return);
    ASSERT_EQ(system().sections[2].fittings[2].values.size(), 2u);
    EXPECT_NEAR(static_cast<double>(*system().sections[2].fittings[2].values[0]), 245.16625, 1e-9);
    // (2400/3000)² × 25 mmAq
    EXPECT_EQ(cell(2, EquipmentColumn), QStringLiteral("16.00"));

    // Del asks, then removes the fitting.
    fittings()->setFocus();
    fittings()->setCurrentIndex(fittings()->model()->index(2, 0));
    QTest::keyClick(fittings(), Qt::Key_Delete);
    EXPECT_EQ(boxes_.take().size(), 1);
    EXPECT_EQ(fittings()->model()->rowCount(), 2);
    EXPECT_EQ(cell(2, EquipmentColumn), QStringLiteral("0.00"));
}

// The systems: a pipe system's conditions and its head; duplicate, delete.
TEST_F(LossSheetTest, PipeSystemGivesThePumpHead)
{
    QTest::mouseClick(find("AddPipeSystemButton"), Qt::LeftButton);
    EXPECT_EQ(form_->sheet().count(), 1);
    EXPECT_EQ(system().kind, SystemKind::Pipe);
    insertSection();
    EXPECT_FALSE(typeCell(0, FlowColumn, QStringLiteral("300")));
    EXPECT_FALSE(typeCell(0, SizeColumn, QStringLiteral("65A")));
    EXPECT_FALSE(typeCell(0, LengthColumn, QStringLiteral("20")));
    const auto typeField = [this](const char *name, const QString &text) {
        auto *field = find<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        TypeKeys(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    };
    typeField("StaticHead", QStringLiteral("3"));
    typeField("TerminalPressure", QStringLiteral("20"));
    EXPECT_EQ(system().pipe.staticHead, 3);
    EXPECT_EQ(system().pipe.terminalPressure, 20);
    const auto expected =
        losssheet::TextsOf(losssheet::Compute(system(), UnitSystem::Conventional).summary,
                           SystemKind::Pipe, UnitSystem::Conventional);
    EXPECT_EQ(summary("SummaryResult"), QString::fromStdString(expected.required));
    EXPECT_EQ(summary("SummaryResultKilopascals"),
              QString::fromStdString(expected.requiredKilopascals));
    EXPECT_EQ(summary("SummaryStaticHead"), QStringLiteral("3.00"));
    EXPECT_EQ(cell(0, SizeColumn), QStringLiteral("65"));

    // A field that is no number changes nothing and says so.
    typeField("MarginEdit", QStringLiteral("10%%"));
    EXPECT_EQ(system().marginPercent, 10);
    EXPECT_TRUE(StatusText(form_.get()).contains(QStringLiteral("余裕率")));

    QTest::mouseClick(find("DuplicateSystemButton"), Qt::LeftButton);
    EXPECT_EQ(form_->sheet().count(), 2);
    EXPECT_EQ(form_->currentSystem(), 1);
    EXPECT_EQ(system().name, form_->sheet().system(0).name + " のコピー");
    QTest::mouseClick(find("DeleteSystemButton"), Qt::LeftButton);
    ASSERT_EQ(boxes_.take().size(), 1);
    EXPECT_EQ(form_->sheet().count(), 1);
    EXPECT_EQ(find<QListWidget>("SystemList")->count(), 1);
}

// The unit switch: the target per metre converted as the pages convert
// theirs, R in Pa/m, the result in Pa; and back.
TEST_F(LossSheetTest, UnitsFollowTheWindow)
{
    typeThreeSections();
    EXPECT_EQ(find<QLineEdit>("SizingTarget")->text(), QStringLiteral("0.100"));
    const QString conventional = summary("SummaryResult");
    form_->setConventionalUnits(false);
    EXPECT_EQ(find<QLineEdit>("SizingTarget")->text(), QStringLiteral("0.981"));
    EXPECT_EQ(system().duct.sizing.target, 0.981L);
    EXPECT_TRUE(sections()
                    ->model()
                    ->headerData(LossPerMetreColumn, Qt::Horizontal)
                    .toString()
                    .contains(QStringLiteral("Pa/m")));
    const auto expected = losssheet::TextsOf(losssheet::Compute(system(), UnitSystem::SI).summary,
                                             SystemKind::Duct, UnitSystem::SI);
    EXPECT_EQ(summary("SummaryResult"), QString::fromStdString(expected.required));
    form_->setConventionalUnits(true);
    EXPECT_EQ(find<QLineEdit>("SizingTarget")->text(), QStringLiteral("0.100"));
    EXPECT_EQ(summary("SummaryResult"), conventional);
}

// Records: one per finished piece of work. Typing makes none; leaving an
// edited, complete system (hiding the window) makes one; hiding again
// without an edit makes none; 記録 makes one when asked, never of an
// incomplete system.
TEST_F(LossSheetTest, CompletedTotalsGoIntoTheRecord)
{
    typeThreeSections();
    EXPECT_TRUE(records_.isEmpty());
    form_->hide();
    ASSERT_EQ(records_.size(), 1);
    const auto &r = records_[0];
    EXPECT_EQ(r.page, QStringLiteral("系統圧損計算"));
    EXPECT_TRUE(r.calculation.contains(QStringLiteral("送風機静圧")));
    const auto result = std::find_if(r.fields.begin(), r.fields.end(), [](const auto &f) {
        return f.caption == QStringLiteral("必要静圧");
    });
    ASSERT_NE(result, r.fields.end());
    EXPECT_EQ(result->role, app::ui::FieldRole::Result);
    EXPECT_EQ(result->unit, QStringLiteral("mmAq"));
    form_->show();
    form_->hide();
    EXPECT_EQ(records_.size(), 1);
    form_->show();
    QTest::mouseClick(find("RecordSystemButton"), Qt::LeftButton);
    EXPECT_EQ(records_.size(), 2);
    // A section without a flow: not complete, not recorded, and said so.
    insertSection();
    QTest::mouseClick(find("RecordSystemButton"), Qt::LeftButton);
    EXPECT_EQ(records_.size(), 2);
    EXPECT_TRUE(StatusText(form_.get()).contains(QStringLiteral("記録しません")));
    form_->hide();
    EXPECT_EQ(records_.size(), 2);
}

TEST_F(LossSheetTest, TitleFollowsTheDocument)
{
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("系統圧損計算"));
    form_->setDocumentName(QStringLiteral("事務所ビル.zefra*"));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("系統圧損計算 — 事務所ビル.zefra*"));
    form_->setDocumentName({});
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("系統圧損計算"));
}

// The document's code hands over systems and takes them back on every edit.
TEST_F(LossSheetTest, SystemsComeAndGoThroughTheModel)
{
    int edits = 0;
    QObject::connect(&form_->sheet(), &LossSheetModel::systemsEdited, [&edits] { ++edits; });
    losssheet::System s = ThreeSections();
    s.name = "SA-1";
    form_->sheet().setSystems({s, s});
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(find<QListWidget>("SystemList")->count(), 2);
    EXPECT_EQ(form_->currentSystem(), 0);
    EXPECT_EQ(cell(0, FlowColumn), QStringLiteral("4200"));
    EXPECT_FALSE(typeCell(1, FlowColumn, QStringLiteral("2000")));
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(form_->sheet().systems()[0].sections[1].flow, 2000);
    form_->sheet().setSystems({});
    EXPECT_EQ(form_->currentSystem(), -1);
    EXPECT_EQ(sections()->model()->rowCount(), 0);
}

} // namespace
