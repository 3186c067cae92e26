#include "app/D_Kokei.h"
#include "app/ZefraApplication.h"

int main(int argc, char *argv[])
{
    ZefraApplication app(argc, argv);
    ZefraApplication::setStyle(QStringLiteral("Fusion"));
    TDuctForm form;
    form.show();
    return app.exec();
}
