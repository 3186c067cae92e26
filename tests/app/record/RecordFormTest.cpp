// The record window, offscreen: the table follows the journal, the filter,
// notes, deletion, copy, CSV export, the calculation sheet and the settings.
#include "SampleRecords.h"

#include "app/record/CalculationSheet.h"
#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/record/RecordModel.h"
#include "app/record/RecordText.h"
#include "support/BoxRecorder.h"
#include "support/StoredSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using app::record::Journal;
using app::record::RecordForm;

namespace {

class RecordFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        journal_ = std::make_unique<Journal>(dir_.path());
        for (int i = 0; i < 7; ++i)
            journal_->append(samples::Mixed(i));
        journal_->setNote(0, QStringLiteral("系統A-3"));
        form_ = std::make_unique<RecordForm>(*journal_);
    }
    void TearDown() override { form_.reset(); }

    void show()
    {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    QTableView *table() const
    {
        return form_->findChild<QTableView *>(QStringLiteral("RecordTable"));
    }
    template <typename W> W *find(const char *name) const
    {
        W *w = form_->findChild<W *>(QLatin1String(name));
        EXPECT_TRUE(w) << "no control " << name;
        return w;
    }
    void selectRows(std::initializer_list<int> rows)
    {
        table()->clearSelection();
        for (int row : rows)
            table()->selectionModel()->select(table()->model()->index(row, 0),
                                              QItemSelectionModel::Select |
                                                  QItemSelectionModel::Rows);
    }
    bool rowVisible(int row) const
    {
        const QRect cell = table()->visualRect(table()->model()->index(row, 0));
        return table()->viewport()->rect().contains(cell.center());
    }
    QString path(const char *name) const
    {
        return QDir(scratch_.path()).filePath(QLatin1String(name));
    }

    QTemporaryDir dir_, scratch_;
    std::unique_ptr<Journal> journal_;
    std::unique_ptr<RecordForm> form_;
};

TEST_F(RecordFormTest, IsANamedResizableWindowThatDoesNotBlock)
{
    show();
    EXPECT_EQ(form_->objectName(), QStringLiteral("RecordForm"));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("計算記録"));
    EXPECT_TRUE(form_->isWindow());
    EXPECT_FALSE(form_->isModal());
    EXPECT_EQ(form_->windowModality(), Qt::NonModal);
    EXPECT_LT(form_->minimumWidth(), form_->maximumWidth());
    EXPECT_LT(form_->minimumHeight(), form_->maximumHeight());
    ASSERT_TRUE(table());
    EXPECT_EQ(table()->model()->rowCount(), 7);
    EXPECT_EQ(table()->model()->index(0, app::record::RecordModel::NoteColumn).data().toString(),
              QStringLiteral("系統A-3"));
    EXPECT_EQ(find<QLabel>("RecordCount")->text(), QStringLiteral("7 件"));
    EXPECT_TRUE(find<QLabel>("RecordProblem")->isHidden());
    EXPECT_TRUE(rowVisible(6)) << "newest last, in view";
}

TEST_F(RecordFormTest, CreatingTheWindowLeavesTheTableEmptyUntilShown)
{
    EXPECT_EQ(table()->model(), nullptr);
    show();
    EXPECT_NE(table()->model(), nullptr);
}

TEST_F(RecordFormTest, NewRecordsFollowLiveWhileTheViewIsAtTheBottom)
{
    for (int i = 7; i < 200; ++i)
        journal_->append(samples::Mixed(i));
    show();
    EXPECT_TRUE(rowVisible(199));
    journal_->append(samples::Duct(200));
    EXPECT_EQ(table()->model()->rowCount(), 201);
    EXPECT_TRUE(rowVisible(200)) << "follows the new record";
    EXPECT_EQ(find<QLabel>("RecordCount")->text(), QStringLiteral("201 件"));

    table()->scrollToTop();
    journal_->append(samples::Duct(201));
    EXPECT_TRUE(rowVisible(0)) << "a user who scrolled up is left where they are";
}

