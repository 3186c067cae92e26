// The work document through the real window: save and open from the file
// menu, damaged files, the unsaved-changes box, the recent files, a drop and
// the document's name in the windows' titles.
#include "DocumentFixture.h"

#include "app/document/DropOpener.h"
#include "app/document/RecentFiles.h"
#include "app/record/Journal.h"
#include "app/record/RecordForm.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using app::chart::ChartForm;

// Two charts with points of four kinds of definition and three kinds of
// process, saved, opened and saved again: the same bytes, and the point typed
// as 50 % on the page is 50 % again.
TEST_F(DocumentTest, ChartsSavedOpenedAndSavedAgainAreTheSameBytes)
{
    ChartForm *chart = openChart();
    ASSERT_TRUE(chart);
    buildTwoCharts(chart);
    ASSERT_EQ(session().document().charts.size(), 2u);
    EXPECT_TRUE(session().isModified());
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("空気線図 — 無題*"));

    chooseFile(path(QStringLiteral("office")));
    ASSERT_TRUE(commands().saveAs());
    const QString first = path(QStringLiteral("office.zefra"));
    EXPECT_EQ(session().path(), first);
    EXPECT_FALSE(session().isModified());
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("空気線図 — office.zefra"));

    ASSERT_TRUE(commands().newDocument());
    EXPECT_EQ(session().document().charts.size(), 1u);
    EXPECT_TRUE(chart->diagram().points().empty());
    ASSERT_TRUE(commands().openPath(first));
    ASSERT_EQ(chart->shownChart(), 0);
    ASSERT_EQ(chart->diagram().points().size(), 4u); // two of the user's, two produced
    EXPECT_EQ(chart->diagram().processes().size(), 2u);
    const auto &rh = chart->diagram().points()[0].definition;
    EXPECT_EQ(rh.given, ::chart::Given::RelativeHumidity);
    EXPECT_EQ(rh.value, 50.0L);
    EXPECT_EQ(chart->diagram().points()[0].state->relativeHumidity, 50.0L);

    const QString second = path(QStringLiteral("again.zefra"));
    chooseFile(second);
    ASSERT_TRUE(commands().saveAs());
    EXPECT_EQ(ReadAll(first), ReadAll(second));
    EXPECT_FALSE(ReadAll(first).isEmpty());
}

// Each chart keeps its own name, pressure, points and processes; a new one
// takes the page's pressure choice; the last one cannot be deleted.
TEST_F(DocumentTest, ChartsKeepTheirOwnPressureAndPoints)
{
    ChartForm *chart = openChart();
    addPagePoint(chart, 1, QStringLiteral("50"));
    showPage(TDuctForm::AirPageIndex);
    find<QRadioButton>("PrGroupItem2")->setChecked(true);
    type("WhEdit", QStringLiteral("1000"));
    EXPECT_EQ(chart->diagram().pressure(), 760.0L) << "the chart keeps its own";

    chart->addChart();
    EXPECT_NEAR(static_cast<double>(chart->diagram().pressure()), 674.1138, 1e-3);
    EXPECT_TRUE(chart->diagram().points().empty());
    EXPECT_EQ(find<QComboBox>("ChartPressureBasis")->currentIndex(), 2);
    chart->renameChart(QStringLiteral("冬期"));
    auto *selector = find<QComboBox>("ChartSelector");
    ASSERT_EQ(selector->count(), 2);
    EXPECT_EQ(selector->itemText(1), QStringLiteral("冬期"));

    chart->duplicateChart();
    EXPECT_EQ(selector->count(), 3);
    EXPECT_EQ(selector->currentText(), QStringLiteral("冬期 のコピー 1"));

    chart->showChart(0);
    EXPECT_EQ(chart->diagram().points().size(), 1u);
    EXPECT_EQ(chart->diagram().pressure(), 760.0L);

    // The pressure basis typed in the chart window.
    find<QComboBox>("ChartPressureBasis")->setCurrentIndex(1);
    type("ChartPressureValue", QStringLiteral("700"));
    pressEnter("ChartPressureValue");
    EXPECT_EQ(chart->diagram().pressure(), 700.0L);
    EXPECT_EQ(session().document().charts[0].atmosphere.basis, ::document::PressureBasis::Given);

    // Deleting asks; "No" keeps it.
    answerNextBox(QMessageBox::No);
    chart->deleteChart();
    EXPECT_EQ(selector->count(), 3);
    for (int i = 0; i < 2; ++i) {
        answerNextBox(QMessageBox::Yes);
        chart->deleteChart();
    }
    EXPECT_EQ(selector->count(), 1);
    EXPECT_FALSE(find<QPushButton>("ChartDeleteChart")->isEnabled());
    chart->deleteChart(); // the last one stays, without a question
    EXPECT_EQ(selector->count(), 1);
}

