// Widget tests run the real window offscreen: the platform is chosen before
// the application object exists, unless the caller chose one.
#include "app/ZefraApplication.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot size or raise windows and says so each time.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(quietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does may reach the user's own data or settings folders.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    app::ZefraApplication app(argc, argv);
    app::ZefraApplication::setStyle(QStringLiteral("Fusion"));
    return RUN_ALL_TESTS();
}
