#include "app/chart/SvgFonts.h"

#include "app/ui/FormControls.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QStringList>

namespace app::chart {

namespace {

// A family as CSS writes it: quoted unless a plain identifier. The list
// stands inside a double-quoted attribute, so a character that would end
// it or start markup is dropped (no installed face has one).
QString CssFamily(QString family)
{
    static const QRegularExpression markup(QStringLiteral("[\"'<>&]"));
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9-]*$"));
    family.remove(markup);
    return plain.match(family).hasMatch() ? family : QLatin1Char('\'') + family + QLatin1Char('\'');
}

} // namespace

QString SvgFontFamilies()
{
    const QFont font = ui::GothicFont(13);
    QStringList families{QFontInfo(font).family()};
    for (const QString &family : font.families()) {
        if (!families.contains(family))
            families << family;
    }
    QStringList css;
    for (const QString &family : families)
        css << CssFamily(family);
    css << QStringLiteral("sans-serif");
    return css.join(QStringLiteral(", "));
}

QByteArray WithSvgFontFamilies(const QByteArray &svg)
{
    static const QRegularExpression attribute(QStringLiteral("font-family=\"[^\"]*\""));
    QString text = QString::fromUtf8(svg);
    text.replace(attribute,
                 QStringLiteral("font-family=\"") + SvgFontFamilies() + QLatin1Char('"'));
    return text.toUtf8();
}

} // namespace app::chart