// Damaged files, and what is no file, give their message through 開く and
// leave the open document as it was; none of them blocks.
TEST_F(DocumentTest, DamagedFilesSayWhyAndChangeNothing)
{
    ChartForm *chart = openChart();
    addPagePoint(chart, 1, QStringLiteral("50"));
    const ::document::Document before = session().document();
    const QString fifo = path(QStringLiteral("pipe.zefra"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir_.path()).mkdir(QStringLiteral("folder.zefra"));
    const QString huge = path(QStringLiteral("huge.zefra"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(100 * 1024 * 1024)); // sparse
    }
    const QByteArray valid = ReadAll(QStringLiteral(ZEFRA_TEST_DATA "/document-v1-small.zefra"));
    ASSERT_FALSE(valid.isEmpty());
    QByteArray newer = valid;
    newer.replace("\"version\": 1", "\"version\": 99");

    const struct
    {
        const char *name;
        QByteArray bytes; // written to the file unless it is there already
        const char *expect;
    } cases[] = {
        {"not-json.zefra", "これは文書ではありません", "行"},
        {"truncated.zefra", valid.left(valid.size() / 2), "行"},
        {"wrong-types.zefra", QByteArray(valid).replace("\"charts\": [", "\"charts\": {\"x\": ["),
         ""},
        {"nan.zefra", QByteArray(valid).replace("\"dryBulb\": 26", "\"dryBulb\": \"NaN\""), ""},
        {"huge-exponent.zefra", QByteArray(valid).replace("\"dryBulb\": 26", "\"dryBulb\": 1E999"),
         ""},
        {"newer.zefra", newer, ""},
        {"huge.zefra", {}, ""},
        {"pipe.zefra", {}, "普通のファイルではありません"},
        {"folder.zefra", {}, "フォルダです"},
        {"missing.zefra", {}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(QString::fromLatin1(c.name));
        if (!c.bytes.isEmpty())
            WriteAll(file, c.bytes);
        EXPECT_FALSE(commands().openPath(file));
        const auto boxes = boxes_.take();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(boxes[0].text.startsWith(QDir::toNativeSeparators(file) +
                                             QStringLiteral(" を開けません。\n")))
            << boxes[0].text.toStdString();
        EXPECT_GT(boxes[0].text.size(), file.size() + 9) << "a reason follows";
        EXPECT_TRUE(boxes[0].text.contains(QString::fromUtf8(c.expect)))
            << boxes[0].text.toStdString();
        EXPECT_TRUE(session().document() == before);
        EXPECT_TRUE(session().path().isEmpty());
        EXPECT_EQ(chart->diagram().points().size(), 1u);
    }
}

// A save that fails says why and changes nothing: the document keeps its
// file, its mark and the recent list.
TEST_F(DocumentTest, FailedSaveSaysWhyAndChangesNothing)
{
    ChartForm *chart = openChart();
    addPagePoint(chart, 1, QStringLiteral("50"));
    QDir(dir_.path()).mkdir(QStringLiteral("taken.zefra"));
    const struct
    {
        const char *name;
        QString target;
    } cases[] = {
        {"no such folder", path(QStringLiteral("missing/work.zefra"))},
        {"a folder", path(QStringLiteral("taken.zefra"))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        chooseFile(c.target);
        EXPECT_FALSE(commands().saveAs());
        const auto boxes = boxes_.take();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0].text.startsWith(QDir::toNativeSeparators(c.target) +
                                             QStringLiteral(" を保存できません。\n")));
        EXPECT_TRUE(session().path().isEmpty());
        EXPECT_TRUE(session().isModified());
        EXPECT_TRUE(form_->recentFiles().paths().isEmpty());
    }
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("空気線図 — 無題*"));
}

