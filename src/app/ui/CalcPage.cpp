#include "app/ui/CalcPage.h"

#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

constexpr int TitleBarHeight = 24;

QFrame *panel(QWidget *parent, const char *name, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    if (name)
        frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    return frame;
}

// Title bars are a deep blue with white text, so that the sections stand
// apart at a glance; the controls placed on a bar inherit its colours.
void paintTitleBar(QFrame *bar)
{
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, QColor(0x2f, 0x4f, 0x7f));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    bar->setPalette(p);
    bar->setAutoFillBackground(true);
}

// A section band that keeps its title bar and its right column as wide as
// the page, whatever width the tab widget gives it.
class SectionFrame : public QFrame
{
public:
    using QFrame::QFrame;
    CalcPage::Section parts;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QFrame::resizeEvent(event);
        parts.titleBar->resize(width(), parts.titleBar->height());
        parts.body->resize(width(), height() - parts.body->y());
        parts.right->resize(width() - parts.right->x(), parts.body->height());
    }
};

} // namespace

CalcPage::CalcPage(const char *name, FocusOrder &focus, QWidget *parent)
    : QWidget(parent), focus_(focus), layout_(new QVBoxLayout(this))
{
    setObjectName(QString::fromLatin1(name));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
}

QFrame *CalcPage::addBand(const char *name, int height)
{
    QFrame *band = panel(this, name, QFrame::Raised);
    band->setFixedHeight(height);
    layout_->addWidget(band);
    focus_.addBand(this, band);
    return band;
}

CalcPage::Section CalcPage::addSection(const char *name, const char *titleBarName,
                                       const QString &title, int height, int leftWidth,
                                       int middleWidth)
{
    auto *frame = new SectionFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setFixedHeight(height);
    Section &s = frame->parts;
    s.band = frame;
    layout_->addWidget(s.band);

    s.titleBar = panel(s.band, titleBarName, QFrame::Raised);
    s.titleBar->setGeometry(0, 0, 554, TitleBarHeight);
    paintTitleBar(s.titleBar);
    auto *caption = form::BoldLabel(s.titleBar, title, 4, 3, 15);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);

    s.body = new QFrame(s.band);
    s.body->move(0, TitleBarHeight);
    const int bodyHeight = height - TitleBarHeight;
    s.left = panel(s.body, nullptr, QFrame::Sunken);
    s.left->setGeometry(0, 0, leftWidth, bodyHeight);
    s.middle = panel(s.body, nullptr, QFrame::Sunken);
    s.middle->setGeometry(leftWidth, 0, middleWidth, bodyHeight);
    s.right = panel(s.body, nullptr, QFrame::Sunken);
    s.right->setGeometry(leftWidth + middleWidth, 0, 554 - leftWidth - middleWidth, bodyHeight);
    s.body->resize(554, bodyHeight);

    focus_.addBand(this, s.titleBar);
    focus_.addBand(this, s.body);
    return s;
}

void CalcPage::finishBands()
{
    layout_->addStretch(1);
}