TEST_F(RecordFormTest, PageFilterShowsOnePage)
{
    show();
    auto *filter = find<QComboBox>("RecordPageFilter");
    ASSERT_EQ(filter->count(), 4); // all pages, then the three pages in order of appearance
    EXPECT_EQ(filter->itemText(2), QStringLiteral("配管計算"));
    filter->setCurrentIndex(2);
    EXPECT_EQ(table()->model()->rowCount(), 2);
    EXPECT_EQ(find<QLabel>("RecordCount")->text(), QStringLiteral("2 件（全 7 件）"));
    journal_->append(samples::Pipe(9));
    journal_->append(samples::Duct(10));
    EXPECT_EQ(table()->model()->rowCount(), 3);
    EXPECT_EQ(form_->chosenRecords().size(), 3) << "the rows shown";
    filter->setCurrentIndex(0);
    EXPECT_EQ(table()->model()->rowCount(), 9);
}

TEST_F(RecordFormTest, NoteTypedInTheTableIsKept)
{
    show();
    const QModelIndex note = table()->model()->index(2, app::record::RecordModel::NoteColumn);
    table()->setCurrentIndex(note);
    QTest::keyClick(table(), Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit *>(editor));
    QTest::keyClicks(editor, QStringLiteral("C-1 roof")); // QTest types ASCII only
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits the text in a queued call
    EXPECT_EQ(journal_->at(2).note, QStringLiteral("C-1 roof"));
    form_.reset();
    journal_.reset();
    EXPECT_EQ(Journal(dir_.path()).at(2).note, QStringLiteral("C-1 roof"));
}

TEST_F(RecordFormTest, DeleteKeyRemovesTheSelectedRecords)
{
    show();
    selectRows({1, 3});
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Delete);
    ASSERT_EQ(journal_->count(), 5);
    EXPECT_TRUE(samples::SameRecord(journal_->at(1), samples::Mixed(2)));
    EXPECT_TRUE(samples::SameRecord(journal_->at(2), samples::Mixed(4)));
    EXPECT_EQ(Journal(dir_.path()).count(), 5) << "saved";
}

TEST_F(RecordFormTest, ClearAllAsksAndClearsOnlyWhenConfirmed)
{
    show();
    // Cancel first: a timer of its own answers the question.
    QTimer cancel;
    QString question;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            question = box->text();
            box->button(QMessageBox::Cancel)->click();
        }
    });
    cancel.start(5);
    find<QPushButton>("RecordClear")->click();
    cancel.stop();
    EXPECT_TRUE(question.contains(QStringLiteral("7 件の計算記録をすべて削除しますか")));
    EXPECT_EQ(journal_->count(), 7);

    BoxRecorder boxes; // clicks OK, which is "すべて削除"
    find<QPushButton>("RecordClear")->click();
    EXPECT_EQ(boxes.take().size(), 1);
    EXPECT_EQ(journal_->count(), 0);
    EXPECT_EQ(table()->model()->rowCount(), 0);
}

