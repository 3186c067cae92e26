#include "app/chart/NumberField.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace app::chart {

namespace {

// QLineEdit's own margin around its text, each side, px.
constexpr int TextMargin = 2;

} // namespace

NumberField::NumberField(const char *name, QWidget *parent, int characters)
    : QLineEdit(parent), characters_(characters)
{
    setObjectName(QString::fromLatin1(name));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize NumberField::sizeHint() const
{
    ensurePolished();
    const QFontMetrics fm = fontMetrics();
    const QMargins text = textMargins();
    // One digit more than asked for: the cursor and the frame's rounding.
    const int w = fm.horizontalAdvance(QString(characters_ + 1, QLatin1Char('0'))) +
                  2 * TextMargin + text.left() + text.right();
    const int h = QLineEdit::sizeHint().height();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize contents(w, h);
    // The style adds its frame to the contents width; the height is already
    // QLineEdit's own.
    return {style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this).width(), h};
}

} // namespace app::chart
