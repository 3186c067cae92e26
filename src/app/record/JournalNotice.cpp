#include "app/record/JournalNotice.h"

#include "app/record/Journal.h"
#include "app/record/RecordTexts.h"

#include <QMessageBox>
#include <QTimer>

#include <memory>

namespace app::record {

namespace {

void showNotice(QWidget *window, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(texts::WindowTitle), text,
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("RecordNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace

void WatchJournal(Journal &journal, QWidget *window)
{
    auto told = std::make_shared<bool>(false);
    QTimer::singleShot(0, window, [&journal, window, told] {
        QString text = journal.startNotice(); // reads the journal unless it has been read
        if (text.isEmpty())
            text = journal.problem();
        if (!text.isEmpty()) {
            *told = true;
            showNotice(window, text);
        }
        QObject::connect(&journal, &Journal::problemChanged, window, [&journal, window, told] {
            if (*told || journal.problem().isEmpty())
                return;
            *told = true;
            showNotice(window, journal.problem());
        });
    });
}

} // namespace app::record
