// A Qt plugin that the installed-package check loads into the installed
// program (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=windowcloser): once the
// main window has been shown and has settled, it closes that window as a
// user does, through a close event, so that the program saves its settings
// and ends by itself. The program is not changed in any way. It reports on
// standard error:
//   window-closer: shown <class> "<title>" <width>x<height>
//   window-closer: closed
// and ends the program with status 3 when a modal box is open at that time
// (a start-up warning), 4 when the window refuses to close, 5 when no window
// is shown within a minute.
#include <QApplication>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

constexpr int PollMs = 50;
// The work the program defers past its first frame (reading the
// calculation record) is done well within this.
constexpr int SettleMs = 1000;
constexpr int ShowLimitMs = 60000;

void say(const QString &text)
{
    std::fprintf(stderr, "window-closer: %s\n", text.toLocal8Bit().constData());
}

class WindowCloser : public QObject
{
public:
    WindowCloser()
    {
        clock_.start();
        connect(&poll_, &QTimer::timeout, this, &WindowCloser::look);
        poll_.start(PollMs);
    }

private:
    static QMainWindow *shownMainWindow()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<QMainWindow *>(widget);
            if (window && window->isVisible() && window->windowHandle() &&
                window->windowHandle()->isExposed())
                return window;
        }
        return nullptr;
    }

    void look()
    {
        QMainWindow *window = shownMainWindow();
        if (!window) {
            if (clock_.elapsed() > ShowLimitMs) {
                say(QStringLiteral("no window shown"));
                QCoreApplication::exit(5);
            }
            return;
        }
        poll_.stop();
        say(QStringLiteral("shown %1 \"%2\" %3x%4")
                .arg(QString::fromLatin1(window->metaObject()->className()),
                     window->windowTitle().trimmed())
                .arg(window->width())
                .arg(window->height()));
        QTimer::singleShot(SettleMs, this, [this, window] { close(window); });
    }

    void close(QMainWindow *window)
    {
        if (QWidget *box = QApplication::activeModalWidget()) {
            QStringList texts;
            for (const QLabel *label : box->findChildren<QLabel *>())
                texts << label->text();
            say(QStringLiteral("a box is open: \"%1\" %2")
                    .arg(box->windowTitle(), texts.join(QLatin1Char(' '))));
            QCoreApplication::exit(3);
            return;
        }
        if (!window->close()) {
            say(QStringLiteral("the window refused to close"));
            QCoreApplication::exit(4);
            return;
        }
        say(QStringLiteral("closed"));
    }

    QTimer poll_;
    QElapsedTimer clock_;
};

} // namespace

class WindowCloserPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "windowcloser.json")

public:
    QObject *create(const QString &, const QString &) override { return new WindowCloser; }
};

#include "WindowCloser.moc"
