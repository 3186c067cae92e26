#include "app/ui/StaleLook.h"

#include <QApplication>
#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>

namespace app::ui {

namespace {

// Grey text: the text colour moved towards the field's background. At 60 %
// of the text it stays well readable (about 5.7:1 black on white, 7:1 on a
// dark base) while plainly lighter than a current value beside it.
QColor greyed(const QColor &text, const QColor &base)
{
    constexpr double TextShare = 0.6;
    const auto mix = [](double t, double b) { return TextShare * t + (1.0 - TextShare) * b; };
    return QColor::fromRgbF(static_cast<float>(mix(text.redF(), base.redF())),
                            static_cast<float>(mix(text.greenF(), base.greenF())),
                            static_cast<float>(mix(text.blueF(), base.blueF())));
}

} // namespace

QString StaleHint()
{
    return QStringLiteral(
        "入力が変わったため、この値は再計算されていません。Enter で再計算します。");
}

void ShowStale(QLineEdit *field, bool stale)
{
    field->setProperty("stale", stale);
    // A style sheet rule on [stale="true"] applies only after a re-polish.
    field->style()->unpolish(field);
    field->style()->polish(field);

    // The look is set through the field's font and palette rather than a
    // style sheet: under a style sheet Qt restores at each re-polish the
    // palette it saw at the previous one, which would undo the grey
    // background that an unused size field is given meanwhile.
    QFont font = field->font();
    font.setItalic(stale);
    field->setFont(font);
    const QPalette standard = QApplication::palette(field);
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = standard.color(group, QPalette::Text);
        palette.setColor(group, QPalette::Text,
                         stale ? greyed(text, standard.color(group, QPalette::Base)) : text);
    }
    field->setPalette(palette);
    // A screen reader gives the description before the tooltip, which the
    // field keeps for when it is current.
    field->setAccessibleDescription(stale ? StaleHint() : QString());
}

} // namespace app::ui
