#include "support/BoxRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>

BoxRecorder::BoxRecorder()
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

QList<BoxRecorder::Box> BoxRecorder::take()
{
    return std::exchange(boxes_, {});
}

void BoxRecorder::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    Box box;
    box.caption = modal->windowTitle();
    box.objectName = modal->objectName();
    if (auto *message = qobject_cast<QMessageBox *>(modal)) {
        box.text = message->text();
        box.icon = message->icon();
        boxes_.append(box);
        // A question without OK (保存 / 保存しない / キャンセル) takes its
        // escape answer, as Esc would.
        if (QAbstractButton *ok = message->button(QMessageBox::Ok))
            ok->click();
        else if (QAbstractButton *escape = message->escapeButton())
            escape->click();
        else
            message->reject();
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        boxes_.append(box);
        if (auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("OKButton")))
            ok->click();
        else
            dialog->reject();
    }
}
