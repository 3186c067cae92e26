// The work document a record was made in: stamped by the journal, kept in
// its file, shown and filtered in the record window, and exported.
#include "SampleRecords.h"

#include "app/record/Journal.h"
#include "app/record/RecordForm.h"
#include "app/record/RecordModel.h"
#include "app/record/RecordTables.h"
#include "app/record/RecordText.h"
#include "app/record/RecordWorkbook.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using app::record::Journal;

// Seven records: two made in A.zefra, two with no document, two in B.zefra,
// and one more in A.zefra; pages as samples::Mixed gives them (duct, pipe,
// air, ...).
void Fill(Journal &journal)
{
    const char *documents[] = {"A.zefra", "A.zefra", "", "", "B.zefra", "B.zefra", "A.zefra"};
    for (int i = 0; i < 7; ++i) {
        journal.setDocumentName(QString::fromUtf8(documents[i]));
        journal.append(samples::Mixed(i));
    }
}

QStringList JournalLines(const Journal &journal)
{
    QFile file(journal.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The journal stamps each record with the document open when it came, and
// the names come back at the next start; records without one are the
// version-1 lines they always were.
TEST(RecordDocumentTest, JournalKeepsTheDocumentOfEachRecord)
{
    QTemporaryDir dir;
    const QStringList expected{"A.zefra", "A.zefra", "", "", "B.zefra", "B.zefra", "A.zefra"};
    {
        Journal journal(dir.path());
        Fill(journal);
        app::ui::CalculationRecord own = samples::Duct(20);
        own.document = QStringLiteral("自分の.zefra");
        journal.append(own); // a record that names its document keeps it
        ASSERT_EQ(journal.count(), 8);
        EXPECT_EQ(journal.at(7).document, QStringLiteral("自分の.zefra"));
        const QStringList lines = JournalLines(journal);
        ASSERT_EQ(lines.size(), 8);
        for (int i = 0; i < 7; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(lines[i].startsWith(QStringLiteral("{\"v\":3,")), !expected[i].isEmpty());
            EXPECT_EQ(lines[i].startsWith(QStringLiteral("{\"v\":1,")), expected[i].isEmpty());
        }
    }
    Journal again(dir.path());
    ASSERT_EQ(again.count(), 8);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(again.at(i).document, expected[i]);
        app::ui::CalculationRecord made = samples::Mixed(i);
        made.document = expected[i];
        made.time = again.at(i).time;
        EXPECT_TRUE(samples::SameRecord(again.at(i), made));
    }
}

class RecordDocumentFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        journal_ = std::make_unique<Journal>(dir_.path());
        Fill(*journal_);
        form_ = std::make_unique<app::record::RecordForm>(*journal_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    void TearDown() override { form_.reset(); }

    QTableView *table() const { return form_->findChild<QTableView *>("RecordTable"); }
    QComboBox *documents() const { return form_->findChild<QComboBox *>("RecordDocumentFilter"); }
    QComboBox *pages() const { return form_->findChild<QComboBox *>("RecordPageFilter"); }

    QTemporaryDir dir_;
    std::unique_ptr<Journal> journal_;
    std::unique_ptr<app::record::RecordForm> form_;
};

TEST_F(RecordDocumentFormTest, ColumnShowsTheDocument)
{
    QAbstractItemModel *model = table()->model();
    const int column = app::record::RecordModel::DocumentColumn;
    EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), QStringLiteral("文書"));
    EXPECT_EQ(model->index(0, column).data().toString(), QStringLiteral("A.zefra"));
    EXPECT_EQ(model->index(2, column).data().toString(), QString());
    EXPECT_EQ(model->index(5, column).data().toString(), QStringLiteral("B.zefra"));
}

