// Starts the real window with its default settings file, closes it as the
// user does, and tells what happened, one "name=value" line each, for
// SettingsLocationTest: the settings file's path (raw bytes), the page read
// from it, whether the window closed, and the text of every box shown.
#include "app/D_Kokei.h"
#include "app/ZefraApplication.h"
#include "support/BoxRecorder.h"

#include <QTabWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    app::ZefraApplication app(argc, argv);
    app::ZefraApplication::setStyle(QStringLiteral("Fusion"));
    BoxRecorder boxes;
    {
        app::TDuctForm form;
        form.show(); // reads the settings
        QCoreApplication::processEvents();
        std::printf("file=%s\n", form.settingsPath().c_str());
        std::printf("page=%d\n", form.pageControl()->currentIndex());
        const bool closed = form.close(); // writes them
        QCoreApplication::processEvents();
        std::printf("closed=%d\n", closed ? 1 : 0);
    }
    for (const BoxRecorder::Box &box : boxes.take())
        std::printf("box=%s\n", box.text.toUtf8().constData());
    return 0;
}
