#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class FocusOrder;
struct SharedControls;
class QFrame;
class QVBoxLayout;

// One tab page: a stack of horizontal bands, top to bottom. A calculation
// section is a band with a bold title bar across its top and, below it,
// three columns: inputs on the left, sizes in the middle, results on the right.
class CalcPage : public QWidget
{
    Q_OBJECT

public:
    CalcPage(const char *name, FocusOrder &focus, QWidget *parent = nullptr);

    struct Section
    {
        QFrame *band = nullptr;
        QFrame *titleBar = nullptr;
        QFrame *body = nullptr;
        QFrame *left = nullptr;
        QFrame *middle = nullptr;
        QFrame *right = nullptr;
    };

    // The controls shared by the pages (unit and basis buttons), which the
    // window hands to every page once they exist.
    void setSharedControls(const SharedControls *shared) { shared_ = shared; }

    // The window's "next field" (Enter's focus move), for the routines of a
    // page that move on by themselves (the fixed-side rules).
    void setFocusNextField(std::function<void()> focusNext) { focusNext_ = std::move(focusNext); }
    void FocusNextField() const
    {
        if (focusNext_)
            focusNext_();
    }

protected:
    // A plain band of the given height, registered for the focus order.
    QFrame *addBand(const char *name, int height);
    // A section: its title bar and its body are two bands of the focus order.
    Section addSection(const char *name, const char *titleBarName, const QString &title, int height,
                       int leftWidth, int middleWidth);
    // Fills the rest of the page below the last band.
    void finishBands();

    FocusOrder &focus_;
    const SharedControls *shared_ = nullptr;

private:
    QVBoxLayout *layout_;
    std::function<void()> focusNext_;
};
