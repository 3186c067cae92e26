#include "app/D_Kokei.h"
#include "app/ZefraApplication.h"

int main(int argc, char *argv[])
{
    app::ZefraApplication app(argc, argv);
    app::ZefraApplication::setStyle(QStringLiteral("Fusion"));
    app::TDuctForm form;
    form.show();
    return app.exec();
}
