#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QTextDocument;

namespace app::help {

// One heading of a help document and the text under it, up to the next
// heading. The text before the first heading is a section of level 0.
struct HelpSection
{
    QString anchor; // the heading's id; empty when it has none
    QString title;  // the heading's text
    int level = 0;  // 1 for <h1>, 2 for <h2>, …
    QString text;   // the section's plain text, heading included
};

// One document: a chapter of the help.
struct HelpChapter
{
    QString path;  // absolute file path
    QString title; // its first <h1>, else its <title>, else its file name
    QList<HelpSection> sections;

    QUrl url(const QString &anchor = {}) const;
};

// The help documents of one folder, in reading order: the main document
// first, then the documents it links to in the order of their first link,
// and so on breadth first; then any other *.html of the folder by name, so
// that a chapter added to the folder is in the contents even before a link
// to it is written. Links to files of other folders are not followed.
class HelpLibrary
{
public:
    // Reads the main document and every document of its folder. A document
    // that cannot be read is left out; the main document is always the
    // first chapter, empty when it cannot be read.
    static HelpLibrary load(const QString &mainDocument);

    const QList<HelpChapter> &chapters() const { return chapters_; }
    // The chapter of an absolute file path, or nullptr.
    const HelpChapter *chapter(const QString &path) const;

private:
    QList<HelpChapter> chapters_;
};

// Reads a help document (UTF-8 HTML) into `document`; false when the file
// cannot be read.
bool ReadDocument(const QString &path, QTextDocument &document);

// The sections of a document, split at its headings.
QList<HelpSection> Sections(const QTextDocument &document);
// Every link target of a document (the href of each anchor), in order.
QStringList LinkTargets(const QTextDocument &document);
// The names that a link's #fragment can reach: the ids of the document's
// elements and the names of its <a name> anchors.
QStringList AnchorNames(const QTextDocument &document);
// The position of the anchor `name`, or -1.
int AnchorPosition(const QTextDocument &document, const QString &name);

} // namespace app::help
