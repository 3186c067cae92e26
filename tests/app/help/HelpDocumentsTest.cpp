// The help documents as shipped: every link reaches its target, every
// section can be gone to, the look is left to the window, and the window's
// colours read on every palette. And where the help is looked for.
#include "app/help/HelpLibrary.h"
#include "app/help/HelpLocation.h"
#include "app/help/HelpStyle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using namespace app::help;

QStringList documentNames(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString sourceFolder()
{
    return QStringLiteral(ZEFRA_HELP_SOURCES);
}

QString readText(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Beside the test program as beside the program: all of them, as they are.
TEST(HelpDocuments, EveryDocumentIsCopiedBesideTheProgram)
{
    const QString copies = QCoreApplication::applicationDirPath() + QStringLiteral("/help");
    const QStringList names = documentNames(sourceFolder());
    EXPECT_GE(names.size(), 12);
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(readText(copies + QLatin1Char('/') + name) ==
                    readText(sourceFolder() + QLatin1Char('/') + name))
            << "the copy is not the document";
    }
}

TEST(HelpDocuments, EveryLinkReachesItsTarget)
{
    const QString folder = sourceFolder();
    QMap<QString, QStringList> anchors; // document → names a #fragment can reach
    for (const QString &name : documentNames(folder)) {
        QTextDocument document;
        ASSERT_TRUE(ReadDocument(folder + QLatin1Char('/') + name, document));
        anchors.insert(name, AnchorNames(document));
    }
    for (const QString &name : anchors.keys()) {
        QTextDocument document;
        ReadDocument(folder + QLatin1Char('/') + name, document);
        for (const QString &target : LinkTargets(document)) {
            SCOPED_TRACE((name + QStringLiteral(" → ") + target).toStdString());
            const QUrl url(target);
            if (!url.scheme().isEmpty()) {
                EXPECT_TRUE(url.scheme() == QLatin1String("https") ||
                            url.scheme() == QLatin1String("mailto"));
                continue;
            }
            // Help links stay in the folder: a file name and perhaps a #fragment.
            const QString file = url.path().isEmpty() ? name : url.path();
            ASSERT_TRUE(anchors.contains(file)) << "no such document";
            if (url.hasFragment()) {
                EXPECT_TRUE(anchors[file].contains(url.fragment())) << "no such place";
            }
        }
    }
}

// The contents lists sections by their ids, and the window lays its own look
// over the documents.
TEST(HelpDocuments, EveryHeadingHasAnIdAndNoDocumentSetsItsLook)
{
    const QString folder = sourceFolder();
    const QRegularExpression look(QStringLiteral("<style|style=|<font|color|background"),
                                  QRegularExpression::CaseInsensitiveOption);
    for (const QString &name : documentNames(folder)) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder + QLatin1Char('/') + name;
        const QString text = readText(path);
        EXPECT_FALSE(look.match(text).hasMatch()) << look.match(text).captured().toStdString();
        QTextDocument document;
        ReadDocument(path, document);
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty());
        int titles = 0;
        QStringList ids;
        for (const HelpSection &section : Sections(document)) {
            if (section.level == 0)
                continue;
            titles += section.level == 1;
            EXPECT_FALSE(section.anchor.isEmpty()) << section.title.toStdString();
            EXPECT_FALSE(ids.contains(section.anchor)) << section.anchor.toStdString();
            ids << section.anchor;
        }
        EXPECT_EQ(titles, 1);
    }
}

// Each document can be reached from the front page's chapter table, so the
// reader of any browser finds it too.
TEST(HelpDocuments, TheFrontPageLinksEveryChapter)
{
    QTextDocument front;
    ASSERT_TRUE(ReadDocument(sourceFolder() + QStringLiteral("/Zefra.html"), front));
    QSet<QString> linked;
    for (const QString &target : LinkTargets(front))
        linked.insert(QUrl(target).path());
    for (const QString &name : documentNames(sourceFolder())) {
        if (name != QLatin1String("Zefra.html")) {
            EXPECT_TRUE(linked.contains(name)) << name.toStdString();
        }
    }
}

// Every text colour of the style sheet reads on its background (WCAG AA,
// 4.5:1), also where the palette's own link or highlight colour would not.
TEST(HelpStyle, ColoursReadOnEveryPalette)
{
    const struct
    {
        const char *name;
        QColor base, text, highlight, link;
    } palettes[] = {
        {"light", Qt::white, Qt::black, QColor(48, 140, 198), QColor(0, 0, 255)},
        {"dark", QColor(35, 35, 35), Qt::white, QColor(42, 130, 218), QColor(42, 130, 218)},
        {"dark, light-palette link", QColor(30, 30, 30), QColor(220, 220, 220), QColor(0, 0, 160),
         QColor(0, 0, 255)},
        {"light, pale highlight", QColor(250, 250, 250), QColor(20, 20, 20), QColor(255, 230, 120),
         QColor(120, 170, 255)},
    };
    const QRegularExpression colour(QStringLiteral("(?<![-\\w])color: (#[0-9a-f]{6})"));
    for (const auto &p : palettes) {
        SCOPED_TRACE(p.name);
        QPalette palette;
        palette.setColor(QPalette::Base, p.base);
        palette.setColor(QPalette::Text, p.text);
        palette.setColor(QPalette::Highlight, p.highlight);
        palette.setColor(QPalette::Link, p.link);
        const QString sheet = HelpStyleSheet(palette);
        int checked = 0;
        for (auto it = colour.globalMatch(sheet); it.hasNext(); ++checked) {
            const QColor c(it.next().captured(1));
            EXPECT_GE(ContrastRatio(c, p.base), 4.5) << c.name().toStdString();
        }
        EXPECT_GE(checked, 4); // h1, h2, h3, a
    }
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
}

TEST(HelpLocation, BesideTheProgramThenInstalled)
{
    EXPECT_EQ(
        HelpDocumentCandidates(QStringLiteral("/opt/zefra/bin"), QStringLiteral("Zefra.hlp")),
        (QStringList{"/opt/zefra/bin/help/Zefra.html", "/opt/zefra/share/zefra/help/Zefra.html"}));
    EXPECT_EQ(HelpDocumentCandidates(QStringLiteral("/x/build/src/"), QStringLiteral("Other.hlp"))
                  .first(),
              QStringLiteral("/x/build/src/help/Other.html"));
    // No known program folder: the installed copies only.
    for (const QString &candidate : HelpDocumentCandidates({}, QStringLiteral("Zefra.hlp")))
        EXPECT_TRUE(candidate.endsWith(QStringLiteral("/zefra/help/Zefra.html")));
    EXPECT_EQ(MissingHelpText({}),
              QStringLiteral("ヘルプを開けませんでした。\n\nヘルプ文書を探す場所がわかりません。"));
}

} // namespace
