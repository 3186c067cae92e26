#include "app/CommandLine.h"
#include "app/D_Kokei.h"
#include "app/ZefraApplication.h"
#include "app/probe/StartupProbe.h"

int main(int argc, char *argv[])
{
    // --version and --help answer before Qt looks for a display.
    if (const std::optional<int> exitCode = app::AnswerCommandLine(argc, argv))
        return *exitCode;
    app::ZefraApplication app(argc, argv);
    app::ZefraApplication::setStyle(QStringLiteral("Fusion"));
    app::TDuctForm form;
    form.openAtStart(app::DocumentArgument(QCoreApplication::arguments()));
    form.show();
    app::probe::WatchFirstPaint(form);
    return app.exec();
}