// New and Open with unsaved changes: 保存 saves first, 保存しない goes on,
// キャンセル keeps everything.
TEST_F(DocumentTest, UnsavedChangesBoxSavesDiscardsOrCancels)
{
    ChartForm *chart = openChart();
    const QString saved = path(QStringLiteral("kept.zefra"));
    const struct
    {
        const char *name;
        QMessageBox::StandardButton answer;
        bool goesOn;
        bool fileWritten;
    } cases[] = {
        {"cancel", QMessageBox::Cancel, false, false},
        {"discard", QMessageBox::Discard, true, false},
        {"save", QMessageBox::Save, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(saved);
        addPagePoint(chart, 1, QStringLiteral("50"));
        const std::size_t points = chart->diagram().points().size();
        ASSERT_TRUE(session().isModified());
        chooseFile(saved);
        answerNextBox(c.answer);
        EXPECT_EQ(commands().newDocument(), c.goesOn);
        EXPECT_EQ(answeredTexts().size(), 1);
        clearAnswered();
        EXPECT_EQ(chart->diagram().points().empty(), c.goesOn);
        if (!c.goesOn)
            EXPECT_EQ(chart->diagram().points().size(), points);
        EXPECT_EQ(QFile::exists(saved), c.fileWritten);
        EXPECT_FALSE(session().isModified() && c.goesOn);
    }
    // Not modified: no question.
    EXPECT_TRUE(commands().newDocument());
    EXPECT_TRUE(boxes_.take().isEmpty());
}

// The recent files: the last used first, each once, eight at most; one
// that is gone leaves the list with a note.
TEST_F(DocumentTest, RecentFilesKeepOrderCapAndDropMissingOnes)
{
    QStringList files;
    for (int i = 1; i <= 10; ++i) {
        files << path(QStringLiteral("doc%1.zefra").arg(i));
        chooseFile(files.back());
        ASSERT_TRUE(commands().saveAs());
    }
    const QStringList &recent = form_->recentFiles().paths();
    ASSERT_EQ(recent.size(), app::document::RecentFiles::Cap);
    EXPECT_EQ(recent.front(), files[9]);
    EXPECT_EQ(recent.back(), files[2]);

    ASSERT_TRUE(commands().openPath(files[5]));
    EXPECT_EQ(recent.front(), files[5]);
    EXPECT_EQ(recent.count(files[5]), 1);

    // The menu lists them, numbered.
    auto *menu = find<QMenu>("Recent1");
    emit menu->aboutToShow();
    auto *first = find<QAction>("RecentFile1");
    EXPECT_TRUE(first->text().endsWith(files[5]));

    QFile::remove(files[8]);
    EXPECT_FALSE(commands().openRecent(files[8]));
    const auto boxes = boxes_.take();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("一覧から外しました")));
    EXPECT_FALSE(recent.contains(files[8]));
    EXPECT_EQ(session().path(), files[5]);

    // Kept in the settings for the next start.
    ASSERT_TRUE(form_->close());
    form_.reset();
    reopenForm();
    EXPECT_EQ(form_->recentFiles().paths().front(), files[5]);
    EXPECT_EQ(form_->recentFiles().paths().size(), 7);
}

// A .zefra file dropped on a field of the main window opens (the field does
// not take its name); another file is left to the field.
TEST_F(DocumentTest, DroppedDocumentOpens)
{
    const QString file = path(QStringLiteral("dropped.zefra"));
    WriteAll(file, ReadAll(QStringLiteral(ZEFRA_TEST_DATA "/document-v1-small.zefra")));
    QLineEdit *field = edit("S_Fryo");
    const QString before = field->text();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(field->rect().center()), Qt::CopyAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QTest::qWait(20);
    EXPECT_EQ(session().path(), QFileInfo(file).absoluteFilePath());
    EXPECT_EQ(field->text(), before);

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(path(QStringLiteral("notes.txt")))});
    EXPECT_TRUE(app::document::DroppedDocument(&other).isEmpty());
}

// A document named on the command line is open when the window shows.
TEST_F(DocumentTest, CommandLineDocumentOpensAtTheStart)
{
    const QString file = path(QStringLiteral("start.zefra"));
    WriteAll(file, ReadAll(QStringLiteral(ZEFRA_TEST_DATA "/document-v1-full.zefra")));
    form_.reset();
    form_ = std::make_unique<TDuctForm>(nullptr, settingsFile(), dir_.filePath("record"));
    form_->openAtStart(file);
    form_->show();
    EXPECT_EQ(session().path(), QFileInfo(file).absoluteFilePath());
    EXPECT_FALSE(session().isModified());
    EXPECT_GE(session().document().charts.size(), 1u);
}

