#include "app/D_Kokei.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefra"));
    TDuctForm form;
    form.show();
    return app.exec();
}