TEST_F(RecordFormTest, CtrlCCopiesTheSelectedRecordsAsColumns)
{
    show();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before")) << "nothing selected";

    selectRows({0, 1, 3});
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    const auto r0 = journal_->at(0), r1 = journal_->at(1), r3 = journal_->at(3);
    const QString expected = app::record::ToTsv(app::record::RecordRows({&r0, &r1, &r3}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    EXPECT_TRUE(expected.startsWith(QStringLiteral("日時\tページ\t計算\tメモ\t風量 [m3/h]")));
}

TEST_F(RecordFormTest, CsvExportWritesTheShownRowsAndTheSelectedOnlyWhenAsked)
{
    show();
    selectRows({0, 2});
    app::record::ExportChoice csv;
    csv.format = app::record::ExportFormat::Csv;
    ASSERT_EQ(form_->exportRecords(path("all.csv"), csv), QString());
    csv.selectedOnly = true;
    ASSERT_EQ(form_->exportRecords(path("chosen.csv"), csv), QString());
    const auto read = [&](const char *name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(read("all.csv"), app::record::ToCsv(app::record::RecordRows(form_->shownRecords())))
        << "a selection alone changes nothing";
    EXPECT_EQ(form_->shownRecords().size(), 7);
    const auto r0 = journal_->at(0), r2 = journal_->at(2);
    EXPECT_EQ(read("chosen.csv"), app::record::ToCsv(app::record::RecordRows({&r0, &r2})));
    EXPECT_EQ(QDir(scratch_.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"all.csv", "chosen.csv"}));
}

TEST_F(RecordFormTest, FailedExportSaysWhereAndLeavesNothing)
{
    QFile plain(path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString targets[] = {path("plain") + QStringLiteral("/out.csv"),
                               path("missing") + QStringLiteral("/out.csv"), scratch_.path()};
    for (const QString &target : targets) {
        SCOPED_TRACE(target.toStdString());
        app::record::ExportChoice choice;
        choice.format = app::record::ExportFormat::Csv;
        const QString failure = form_->exportRecords(target, choice);
        EXPECT_TRUE(failure.startsWith(QStringLiteral("CSV ファイルを書き出せませんでした。")));
        EXPECT_TRUE(failure.contains(QDir::toNativeSeparators(target)));
        choice.format = app::record::ExportFormat::Xlsx;
        const QString xlsxFailure = form_->exportRecords(target, choice);
        EXPECT_TRUE(xlsxFailure.startsWith(QStringLiteral("Excel ブックを書き出せませんでした。")));
        EXPECT_TRUE(xlsxFailure.contains(QDir::toNativeSeparators(target)));
        const QString pdfFailure = form_->savePdf(target);
        EXPECT_TRUE(pdfFailure.startsWith(QStringLiteral("PDF ファイルを保存できませんでした。")));
    }
    EXPECT_EQ(
        QDir(scratch_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{"plain"});
}

QString pdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(RecordFormTest, PdfHoldsTheTitleBlockAndTheRecords)
{
    find<QLineEdit>("RecordProject")->setText(QStringLiteral("○○ビル新築工事 空調設備"));
    find<QLineEdit>("RecordDesigner")->setText(QStringLiteral("山田 太郎"));
    find<QLineEdit>("RecordDate")->setText(QStringLiteral("2025年6月2日"));
    ASSERT_EQ(form_->savePdf(path("sheet.pdf")), QString());
    QFile file(path("sheet.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    const QString text = pdfText(file.fileName());
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text is not checked";
    for (const char *expected : {"○○ビル新築工事 空調設備", "山田 太郎", "2025年6月2日", "件名",
                                 "設計者", "日付", "系統A-3", "ダクト寸法計算（圧損基準）", "風量",
                                 "3600", "m3/h", "5.13", "流速が 2 m/s を超えています。"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("1 ?/ ?[2-9]")))) << "page numbers";
}

TEST(CalculationSheetTest, EmptyDateMeansToday)
{
    const app::record::CalculationSheet sheet({"件名", "設計者", ""}, {});
    EXPECT_EQ(sheet.dateText(), QDate::currentDate().toString(QStringLiteral("yyyy年M月d日")));
}

TEST_F(RecordFormTest, PrintPreviewComesFirst)
{
    show();
    BoxRecorder boxes;
    find<QPushButton>("RecordPrint")->click();
    const auto seen = boxes.take();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen.front().objectName, QStringLiteral("RecordPreview"));
}

using Keys = StoredTexts;

Keys saved(RecordForm &form)
{
    Keys keys;
    for (const auto &[key, value] : SavedTexts(form.settingsKeys()))
        keys[key] = value;
    return keys;
}

// The window keeps its place and size; the title block is the work
// document's, and the main window keeps the one used last
// (RecordInTheWindowTest).
TEST_F(RecordFormTest, SettingsComeBackAsTheyWereStored)
{
    const Keys stored{{"Left", "30"}, {"Top", "40"}, {"Width", "700"}, {"Height", "450"}};
    RestoreFrom(form_->settingsKeys(), stored);
    EXPECT_EQ(saved(*form_), stored);
}

TEST_F(RecordFormTest, BadStoredValuesAreIgnored)
{
    const QSize before = form_->size();
    const Keys stored{{"Left", "2147483647"},
                      {"Top", "-99999999999999999999"},
                      {"Width", "12abc"},
                      {"Height", "1"}};
    RestoreFrom(form_->settingsKeys(), stored);
    EXPECT_EQ(form_->size(), before);
    const Keys keys = saved(*form_);
    EXPECT_EQ(keys.count("Left"), 0u) << "a window never placed keeps no position";
    EXPECT_EQ(keys.count("Project"), 0u) << "the title block is the document's";
}

TEST_F(RecordFormTest, ProblemShowsInTheWindow)
{
    QTemporaryDir other;
    QFile plain(QDir(other.path()).filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    Journal unsaved(plain.fileName() + QStringLiteral("/Zefra"));
    RecordForm form(unsaved);
    form.show();
    auto *banner = form.findChild<QLabel *>(QStringLiteral("RecordProblem"));
    EXPECT_TRUE(banner->isVisible());
    EXPECT_EQ(banner->text(), unsaved.problem());
    EXPECT_TRUE(banner->text().contains(QStringLiteral("保存されていません")));
}

} // namespace
