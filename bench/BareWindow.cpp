// The yardstick of bench/startup.sh: a bare Qt main window with the same
// menu bar captions and the same five-page tab control as Zefra's window,
// in the same style and size, and nothing on its pages.
#include "app/probe/StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("  Zefra"));
    window.menuBar()->addAction(QStringLiteral("電卓(&D)"));
    window.menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    window.menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));

    auto *tabs = new QTabWidget;
    for (const char *caption :
         {"ダクト計算", "吹出口・吸込口", "配管計算", "空気の状態値計算", "単位変換"})
        tabs->addTab(new QWidget, QString::fromUtf8(caption));
    tabs->setFixedSize(562, 298);
    window.setCentralWidget(tabs);

    window.show();
    app::probe::WatchFirstPaint(window);
    return app.exec();
}
