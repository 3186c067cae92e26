// The form looks tidy on every page: no control sticks out of its panel and
// no two controls of a panel cover each other, with the fonts installed here.
#include "support/FormFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

bool isControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w);
}

// The pressure and altitude fields stand over the pressure group by design.
bool coversByDesign(const QWidget *a, const QWidget *b)
{
    auto overGroup = [](const QWidget *x, const QWidget *y) {
        return (x->objectName() == QLatin1String("PrEdit") ||
                x->objectName() == QLatin1String("WhEdit")) &&
               qobject_cast<const QGroupBox *>(y);
    };
    return overGroup(a, b) || overGroup(b, a);
}

TEST_F(FormTest, NothingClippedOrCoveredOnAnyPage)
{
    for (int page = 0; page < 5; ++page) {
        showPage(page);
        QWidget *sheet = form_->pageControl()->widget(page);
        for (QWidget *parent : sheet->findChildren<QWidget *>()) {
            if (!parent->isVisible())
                continue;
            QList<QWidget *> children;
            for (QObject *o : parent->children()) {
                auto *w = qobject_cast<QWidget *>(o);
                if (w && w->isVisible() && (isControl(w) || qobject_cast<QGroupBox *>(w)))
                    children << w;
            }
            for (QWidget *w : children) {
                const QString where =
                    parent->objectName() + QLatin1Char('/') + w->objectName() + QLatin1Char(' ') +
                    (qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text() : QString());
                const QRect inner = parent->contentsRect();
                EXPECT_TRUE(inner.contains(w->geometry()))
                    << "page " << page << ": " << where.toStdString() << " at " << w->geometry().x()
                    << "," << w->geometry().y() << " " << w->width() << "x" << w->height()
                    << " outside " << inner.width() << "x" << inner.height();
                const QSize wanted = w->sizeHint();
                if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) {
                    EXPECT_GE(w->width(), wanted.width())
                        << "page " << page << ": " << where.toStdString();
                }
                for (QWidget *other : children) {
                    if (other != w && !coversByDesign(w, other) &&
                        w->geometry().intersects(other->geometry()))
                        ADD_FAILURE() << "page " << page << ": " << where.toStdString()
                                      << " covers " << other->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(FormTest, PagesFillTheClientArea)
{
    for (int page = 0; page < 5; ++page) {
        showPage(page);
        QWidget *sheet = form_->pageControl()->widget(page);
        int bottom = 0;
        for (QObject *o : sheet->children()) {
            if (auto *band = qobject_cast<QWidget *>(o))
                bottom = std::max(bottom, band->geometry().bottom() + 1);
        }
        EXPECT_LE(bottom, sheet->height()) << "page " << page;
        EXPECT_GE(bottom, sheet->height() - 6) << "page " << page;
    }
}

} // namespace
