#include "app/ui/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace app::ui {

namespace {

class FirstExpose : public QObject
{
public:
    FirstExpose(QWindow *window, std::function<void()> work)
        : QObject(window), work_(std::move(work))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            // Queued now, run once the expose (the painting) is done.
            QTimer::singleShot(0, watched, std::move(work_));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void AfterFirstFrame(QWidget &window, std::function<void()> work)
{
    QWindow *native = window.windowHandle();
    if (!native)
        return;              // never shown
    if (native->isExposed()) // already on the screen
        QTimer::singleShot(0, &window, std::move(work));
    else
        native->installEventFilter(new FirstExpose(native, std::move(work)));
}

} // namespace app::ui
