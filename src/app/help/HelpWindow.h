#pragma once

#include "app/help/HelpLibrary.h"

#include <QUrl>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QSplitter;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace app::help {

class HelpFindBar;

// The help window (texts::WindowTitle): the help documents in the program's own text
// browser, so that the help reads the same on every machine, with or
// without a web browser. Contents built from the documents' headings, back
// and forward (Alt+Left, Alt+Right), find in the page (Ctrl+F, F3) and in
// every chapter (Ctrl+Shift+F). Non-modal; the main window creates it once
// and presents it again when asked.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    using ExternalOpener = std::function<bool(const QUrl &url)>;

    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the help whose front page is `mainDocument`. A window that is
    // not on screen reads the documents afresh and opens at the front page;
    // one on screen stays where the reader is and is only raised.
    void present(const QString &mainDocument);

    // Links that leave the help (http:, mailto:) go to the desktop through
    // this.
    void setExternalOpener(ExternalOpener opener) { openExternal_ = std::move(opener); }

    // Goes to a document of the help, at its #fragment if it has one.
    void go(const QUrl &url);
    // The next (or previous) occurrence of the word in the page, from the
    // current match, wrapping at the end; false when the page has none.
    bool findInPage(const QString &term, bool backward = false);
    // Lists every section of every chapter where the word occurs; the count.
    int findEverywhere(const QString &term);

    QTextBrowser *browser() const { return browser_; }
    const HelpLibrary &library() const { return library_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QHBoxLayout *buildLayout();
    void connectParts();
    // Back, forward, the front page and find: buttons and keys.
    void buildNavigation(QHBoxLayout *buttons);
    // The keys without a button: find next and previous, zoom, close.
    void buildKeys();
    void buildContents();
    void applyStyle();
    void followLink(const QUrl &link);
    void sourceChanged(const QUrl &url);
    void openHit(const QUrl &url);
    void markMatches(const QString &term);
    void showStatus(const QString &text);

    QString mainDocument_;
    HelpLibrary library_;
    ExternalOpener openExternal_;
    bool syncingContents_ = false;

    QSplitter *splitter_ = {};
    QTabWidget *panes_ = {};
    QTreeWidget *contents_ = {};
    QListWidget *results_ = {};
    QTextBrowser *browser_ = {};
    HelpFindBar *findBar_ = {};
    QLabel *status_ = {};
};

} // namespace app::help
