#include "app/help/HelpLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

namespace app::help {

namespace {

// Calls f(fragment format) for every anchor fragment of the document.
template <typename F> void forEachAnchor(const QTextDocument &document, F f)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isAnchor())
                f(fragment);
        }
    }
}

QString headingAnchor(const QTextBlock &block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.first();
    }
    return {};
}

// The local .html documents a document links to, as absolute paths in the
// order of their first link, each once.
QStringList linkedDocuments(const QTextDocument &document, const QString &path)
{
    const QUrl base = QUrl::fromLocalFile(path);
    QStringList documents;
    for (const QString &target : LinkTargets(document)) {
        const QUrl url = base.resolved(QUrl(target));
        if (!url.isLocalFile())
            continue;
        const QString file = QFileInfo(url.toLocalFile()).absoluteFilePath();
        if (file.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) && file != path &&
            !documents.contains(file))
            documents << file;
    }
    return documents;
}

HelpChapter makeChapter(const QString &path, const QTextDocument &document, bool read)
{
    HelpChapter chapter{path, {}, read ? Sections(document) : QList<HelpSection>{}};
    for (const HelpSection &section : chapter.sections) {
        if (section.level == 1) {
            chapter.title = section.title;
            break;
        }
    }
    if (chapter.title.isEmpty())
        chapter.title = document.metaInformation(QTextDocument::DocumentTitle).simplified();
    if (chapter.title.isEmpty())
        chapter.title = QFileInfo(path).fileName();
    return chapter;
}

} // namespace

QUrl HelpChapter::url(const QString &anchor) const
{
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

bool ReadDocument(const QString &path, QTextDocument &document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

QList<HelpSection> Sections(const QTextDocument &document)
{
    QList<HelpSection> sections(1);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level > 0) {
            sections.append({headingAnchor(block), block.text().simplified(), level, {}});
        }
        QString &text = sections.last().text;
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += block.text();
    }
    if (sections.first().text.trimmed().isEmpty())
        sections.removeFirst();
    return sections;
}

QStringList LinkTargets(const QTextDocument &document)
{
    QStringList targets;
    forEachAnchor(document, [&](const QTextFragment &fragment) {
        const QString href = fragment.charFormat().anchorHref();
        // A link split by inner markup is one target.
        if (!href.isEmpty() && (targets.isEmpty() || targets.last() != href))
            targets << href;
    });
    return targets;
}

QStringList AnchorNames(const QTextDocument &document)
{
    QStringList names;
    forEachAnchor(document, [&](const QTextFragment &fragment) {
        names << fragment.charFormat().anchorNames();
    });
    names.removeDuplicates();
    return names;
}

int AnchorPosition(const QTextDocument &document, const QString &name)
{
    int position = -1;
    forEachAnchor(document, [&](const QTextFragment &fragment) {
        if (position < 0 && fragment.charFormat().anchorNames().contains(name))
            position = fragment.position();
    });
    return position;
}

HelpLibrary HelpLibrary::load(const QString &mainDocument)
{
    HelpLibrary library;
    const QString main = QFileInfo(mainDocument).absoluteFilePath();
    const QDir folder = QFileInfo(main).absoluteDir();

    QStringList order{main};
    QSet<QString> seen{main};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTextDocument document;
        const bool read = ReadDocument(order[i], document);
        if (read || i == 0)
            library.chapters_.append(makeChapter(order[i], document, read));

        QStringList next = read ? linkedDocuments(document, order[i]) : QStringList{};
        // Unlinked documents of the folder come after everything linked.
        if (i + 1 == order.size()) {
            for (const QFileInfo &file :
                 folder.entryInfoList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
                next << file.absoluteFilePath();
        }
        for (const QString &file : next) {
            const QFileInfo info(file);
            if (info.absoluteDir() == folder && info.isFile() && !seen.contains(file)) {
                seen.insert(file);
                order << file;
            }
        }
    }
    return library;
}

const HelpChapter *HelpLibrary::chapter(const QString &path) const
{
    for (const HelpChapter &chapter : chapters_) {
        if (chapter.path == path)
            return &chapter;
    }
    return nullptr;
}

} // namespace app::help
