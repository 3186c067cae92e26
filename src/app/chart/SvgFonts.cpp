#include "app/chart/SvgFonts.h"

#include "app/ui/Fonts.h"

#include <QRegularExpression>
#include <QString>

namespace app::chart {

QByteArray WithSvgFontFamilies(const QByteArray &svg)
{
    static const QRegularExpression attribute(QStringLiteral("font-family=\"[^\"]*\""));
    QString text = QString::fromUtf8(svg);
    text.replace(attribute,
                 QStringLiteral("font-family=\"") + ui::SvgFontFamilies() + QLatin1Char('"'));
    return text.toUtf8();
}

} // namespace app::chart
