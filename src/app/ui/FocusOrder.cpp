#include "app/ui/FocusOrder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>

namespace app::ui {

void FocusOrder::addBand(QWidget *page, QWidget *band)
{
    bandsOfPage_[page].append(band);
}

void FocusOrder::addControls(QWidget *band, const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        controlsOfBand_[band].append(control);
        bandOfControl_.insert(control, band);
    }
}

void FocusOrder::moveControl(QWidget *control, QWidget *band)
{
    if (QWidget *old = bandOfControl_.value(control))
        controlsOfBand_[old].removeAll(control);
    controlsOfBand_[band].append(control);
    bandOfControl_.insert(control, band);
}

QList<QWidget *> FocusOrder::controlsOf(QWidget *page) const
{
    QList<QWidget *> order;
    for (QWidget *band : bandsOfPage_.value(page))
        order += controlsOfBand_.value(band);
    return order;
}

namespace {

QList<QRadioButton *> groupButtons(const QWidget *group)
{
    return group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
}

} // namespace

QWidget *FocusOrder::focusTarget(QWidget *control)
{
    if (qobject_cast<QGroupBox *>(control)) {
        for (QRadioButton *button : groupButtons(control)) {
            if (button->isChecked())
                return button;
        }
        return nullptr;
    }
    return control;
}

bool FocusOrder::canTakeFocus(const QWidget *control)
{
    if (!control || !control->isEnabled() || !control->isVisibleTo(control->window()))
        return false;
    if (qobject_cast<const QGroupBox *>(control))
        return focusTarget(const_cast<QWidget *>(control)) != nullptr;
    if (auto *radio = qobject_cast<const QRadioButton *>(control))
        return radio->isChecked();
    return (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

QWidget *FocusOrder::registeredAncestor(QWidget *w) const
{
    for (; w; w = w->parentWidget()) {
        if (bandOfControl_.contains(w))
            return w;
    }
    return nullptr;
}

QWidget *FocusOrder::next(QWidget *page, QWidget *from, bool forward) const
{
    const QList<QWidget *> order = controlsOf(page);
    const qsizetype n = order.size();
    if (n == 0)
        return nullptr;
    qsizetype start = order.indexOf(registeredAncestor(from));
    if (start < 0)
        start = forward ? n - 1 : 0;
    for (qsizetype step = 1; step <= n; ++step) {
        const qsizetype i = forward ? (start + step) % n : (start - step + n) % n;
        if (canTakeFocus(order[i]))
            return focusTarget(order[i]);
    }
    return nullptr;
}

void FocusOrder::applyTabOrder(const QList<QWidget *> &pages) const
{
    QWidget *previous = nullptr;
    for (QWidget *page : pages) {
        for (QWidget *control : controlsOf(page)) {
            QList<QWidget *> chain;
            if (qobject_cast<QGroupBox *>(control)) {
                for (QRadioButton *button : groupButtons(control))
                    chain.append(button);
            } else {
                chain.append(control);
            }
            for (QWidget *w : chain) {
                if (previous)
                    QWidget::setTabOrder(previous, w);
                previous = w;
            }
        }
    }
}

} // namespace app::ui
