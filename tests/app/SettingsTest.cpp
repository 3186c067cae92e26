// The window's state survives a restart through the settings file, and no
// settings file can keep the program from starting or trap the user.
#include "support/FormFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

class SettingsTest : public FormTest
{
protected:
    SettingsTest() { autoOpen_ = false; }

    void writeSettings(const QByteArray &content)
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray readSettings() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Closes the window as the user does; true when it closed.
    bool closeWindow()
    {
        const bool closed = form_->close();
        QCoreApplication::processEvents();
        return closed;
    }
    void restart()
    {
        ASSERT_TRUE(closeWindow());
        form_.reset();
        openForm();
    }
    int index(const char *list) const { return find<QComboBox>(list)->currentIndex(); }
    bool checked(const char *button) const { return find<QRadioButton>(button)->isChecked(); }
    QString pageOf(const char *name) const
    {
        for (QWidget *w = find(name); w; w = w->parentWidget()) {
            if (w->objectName().startsWith(QLatin1String("TabSheet")))
                return w->objectName();
        }
        return {};
    }
};

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndClosingWritesAllKeysInOrder)
{
    openForm();
    EXPECT_EQ(form_->pageControl()->currentIndex(), TDuctForm::DuctPageIndex);
    EXPECT_EQ(index("D_Syrui"), 5);
    EXPECT_EQ(index("SelectBox"), 0);
    EXPECT_EQ(index("Syrui"), 2);
    EXPECT_EQ(index("Ond"), 2);
    EXPECT_EQ(index("P_Size"), 2);
    EXPECT_EQ(index("ComboBox1"), 0);
    EXPECT_TRUE(checked("ssButton1"));
    EXPECT_TRUE(checked("TaniButton1"));
    EXPECT_EQ(text("Ztai_Edit"), QStringLiteral("0.180"));
    EXPECT_EQ(text("M_Ason"), QStringLiteral("0.100"));
    EXPECT_EQ(text("Edit20"), QStringLiteral("75"));
    EXPECT_FALSE(QFile::exists(settingsFile())); // reading creates nothing

    ASSERT_TRUE(closeWindow());
    const QString written = QString::fromUtf8(readSettings());
    const QRegularExpression expected(QStringLiteral(
        "^\\[Window\\]\nLeft=-?\\d+\nTop=-?\\d+\n\\[Duct\\]\nDStyle=5\n\\[Air\\]\nSelBox=0\n"
        "\\[Pipe\\]\nPStyle=2\nTemp=2\nPSize=2\n\\[Page\\]\nActPage=0\n"
        "\\[AG\\]\nVHS=0\nKaiko0=75\nKaiko1=75\nKaiko2=35\nKaiko3=35\nKaiko4=60\nKaiko5=35\nKaiko6="
        "60\nKaiko7=90\n"
        "\\[Button\\]\nB1=1\nB2=0\nK1=1\nK2=0\n$"));
    EXPECT_TRUE(expected.match(written).hasMatch()) << written.toStdString();
}

