#include "app/ui/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>

#include <algorithm>

namespace app::ui {

namespace {

// Latin sans-serifs with a clear full stop, in order of preference: the
// window's design face first, then those of free systems.
const QStringList &latinFamilies()
{
    static const QStringList families = {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Noto Sans"), QStringLiteral("Arial")};
    return families;
}

// Whether a family is installed under that name, from the font database's
// list, read once. QFontDatabase::hasFamily also asks fontconfig what the
// name is an alias of, which takes several milliseconds for each name that
// is not installed: at start-up, for each Windows name ahead of the free
// face in the gothic list. A name that is only an alias renders as the face
// it stands for, which the list names too.
bool Installed(const QString &family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

// What Qt makes of the list: it tries the families in order and takes the
// first installed one; the families after it serve as fallbacks for missing
// characters only when it is the first of the list (after a miss Qt drops
// them and falls back as for a font of that family alone). When none is
// installed, Qt's own default takes over, as it does for the whole list.
QStringList resolvedFamilies()
{
    const QStringList &families = GothicFamilies();
    if (Installed(families.first()))
        return families;
    for (const QString &family : families) {
        if (Installed(family))
            return {family};
    }
    return families;
}

// The gothic families of the installed fonts, resolved once: they do not
// change while the program runs.
const QStringList &installedGothic()
{
    static const QStringList families = resolvedFamilies();
    return families;
}

QFont fontOf(const QStringList &families, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// px, the size of the window's fields.
constexpr int TablePixelSize = 13;

// The first installed Latin face, then the window's gothic as the fallback
// for the Japanese text (Qt takes the later families of a list as fallbacks
// only when its first one heads it).
QStringList tableFamilies()
{
    for (const QString &family : latinFamilies()) {
        if (Installed(family))
            return QStringList{family} + installedGothic();
    }
    return installedGothic();
}

// A family as CSS writes it: quoted unless a plain identifier. The list
// stands inside a double-quoted attribute, so a character that would end
// it or start markup is dropped (no installed face has one).
QString cssFamily(QString family)
{
    static const QRegularExpression markup(QStringLiteral("[\"'<>&]"));
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9-]*$"));
    family.remove(markup);
    return plain.match(family).hasMatch() ? family : QLatin1Char('\'') + family + QLatin1Char('\'');
}

} // namespace

const QStringList &GothicFamilies()
{
    static const QStringList families = {
        QStringLiteral("ＭＳ Ｐゴシック"),  QStringLiteral("MS PGothic"),
        QStringLiteral("IPAPGothic"),       QStringLiteral("IPAexGothic"),
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
        QStringLiteral("TakaoPGothic"),     QStringLiteral("IPAGothic"),
        QStringLiteral("Noto Sans JP"),     QStringLiteral("Droid Sans Fallback")};
    return families;
}

QFont GothicFont(int pixelSize, bool bold)
{
    return fontOf(GothicFamilies(), pixelSize, bold);
}

QFont ControlFont(int pixelSize, bool bold)
{
    return fontOf(installedGothic(), pixelSize, bold);
}

QFont PrintFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(installedGothic());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont ReadingFont(const QFont &base, qreal minimumPoints)
{
    QFont font = base;
    font.setFamilies(GothicFamilies() + base.families());
    font.setPointSizeF(std::max(base.pointSizeF(), minimumPoints));
    return font;
}

QFont TableFont()
{
    static const QStringList families = tableFamilies();
    QFont font = ControlFont(TablePixelSize);
    font.setFamilies(families);
    return font;
}

QString SvgFontFamilies()
{
    const QFont font = GothicFont(13);
    QStringList families{QFontInfo(font).family()};
    for (const QString &family : font.families()) {
        if (!families.contains(family))
            families << family;
    }
    QStringList css;
    for (const QString &family : families)
        css << cssFamily(family);
    css << QStringLiteral("sans-serif");
    return css.join(QStringLiteral(", "));
}

QFont ProductNameFont()
{
    QFont font;
    font.setFamilies(latinFamilies());
    font.setPixelSize(48);
    font.setBold(true);
    return font;
}

} // namespace app::ui
