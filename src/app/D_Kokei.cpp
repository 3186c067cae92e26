#include "app/D_Kokei.h"

TDuctForm::TDuctForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("DuctForm");
    setWindowTitle(QStringLiteral("  Zefra"));
}