TEST_F(SettingsTest, StoredSIChoiceConvertsTheDesignTexts)
{
    writeSettings("[Button]\nB1=0\nB2=1\n");
    openForm();
    EXPECT_TRUE(checked("TaniButton2"));
    EXPECT_EQ(text("M_Ason"), QStringLiteral("0.981"));
    EXPECT_EQ(find<QLabel>("Label9")->text(), QStringLiteral("Pa/m"));
    EXPECT_EQ(find<QLabel>("Label38")->text(), QStringLiteral("Pa/m"));
    // Converted to 101.325 first, then the standard pressure written anew.
    EXPECT_EQ(text("PrEdit"), QStringLiteral("101.325024"));
    EXPECT_EQ(text("S_Ason"), QString()); // empty results stay empty
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

TEST_F(SettingsTest, StoredEnthalpyChoiceIsConvertedUnderTheRestoredSelection)
{
    writeSettings("[Air]\nSelBox=4\n[Button]\nB1=0\nB2=1\n");
    openForm();
    EXPECT_EQ(text("entEdit"), QStringLiteral("83.720"));
}

TEST_F(SettingsTest, RestoredListsRunNoHandler)
{
    // Material 0 has the roughness 0.030 and pipe material 0 the roughness
    // 0.002: both pages' fields are written after the restore, from the
    // restored lists, so no page calculates with another material's
    // roughness.
    writeSettings("[Duct]\nDStyle=0\n[Pipe]\nPStyle=0\nTemp=20\n[AG]\nVHS=7\n");
    openForm();
    EXPECT_EQ(index("D_Syrui"), 0);
    EXPECT_EQ(text("Ztai_Edit"), QStringLiteral("0.030"));
    EXPECT_EQ(text("Z_Edit"), QStringLiteral("0.002"));
    EXPECT_EQ(text("H_Edit"), QStringLiteral("865.000"));
    EXPECT_EQ(text("Edit20"), QStringLiteral("90"));
}

TEST_F(SettingsTest, StoredPageBringsTheSharedControls)
{
    writeSettings("[Page]\nActPage=2\n");
    openForm();
    EXPECT_EQ(form_->pageControl()->currentIndex(), TDuctForm::PipePageIndex);
    for (const char *name : {"TaniButton1", "TaniButton2", "Label25", "Label26", "Label27",
                             "Label28", "ssButton1", "ssButton2"})
        EXPECT_EQ(pageOf(name), QStringLiteral("TabSheet2")) << name;
    EXPECT_EQ(find<QRadioButton>("ssButton2")->text(), QStringLiteral("流速基準"));
}

TEST_F(SettingsTest, VelocityBasisAndSIOnTheOutletsPageWithoutAnyMessage)
{
    writeSettings("[Button]\nK1=0\nK2=1\nB1=0\nB2=1\n[Page]\nActPage=1\n");
    openForm();
    EXPECT_EQ(form_->pageControl()->currentIndex(), TDuctForm::OutletPageIndex);
    EXPECT_TRUE(checked("ssButton2"));
    EXPECT_TRUE(checked("TaniButton2"));
    EXPECT_EQ(find<QLabel>("Label3")->text(), QStringLiteral("目標風速"));
    EXPECT_EQ(find<QLabel>("Label9")->text(), QStringLiteral("m/s"));
    EXPECT_EQ(text("M_Ason"), QStringLiteral("0.100")); // a velocity: not converted
    EXPECT_TRUE(boxes_.empty()) << describe(boxes_.take());
}

TEST_F(SettingsTest, ValuesAreReadAsIntegersOrFallBackToTheirDefault)
{
    const struct
    {
        const char *file;
        const char *list;
        int expected;
    } cases[] = {
        {"[Duct]\nDStyle=0x3\n", "D_Syrui", 3},
        {"[Duct]\nDStyle=$4\n", "D_Syrui", 4},
        {"[duct]\ndstyle=7\n", "D_Syrui", 7}, // names ignore case
        {"[Duct]\nDStyle=abc\n", "D_Syrui", 5},
        {"[Duct]\nDStyle=12\n", "D_Syrui", 5}, // beyond the list
        {"[Duct]\nDStyle=-1\n", "D_Syrui", 5},
        {"[Pipe]\nPSize=99999999999999999999\n", "P_Size", 2},
        {"[Pipe]\nTemp=0x\n", "Ond", 2},
        {"[Pipe]\nPStyle=$\n", "Syrui", 2},
        {"[AG]\nVHS=8\n", "ComboBox1", 0},
        {"[Air]\nSelBox=\n", "SelectBox", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        writeSettings(c.file);
        openForm();
        EXPECT_EQ(index(c.list), c.expected);
        form_.reset();
    }
}

TEST_F(SettingsTest, OpeningRatiosPerType)
{
    writeSettings("[AG]\nKaiko3=40\nVHS=3\n");
    openForm();
    EXPECT_EQ(text("Edit20"), QStringLiteral("40"));
    EXPECT_EQ(text("Edit18"), QStringLiteral("40"));

    showPage(TDuctForm::OutletPageIndex);
    auto *types = find<QComboBox>("ComboBox1");
    types->setCurrentIndex(1); // "HS"
    type("Edit20", QStringLiteral("80"));
    pressEnter("Edit20");
    restart();
    EXPECT_EQ(index("ComboBox1"), 1);
    EXPECT_EQ(text("Edit20"), QStringLiteral("80"));
    const QByteArray saved = readSettings();
    EXPECT_TRUE(saved.contains("Kaiko1=80\n"));
    EXPECT_TRUE(saved.contains("Kaiko3=40\n"));
    EXPECT_TRUE(saved.contains("Kaiko0=75\n"));
}

TEST_F(SettingsTest, PositionRestoredOnlyWhereTheWindowCanBeSeen)
{
    writeSettings("[Window]\nLeft=40\nTop=30\n");
    openForm();
    EXPECT_EQ(form_->pos(), QPoint(40, 30));
    form_.reset();

    writeSettings("[Window]\nLeft=-99999\nTop=99999\n");
    openForm();
    const QRect screen = form_->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form_->frameGeometry().center()));
}