// The drop-down lists "すべて", the names in the order they first appear and
// the records without one; with the page filter, both must hold.
TEST_F(RecordDocumentFormTest, FilterByDocumentAndPage)
{
    ASSERT_TRUE(documents());
    QStringList items;
    for (int i = 0; i < documents()->count(); ++i)
        items.append(documents()->itemText(i));
    EXPECT_EQ(items, (QStringList{"すべて", "A.zefra", "B.zefra", "（文書なし）"}));

    struct Case
    {
        int document; // index in the drop-down
        int page;     // 0 all, 1 duct, 2 pipe, 3 air
        int rows;
    };
    const Case cases[] = {
        {0, 0, 7}, {1, 0, 3}, {2, 0, 2}, {3, 0, 2}, // records 0, 1, 6 / 4, 5 / 2, 3
        {1, 1, 2}, {1, 2, 1}, {1, 3, 0}, {3, 3, 1}, // duct 0, 3, 6; pipe 1, 4; air 2, 5
        {2, 3, 1}, {0, 2, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(
            QStringLiteral("document %1, page %2").arg(c.document).arg(c.page).toStdString());
        documents()->setCurrentIndex(c.document);
        pages()->setCurrentIndex(c.page);
        EXPECT_EQ(table()->model()->rowCount(), c.rows);
        EXPECT_EQ(form_->shownRecords().size(), c.rows);
        for (const auto *r : form_->shownRecords()) {
            if (c.document > 0) {
                EXPECT_EQ(r->document, c.document == 3 ? QString() : items[c.document]);
            }
        }
    }

    // A record of a new document adds its name; the choice stays.
    documents()->setCurrentIndex(2);
    pages()->setCurrentIndex(0);
    journal_->setDocumentName(QStringLiteral("C.zefra"));
    journal_->append(samples::Duct(30));
    EXPECT_EQ(documents()->count(), 5);
    EXPECT_EQ(documents()->itemText(3), QStringLiteral("C.zefra"));
    EXPECT_EQ(documents()->currentText(), QStringLiteral("B.zefra"));
    EXPECT_EQ(table()->model()->rowCount(), 2);
    // Deleting the last records of a name drops it, and the filter shows all.
    journal_->remove({4, 5});
    EXPECT_EQ(documents()->findText(QStringLiteral("B.zefra")), -1);
    EXPECT_EQ(documents()->currentIndex(), 0);
    EXPECT_EQ(table()->model()->rowCount(), 6);
}

// The exports carry the name after the time once a record of a kind names a
// document; a kind whose records name none goes out as it always did.
TEST(RecordDocumentExportTest, ExportsCarryTheDocument)
{
    app::ui::CalculationRecord named = samples::Duct(1), unnamed = samples::Duct(2),
                               air = samples::Air(3);
    named.document = QStringLiteral("事務所ビル.zefra");
    const auto tables = app::record::KindTables({&named, &unnamed, &air});
    ASSERT_EQ(tables.size(), 2);
    EXPECT_TRUE(tables[0].documented);
    EXPECT_FALSE(tables[1].documented);

    const app::record::TextTable rows = app::record::TableRows(tables);
    EXPECT_EQ(rows[0].mid(0, 5), (QStringList{"日時", "文書", "ページ", "計算", "メモ"}));
    EXPECT_EQ(rows[1][1], QStringLiteral("事務所ビル.zefra"));
    EXPECT_EQ(rows[2][1], QString());
    EXPECT_EQ(rows[1].size(), rows[0].size());
    EXPECT_EQ(rows[4].mid(0, 4), (QStringList{"日時", "ページ", "計算", "メモ"}));
    EXPECT_TRUE(app::record::ToTsv(rows).startsWith(QStringLiteral("日時\t文書\tページ\t")));
    EXPECT_TRUE(app::record::ToCsv(rows).contains(QByteArray("日時,文書,ページ,")));

    const spreadsheet::Workbook book = app::record::RecordWorkbook({}, tables);
    ASSERT_EQ(book.sheets.size(), 3u); // the cover and a sheet per kind
    const spreadsheet::Sheet &duct = book.sheets[1];
    ASSERT_GE(duct.header.size(), 2u);
    EXPECT_EQ(duct.header[1], "文書");
    ASSERT_EQ(duct.rows.size(), 2u);
    const auto *name = std::get_if<std::string>(&duct.rows[0][1]);
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, "事務所ビル.zefra");
    EXPECT_EQ(duct.rows[0].size(), duct.header.size());
    EXPECT_EQ(book.sheets[2].header[1], "ページ");
}

} // namespace
