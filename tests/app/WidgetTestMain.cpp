// Widget tests run the real window offscreen: the platform is chosen before
// the application object exists, unless the caller chose one.
#include "app/ZefraApplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ZefraApplication app(argc, argv);
    ZefraApplication::setStyle(QStringLiteral("Fusion"));
    return RUN_ALL_TESTS();
}