TEST_F(SettingsTest, SavingLeavesEveryOtherLineAlone)
{
    const QByteArray before =
        "; Zefra settings\r\n[Window]\r\nLeft=40\r\nTop=30\r\nColour=blue\r\n\r\n"
        "[Other]\r\nKey=1\r\n[Button]\r\nB1=1\r\n";
    writeSettings(before);
    openForm();
    ASSERT_TRUE(closeWindow());
    const QByteArray after = readSettings();
    EXPECT_TRUE(
        after.startsWith("; Zefra settings\r\n[Window]\r\nLeft=40\r\nTop=30\r\nColour=blue\r\n\r\n"
                         "[Other]\r\nKey=1\r\n[Button]\r\nB1=1\r\nB2=0\r\nK1=1\r\nK2=0\r\n"))
        << after.toStdString();
    EXPECT_TRUE(after.contains("[AG]\r\nVHS=0\r\nKaiko0=75"));
}

TEST_F(SettingsTest, BrokenFilesNeverKeepTheProgramFromStarting)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) % 256));
    const QByteArray huge =
        QByteArray("[Duct]\nDStyle=3\n") + QByteArray(10 * 1024 * 1024, 'x') + "\n";
    const QByteArray files[] = {
        "",
        binary,
        huge,
        "no equals sign\n[Duct\nDStyle\n=3\n",
        "\xEF\xBB\xBF[Duct]\r\nDStyle=3\r\n[Duct]\r\nDStyle=4\r\nDStyle=6\r\n",
    };
    const int expected[] = {5, 5, 3, 5, 3};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        writeSettings(files[i]);
        openForm();
        EXPECT_EQ(index("D_Syrui"), expected[i]);
        ASSERT_TRUE(closeWindow());
        form_.reset();
        // A second start reads what the first one saved.
        openForm();
        EXPECT_EQ(index("D_Syrui"), expected[i]);
        form_.reset();
    }
}

TEST_F(SettingsTest, UnwritableSettingsKeepTheWindowOpenOnceThenLetItClose)
{
    form_ =
        std::make_unique<TDuctForm>(nullptr, dir_.filePath(QStringLiteral("missing/zefra.ini")));
    form_->show();
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(form_->isVisible());
    const QString box = QString::fromStdString(describe(boxes_.take()));
    EXPECT_TRUE(box.endsWith(QStringLiteral("missing/zefra.ini に書き込めません. (error)")))
        << box.toStdString();
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(boxes_.take().size(), 1);
}

} // namespace
