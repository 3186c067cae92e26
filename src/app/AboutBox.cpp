#include "app/AboutBox.h"

#include "app/AppTexts.h"
#include "app/ui/AppInfo.h"
#include "app/ui/Fonts.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace app {

TAboutBox::TAboutBox(QWidget *owner)
    : QDialog(owner,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QString::fromUtf8(texts::AboutTitle));
    setFixedSize(275, 189);
    setFont(ui::ControlFont(12));

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QIcon(QStringLiteral(":/zefra/zefra-256.png")).pixmap(32, 32));
    image->setGeometry(15, 20, 32, 32);

    auto *product = new QLabel(ui::ApplicationTitle, this);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setFont(ui::ProductNameFont());
    product->move(60, 35);
    product->adjustSize();

    auto *version = new QLabel(ui::ApplicationVersion, this);
    version->setObjectName(QStringLiteral("Version"));
    version->move(60, 95);
    version->adjustSize();

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(60, 135, 200, 2);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(185, 155, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace app