// The record window's title block is the document's, with 備考; a new
// document starts from the last title block used.
TEST_F(DocumentTest, TitleBlockIsTheDocuments)
{
    find<QAction>("Record1")->trigger();
    auto *record = form_->findChild<app::record::RecordForm *>();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->windowTitle(), QStringLiteral("計算記録 — 無題"));
    const struct
    {
        const char *field;
        decltype(&::document::TitleBlock::project) member;
        const char *text;
    } fields[] = {
        {"RecordProject", &::document::TitleBlock::project, "○○ビル"},
        {"RecordDesigner", &::document::TitleBlock::designer, "山田 太郎"},
        {"RecordDate", &::document::TitleBlock::date, "2025年6月2日"},
        {"RecordNotes", &::document::TitleBlock::notes, "基本設計"},
    };
    for (const auto &f : fields) {
        SCOPED_TRACE(f.field);
        edit(f.field)->setText(QString::fromUtf8(f.text));
        EXPECT_EQ(session().document().title.*f.member, f.text);
    }
    EXPECT_EQ(record->titleBlock().notes, QStringLiteral("基本設計"));
    EXPECT_EQ(record->windowTitle(), QStringLiteral("計算記録 — 無題*"));

    chooseFile(path(QStringLiteral("titled.zefra")));
    ASSERT_TRUE(commands().saveAs());
    ASSERT_TRUE(commands().newDocument());
    for (const auto &f : fields)
        EXPECT_EQ(session().document().title.*f.member, f.text) << f.field;

    // Opening another document shows its title block.
    WriteAll(path(QStringLiteral("full.zefra")),
             ReadAll(QStringLiteral(ZEFRA_TEST_DATA "/document-v1-full.zefra")));
    ASSERT_TRUE(commands().openPath(path(QStringLiteral("full.zefra"))));
    EXPECT_EQ(text("RecordProject").toStdString(), session().document().title.project);
    EXPECT_NE(text("RecordProject"), QStringLiteral("○○ビル"));
}

// The file menu comes first; the window keeps its size and its keys.
TEST_F(DocumentTest, FileMenuComesFirstAndTheWindowKeepsItsSize)
{
    const QList<QAction *> menus = find<QMenuBar>("MainMenu1")->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.front()->menu(), find<QMenu>("File1"));
    const struct
    {
        const char *action;
        QKeySequence keys;
    } actions[] = {
        {"New1", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"Open1", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Save1", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"SaveAs1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"PrintDocument1", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Exit1", QKeySequence()},
        {"Chart1", QKeySequence(Qt::CTRL | Qt::Key_G)},
        {"Record1", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"SizeTable1", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"LossSheet1", QKeySequence(Qt::CTRL | Qt::Key_K)},
    };
    for (const auto &a : actions) {
        SCOPED_TRACE(a.action);
        EXPECT_EQ(find<QAction>(a.action)->shortcut(), a.keys);
    }
    EXPECT_EQ(form_->centralWidget()->size(), QSize(562, 298));
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("  Zefra"));
    // Ctrl+S on the window saves (here: to the file chosen).
    chooseFile(path(QStringLiteral("keys.zefra")));
    QTest::keySequence(form_.get(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("keys.zefra"))));
}

// 印刷 previews the whole document's report; the records made while a saved
// document is open carry its name, those of an untitled one none.
TEST_F(DocumentTest, ReportPreviewAndRecordsNameTheDocument)
{
    app::chart::ChartForm *chart = openChart();
    addPagePoint(chart, 1, QStringLiteral("50"));
    boxes_.take();
    find<QAction>("PrintDocument1")->trigger();
    const auto shown = boxes_.take();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.front().caption, QStringLiteral("印刷プレビュー — 設計計算書"));

    const int before = form_->journal().count();
    EXPECT_TRUE(form_->journal().at(before - 1).document.isEmpty()) << "untitled";
    chooseFile(path(QStringLiteral("事務所ビル.zefra")));
    ASSERT_TRUE(commands().saveAs());
    addPagePoint(chart, 1, QStringLiteral("60"));
    ASSERT_EQ(form_->journal().count(), before + 1);
    EXPECT_EQ(form_->journal().at(before).document, QStringLiteral("事務所ビル.zefra"));
    answerNextBox(QMessageBox::Discard); // the point added since the save
    ASSERT_TRUE(commands().newDocument());
    addPagePoint(chart, 1, QStringLiteral("70"));
    ASSERT_EQ(form_->journal().count(), before + 2);
    EXPECT_TRUE(form_->journal().at(before + 1).document.isEmpty());
}

} // namespace
