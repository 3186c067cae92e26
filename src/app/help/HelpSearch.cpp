#include "app/help/HelpSearch.h"

#include <algorithm>

namespace app::help {

namespace {

// Full-width forms U+FF01…U+FF5E are the ASCII characters U+0021…U+007E
// moved by this much (Unicode's Halfwidth and Fullwidth Forms block).
constexpr char16_t FullWidthOffset = 0xFEE0;

// One character of the term as a pattern that accepts both widths.
QString eitherWidth(QChar c)
{
    char16_t code = c.unicode();
    if (code >= 0xFF01 && code <= 0xFF5E)
        code -= FullWidthOffset;
    if (code == 0x3000 || code == u' ')
        return QStringLiteral("[ \\x{3000}]");
    if (code >= 0x21 && code <= 0x7E) {
        return QStringLiteral("[%1\\x{%2}]")
            .arg(QRegularExpression::escape(QString(QChar(code))))
            .arg(code + FullWidthOffset, 0, 16);
    }
    return QRegularExpression::escape(QString(c));
}

} // namespace

QRegularExpression FindPattern(const QString &term)
{
    const QString trimmed = term.simplified();
    if (trimmed.isEmpty())
        return {};
    QString pattern;
    for (QChar c : trimmed)
        pattern += eitherWidth(c);
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
}

QString Excerpt(const QString &text, qsizetype position, qsizetype length, int radius)
{
    const qsizetype from = std::max<qsizetype>(0, position - radius);
    const qsizetype to = std::min(text.size(), position + length + radius);
    QString excerpt = text.mid(from, to - from).simplified();
    if (from > 0)
        excerpt.prepend(QStringLiteral("…"));
    if (to < text.size())
        excerpt.append(QStringLiteral("…"));
    return excerpt;
}

QList<HelpHit> SearchLibrary(const HelpLibrary &library, const QString &term)
{
    QList<HelpHit> hits;
    const QRegularExpression pattern = FindPattern(term);
    if (pattern.pattern().isEmpty())
        return hits;
    for (const HelpChapter &chapter : library.chapters()) {
        for (const HelpSection &section : chapter.sections) {
            int count = 0;
            QRegularExpressionMatch first;
            for (auto it = pattern.globalMatch(section.text); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                if (count++ == 0)
                    first = match;
            }
            if (count == 0)
                continue;
            hits.append({chapter.url(section.anchor), chapter.title, section.title, count,
                         Excerpt(section.text, first.capturedStart(), first.capturedLength())});
        }
    }
    return hits;
}

} // namespace app::help
