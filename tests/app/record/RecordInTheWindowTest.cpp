// The record through the real program: the moist-air page's humidity ratio
// in every output beyond the page, and the title block of the calculation
// sheet kept in the settings file.
#include "support/FormFixture.h"

#include "app/record/CalculationSheet.h"
#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/record/RecordModel.h"
#include "app/record/RecordText.h"
#include "app/record/UnitPrecision.h"
#include "app/ui/CalcPage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>

namespace {

class RecordInTheWindowTest : public FormTest
{
protected:
    app::record::RecordForm *openRecordWindow()
    {
        form_->findChild<QAction *>(QStringLiteral("Record1"))->trigger();
        return form_->findChild<app::record::RecordForm *>(QStringLiteral("RecordForm"));
    }
    const app::ui::FieldValue *fieldOf(const app::ui::CalculationRecord &r, const char *name)
    {
        for (const app::ui::FieldValue &f : r.fields) {
            if (f.name == QLatin1String(name))
                return &f;
        }
        ADD_FAILURE() << "no field " << name;
        return nullptr;
    }
    QByteArray settingsText() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

struct HumidityCase
{
    const char *name;
    int item;            // the second property chosen
    const char *dryBulb; // ℃
    const char *given;   // the second property's value
    const char *field;   // the humidity ratio's field
    const char *page;    // its text on the page
    const char *beyond;  // its text in the outputs
};

class HumidityRatioBeyondThePageTest : public RecordInTheWindowTest,
                                       public ::testing::WithParamInterface<HumidityCase>
{
};

// The page shows three decimals of a humidity ratio, as it always has; the
// record keeps that text and the number, and every output beyond the page
// prints four (26 ℃ and 50 % at 760 mmHg: 0.010529 kg/kg; 5 ℃ and 40 %:
// 0.0021604 kg/kg).
TEST_P(HumidityRatioBeyondThePageTest, IsPrintedWithFourDecimals)
{
    const HumidityCase &c = GetParam();
    showPage(TDuctForm::AirPageIndex);
    auto *select = find<QComboBox>("SelectBox");
    select->setCurrentIndex(c.item);
    emit select->activated(c.item);
    type("D_TempEdit", QString::fromUtf8(c.dryBulb));
    type("entEdit", QString::fromUtf8(c.given));
    pressEnter("entEdit");
    ASSERT_EQ(form_->journal().count(), 1);
    EXPECT_EQ(text(c.field), QString::fromUtf8(c.page)) << "the page as it was";

    const app::ui::CalculationRecord &r = form_->journal().at(0);
    const app::ui::FieldValue *x = fieldOf(r, c.field);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->text, QString::fromUtf8(c.page)) << "the record keeps the page's text";
    ASSERT_TRUE(x->value);
    const QString beyond = QString::fromUtf8(c.beyond);
    const QString cell = QStringLiteral("絶対湿度=") + beyond + QStringLiteral(" kg/kg");

    // The record window, its copy and CSV.
    app::record::RecordForm *window = openRecordWindow();
    ASSERT_TRUE(window);
    auto *table = window->findChild<QTableView *>(QStringLiteral("RecordTable"));
    const int column = x->role == app::ui::FieldRole::Result
                           ? app::record::RecordModel::ResultColumn
                           : app::record::RecordModel::InputColumn;
    EXPECT_TRUE(table->model()->index(0, column).data().toString().contains(cell))
        << table->model()->index(0, column).data().toString().toStdString();
    table->selectRow(0);
    window->copySelection();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QLatin1Char('\t') + beyond));
    const QString csv = dir_.filePath(QStringLiteral("record.csv"));
    app::record::ExportChoice choice;
    choice.format = app::record::ExportFormat::Csv;
    ASSERT_EQ(window->exportRecords(csv, choice), QString());
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QLatin1Char(',') + beyond + ","));
    // The calculation sheet.
    EXPECT_EQ(app::record::SheetText(*x), beyond);

    // And after a restart, from the journal's file.
    app::record::Journal again(dir_.filePath(QStringLiteral("record")));
    ASSERT_EQ(again.count(), 1);
    const app::ui::FieldValue *back = fieldOf(again.at(0), c.field);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text, QString::fromUtf8(c.page));
    EXPECT_EQ(back->value, x->value);
    EXPECT_EQ(app::record::RecordedText(*back), beyond);
    EXPECT_TRUE(boxes_.take().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    States, HumidityRatioBeyondThePageTest,
    ::testing::Values(HumidityCase{"Summer", 1, "26", "50", "cEdit2", "0.011", "0.0105"},
                      HumidityCase{"Winter", 1, "5", "40", "cEdit2", "0.002", "0.0022"},
                      HumidityCase{"Typed", 2, "26", "0.01053", "entEdit", "0.01053", "0.0105"}),
    [](const auto &p) { return std::string(p.param.name); });

