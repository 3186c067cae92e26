#pragma once

#include "app/help/HelpLibrary.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QUrl>

// Finding a word in the help, as a Japanese user types it: Latin letters in
// either case and either width (an input method left in full-width mode
// gives "ＶＨＳ" for "VHS"), the ideographic space for a space.
namespace app::help {

// The pattern that finds `term`; an empty pattern, which finds nothing, for
// a term of blanks only.
QRegularExpression FindPattern(const QString &term);

// A section of the help in which the term occurs.
struct HelpHit
{
    QUrl url;        // the document, at the section's heading when it has an id
    QString chapter; // the chapter's title
    QString section; // the section's heading; empty for the text before the first heading
    int count = 0;   // occurrences in the section
    QString excerpt; // the text around the first occurrence, on one line
};

// Every section of every chapter in which the term occurs, in reading order.
QList<HelpHit> SearchLibrary(const HelpLibrary &library, const QString &term);

// About `radius` characters either side of the match at `position` of
// length `length`, on one line, with "…" where the text was cut.
QString Excerpt(const QString &text, qsizetype position, qsizetype length, int radius = 24);

} // namespace app::help
