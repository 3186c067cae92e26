// Never lost: the recovery copy through the real window.
#include "DocumentFixture.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

namespace {

using app::chart::ChartForm;

// What was built comes back at the next start, saved or not, without a
// question and with a quiet note: after a close, and after the window went
// away without one (a crash), once the copy had its two seconds.
TEST_F(DocumentTest, WorkComesBackFromTheRecoveryCopy)
{
    const struct
    {
        const char *name;
        bool closed; // else destroyed, as by a crash, after the copy's delay
        bool savedFirst;
    } cases[] = {
        {"closed, untitled", true, false},
        {"crashed, untitled", false, false},
        {"closed, saved then changed", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ChartForm *chart = openChart();
        ASSERT_TRUE(chart);
        buildTwoCharts(chart);
        QString file;
        if (c.savedFirst) {
            file = path(QStringLiteral("saved.zefra"));
            chooseFile(file);
            ASSERT_TRUE(commands().saveAs());
            addPagePoint(chart, 1, QStringLiteral("60"));
        }
        const ::document::Document built = session().document();
        if (c.closed) {
            ASSERT_TRUE(form_->close());
        } else {
            QTest::qWait(1200); // the copy's delay
            session().waitForCopy();
        }
        form_.reset();
        reopenForm();
        EXPECT_TRUE(boxes_.take().isEmpty()) << "no question";
        EXPECT_TRUE(session().document() == built);
        EXPECT_TRUE(session().isModified());
        EXPECT_EQ(session().path(), file);
        EXPECT_EQ(form_->pendingNote(), QStringLiteral("前回の作業を復元しました。"));
        chart = openChart();
        EXPECT_EQ(chart->diagram().points().size(), 4u)
            << "the first chart: two points and two made";
        EXPECT_EQ(chart->findChild<QStatusBar *>(QStringLiteral("ChartStatus"))->currentMessage(),
                  QStringLiteral("前回の作業を復元しました。"));
        EXPECT_TRUE(form_->pendingNote().isEmpty());
        if (c.savedFirst) {
            // The user's own file is as it was saved: the copy is elsewhere.
            EXPECT_NE(ReadAll(file), ReadAll(recoveryFile()));
        }
        // A fresh start for the next case.
        session().startNew({});
        ASSERT_TRUE(form_->close());
        form_.reset();
        reopenForm();
    }
}

// A damaged copy is renamed beside itself, never deleted, and told once.
TEST_F(DocumentTest, DamagedRecoveryCopyIsSetAsideAndToldOnce)
{
    ASSERT_TRUE(form_->close());
    form_.reset();
    const QByteArray damaged = "{\"format\": \"zefra-document\", \"version\": 1, \"title\": [";
    WriteAll(recoveryFile(), damaged);
    reopenForm();
    QTest::qWait(50); // after the first frame
    const auto boxes = boxes_.take();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("前回の作業の控えを読めませんでした")));
    const QStringList aside = QDir(dir_.filePath(QStringLiteral("record")))
                                  .entryList({QStringLiteral("recovery.zefra.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(ReadAll(dir_.filePath(QStringLiteral("record/") + aside[0])), damaged);
    EXPECT_EQ(session().document().charts.size(), 1u);

    ASSERT_TRUE(form_->close());
    form_.reset();
    reopenForm();
    QTest::qWait(50);
    EXPECT_TRUE(boxes_.take().isEmpty()) << "told once";
}

} // namespace