TEST_F(RecordInTheWindowTest, OtherFieldsOfTheMoistAirPageKeepNoNumber)
{
    showPage(TDuctForm::AirPageIndex);
    pressEnter("entEdit"); // wet bulb: no humidity ratio typed
    ASSERT_EQ(form_->journal().count(), 1);
    for (const app::ui::FieldValue &f : form_->journal().at(0).fields)
        EXPECT_EQ(f.value.has_value(), f.name == QLatin1String("cEdit2")) << f.name.toStdString();
    for (const app::ui::FieldValue &f : form_->pages().at(TDuctForm::AirPageIndex)->fields())
        EXPECT_FALSE(f.value) << "the page's own copy shows its texts";
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

// The sheet prints a length in mm with one decimal, whatever the page wrote:
// the duct sizing writes a rectangle's equivalent diameter with all its
// digits.
TEST_F(RecordInTheWindowTest, SheetPrintsEachValueAtThePrecisionOfItsUnit)
{
    showPage(TDuctForm::DuctPageIndex);
    type("S_Fryo", QStringLiteral("3600"));
    pressEnter("S_Fryo");
    showPage(TDuctForm::AirPageIndex);
    find<QComboBox>("SelectBox")->setCurrentIndex(1);
    type("D_TempEdit", QStringLiteral("26"));
    type("entEdit", QStringLiteral("50"));
    pressEnter("entEdit");
    ASSERT_EQ(form_->journal().count(), 2);
    const QString diameter = text("S_SizeD");
    ASSERT_GT(diameter.size(), 10) << "the page's own text, all digits";

    app::record::RecordForm *window = openRecordWindow();
    ASSERT_TRUE(window);
    const QString pdf = dir_.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_EQ(window->savePdf(pdf), QString());
    const QString sheet = pdfText(pdf);
    if (sheet.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF's text is not checked";
    EXPECT_FALSE(sheet.contains(diameter));
    EXPECT_TRUE(sheet.contains(diameter.left(diameter.indexOf(QLatin1Char('.')) + 2)))
        << sheet.toStdString();
    for (const char *expected : {"3600", "0.0105", "26.0", "50.0", "760.0"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(sheet.contains(QStringLiteral("0.011 "))) << sheet.toStdString();
}

struct TitleCase
{
    const char *name;
    QString typed;
    QString kept; // what the field holds, saves and gets back
};

class TitleBlockSettingsTest : public RecordInTheWindowTest,
                               public ::testing::WithParamInterface<TitleCase>
{
};

// Whatever is typed or pasted into the title block, closing saves every key
// at the first try, and the next start gets back exactly what the field held.
TEST_P(TitleBlockSettingsTest, ComesBackAsTheFieldHeldIt)
{
    app::record::RecordForm *window = openRecordWindow();
    ASSERT_TRUE(window);
    auto *project = window->findChild<QLineEdit *>(QStringLiteral("RecordProject"));
    project->setText(GetParam().typed);
    window->findChild<QLineEdit *>(QStringLiteral("RecordDesigner"))
        ->setText(QStringLiteral("山田 太郎"));
    EXPECT_EQ(project->text(), GetParam().kept);
    EXPECT_LE(project->text().toUtf8().size(), 1023);

    ASSERT_TRUE(form_->close()) << "closed at the first try";
    EXPECT_TRUE(boxes_.take().isEmpty());
    EXPECT_TRUE(settingsText().contains("Designer=" + QStringLiteral("山田 太郎").toUtf8()));
    form_.reset();
    openForm();
    window = openRecordWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->titleBlock().project, GetParam().kept);
    EXPECT_EQ(window->titleBlock().designer, QStringLiteral("山田 太郎"));
}

QString repeated(const QString &text, int times)
{
    QString all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleBlockSettingsTest,
    ::testing::Values(
        TitleCase{"Plain", QStringLiteral("○○ビル 空調設備"), QStringLiteral("○○ビル 空調設備")},
        TitleCase{"Nul", QStringLiteral("○○ビル") + QChar(0) + QStringLiteral("空調"),
                  QStringLiteral("○○ビル空調")},
        TitleCase{"ControlCharacters",
                  QStringLiteral("A\x01\x1f\x7f"
                                 "B"),
                  QStringLiteral("AB")},
        TitleCase{"LineBreaksAndTabs", QStringLiteral("1行目\r\n2行目\t終"),
                  QStringLiteral("1行目  2行目 終")},
        TitleCase{"LongAscii", QString(10000, QLatin1Char('A')), QString(1023, QLatin1Char('A'))},
        TitleCase{"LongJapanese", repeated(QStringLiteral("あ"), 10000),
                  repeated(QStringLiteral("あ"), 341)},
        TitleCase{"LongBeyondTheBasicPlane", repeated(QStringLiteral("😀"), 3000),
                  repeated(QStringLiteral("😀"), 255)}),
    [](const auto &p) { return std::string(p.param.name); });

// A value written by an earlier version that cut a long title inside a
// character: the part of that character goes, the rest comes back.
TEST_F(RecordInTheWindowTest, TitleCutInsideACharacterComesBackWithoutIt)
{
    form_.reset();
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Record]\nProject=A" + repeated(QStringLiteral("あ"), 400).toUtf8() + "\n");
    file.close();
    openForm();
    app::record::RecordForm *window = openRecordWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->titleBlock().project, QLatin1Char('A') + repeated(QStringLiteral("あ"), 340));
}

} // namespace
