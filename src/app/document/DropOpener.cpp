#include "app/document/DropOpener.h"

#include "app/document/DocumentTexts.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace app::document {

QString DroppedDocument(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() &&
            QFileInfo(url.toLocalFile()).suffix().compare(texts::Suffix, Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    }
    return {};
}

DropOpener::DropOpener(QWidget *owner, std::function<void(const QString &)> open)
    : QObject(owner), owner_(owner), open_(std::move(open))
{
    qApp->installEventFilter(this);
}

void DropOpener::AcceptDrops(QWidget *window)
{
    window->setAcceptDrops(true);
}

bool DropOpener::belongs(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    for (QWidget *w = widget->window(); w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (w == owner_)
            return true;
    }
    return false;
}

bool DropOpener::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (belongs(watched) && !DroppedDocument(drag->mimeData()).isEmpty()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = DroppedDocument(drop->mimeData());
        if (belongs(watched) && !path.isEmpty()) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            // The drag ends first: a box about unsaved changes must not
            // open inside the drop.
            QTimer::singleShot(0, this, [this, path] { open_(path); });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app::document
