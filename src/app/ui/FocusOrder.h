#pragma once

#include <QHash>
#include <QList>
#include <QPointer>

class QWidget;

namespace app::ui {

// The window's tab order, kept the way the window was designed: each page is
// a stack of bands, each band holds its controls in order, and a control
// moved into another band takes the last place there. Enter (FocusNextField)
// and the Tab key both walk this order, so they always agree.
class FocusOrder
{
public:
    // Bands are registered top to bottom, controls in their order in the band.
    void addBand(QWidget *page, QWidget *band);
    void addControls(QWidget *band, const QList<QWidget *> &controls);

    // Moves a control into another band, as its last control.
    void moveControl(QWidget *control, QWidget *band);

    // Every control of a page that can ever take the focus, in order.
    QList<QWidget *> controlsOf(QWidget *page) const;

    // The next control after `from` that can take the focus now, wrapping
    // round within the page; `from` may be any widget (or none). Returns
    // nullptr when no control of the page can take the focus.
    QWidget *next(QWidget *page, QWidget *from, bool forward = true) const;

    // Whether a control is a tab stop that can take the focus now: visible on
    // the shown page, enabled, and, for a radio button, the checked one.
    static bool canTakeFocus(const QWidget *control);

    // The widget that actually takes the focus for a control (the checked
    // button of a radio group).
    static QWidget *focusTarget(QWidget *control);

    // Mirrors the order into Qt's focus chain, page after page.
    void applyTabOrder(const QList<QWidget *> &pages) const;

private:
    QWidget *registeredAncestor(QWidget *w) const;

    QHash<QWidget *, QList<QWidget *>> bandsOfPage_;
    QHash<QWidget *, QList<QWidget *>> controlsOfBand_;
    QHash<QWidget *, QWidget *> bandOfControl_;
};

} // namespace app::ui
