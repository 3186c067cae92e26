#include "LossSheetFixture.h"

#include "app/losssheet/LossSheetModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>

using app::losssheet::FlowColumn;
using app::losssheet::LengthColumn;
using app::losssheet::UpstreamColumn;

QWidget *OpenEditor(QTableView *view)
{
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    return editor && editor->isVisible() && view->isAncestorOf(editor) ? editor : nullptr;
}

void TypeKeys(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QWidget *TypeCell(QTableView *view, int row, int column, const QString &text)
{
    if (QApplication::activeWindow() != view->window()) {
        QApplication::setActiveWindow(view->window());
        EXPECT_TRUE(QTest::qWaitForWindowActive(view->window()));
    }
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, column));
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    EXPECT_TRUE(editor) << "F2 opened no editor";
    if (!editor)
        return nullptr;
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else if (text.size() > 200)
        editor->setText(text);
    else
        TypeKeys(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits and closes after the key event, queued.
    QCoreApplication::processEvents();
    return OpenEditor(view);
}

void LossSheetTest::SetUp()
{
    form_ = std::make_unique<app::losssheet::LossSheetForm>();
    form_->setTitleSource([] {
        return app::losssheet::SheetTitle{QStringLiteral("事務所ビル新築工事"),
                                          QStringLiteral("設計 太郎"),
                                          QStringLiteral("2025年4月1日")};
    });
    QObject::connect(form_.get(), &app::losssheet::LossSheetForm::calculated,
                     [this](const app::ui::CalculationRecord &r) { records_.append(r); });
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

void LossSheetTest::TearDown()
{
    QTest::qWait(1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form_.reset();
}

QString LossSheetTest::cell(int row, int column) const
{
    return sections()->model()->index(row, column).data().toString();
}

void LossSheetTest::insertSection()
{
    sections()->setFocus();
    QTest::keyClick(sections(), Qt::Key_Insert);
}

void LossSheetTest::typeThreeSections()
{
    QTest::mouseClick(find("AddDuctSystemButton"), Qt::LeftButton);
    insertSection(); // "1", from the fan
    EXPECT_FALSE(typeCell(0, LengthColumn, QStringLiteral("10")));
    insertSection(); // "2", after 1
    EXPECT_FALSE(typeCell(1, FlowColumn, QStringLiteral("1800")));
    EXPECT_FALSE(typeCell(1, LengthColumn, QStringLiteral("5")));
    insertSection(); // "3", after 2: moved under 1
    EXPECT_FALSE(typeCell(2, UpstreamColumn, QStringLiteral("1")));
    EXPECT_FALSE(typeCell(2, FlowColumn, QStringLiteral("2400")));
    EXPECT_FALSE(typeCell(2, LengthColumn, QStringLiteral("8")));
}

const losssheet::System &LossSheetTest::system() const
{
    return form_->sheet().system(form_->currentSystem());
}

losssheet::System ThreeSections()
{
    losssheet::System s;
    s.kind = losssheet::SystemKind::Duct;
    s.sections = {{"1", "", std::nullopt, "", 10, {}, {}},
                  {"2", "1", 1800, "", 5, {}, {}},
                  {"3", "1", 2400, "", 8, {}, {}}};
    return s;
}
