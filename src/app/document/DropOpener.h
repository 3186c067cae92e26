#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

// A .zefra file dropped on any window of the program opens it. Installed on
// the application, it takes the drag before the control under the pointer
// (a field would take the file's name as text), for the windows that belong
// to `owner`, and leaves every other drag to them.
namespace app::document {

// The first local .zefra file among the dragged URLs; empty for none.
QString DroppedDocument(const QMimeData *data);

class DropOpener : public QObject
{
    Q_OBJECT

public:
    DropOpener(QWidget *owner, std::function<void(const QString &)> open);

    // Lets `window` and its controls receive drags at all.
    static void AcceptDrops(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool belongs(QObject *watched) const;

    QWidget *owner_;
    std::function<void(const QString &)> open_;
};

} // namespace app::document
