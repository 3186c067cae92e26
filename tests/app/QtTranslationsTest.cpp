// Qt's own dialogs speak Japanese once the application is set up as the
// program sets it up (the test main makes the same application object).
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class QtTranslationsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString qm =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
        if (!QFile::exists(qm))
            GTEST_SKIP() << "Qt's Japanese translations are not installed (" << qm.toStdString()
                         << "; Debian package qt6-translations-l10n)";
    }
};

TEST_F(QtTranslationsTest, StandardTextsAndDialogsAreJapanese)
{
    const struct
    {
        const char *context;
        const char *source;
        const char *japanese;
    } texts[] = {
        {"QPlatformTheme", "Cancel", "キャンセル"},
        {"QPlatformTheme", "Save", "保存"},
        {"QPlatformTheme", "Open", "開く"},
    };
    for (const auto &t : texts) {
        SCOPED_TRACE(t.source);
        EXPECT_EQ(QCoreApplication::translate(t.context, t.source).toStdString(), t.japanese);
    }

    // Qt's own file dialog, as the record's CSV export and the chart's
    // exports open it where the desktop offers none of its own.
    QFileDialog dialog(nullptr, QStringLiteral("CSV 書き出し"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Save)->text().toStdString(), "保存(&S)");
}

} // namespace
