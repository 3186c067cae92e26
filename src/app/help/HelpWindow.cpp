#include "app/help/HelpWindow.h"
#include "app/ui/Fonts.h"
#include "app/ui/WindowPlacement.h"

#include "app/help/HelpFindBar.h"
#include "app/help/HelpSearch.h"
#include "app/help/HelpStyle.h"
#include "app/help/HelpTexts.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace app::help {

namespace {

constexpr QSize DefaultSize(960, 700);
constexpr int ContentsWidth = 260;
constexpr int DocumentMargin = 14; // px between the frame and the text
constexpr int UrlRole = Qt::UserRole;
constexpr int TermRole = Qt::UserRole + 1;

// Body text for reading Japanese: the gothic at a size that reads at 100 %
// scaling (the window scales it with everything else at 200 %).
QFont readingFont(const QFont &font)
{
    return ui::ReadingFont(font, 11.0);
}

// The contents and the search results: the same face, a little smaller.
QFont listFont(const QFont &font)
{
    QFont list = readingFont(font);
    list.setPointSizeF(list.pointSizeF() - 1);
    return list;
}

// A pane beside the document (the contents, the search results), named for
// screen readers as its tab reads.
void AddPane(QTabWidget *panes, QWidget *pane, const QString &name)
{
    pane->setAccessibleName(name);
    pane->setFont(listFont(pane->font()));
    panes->addTab(pane, name);
}

QString pathOf(const QUrl &url)
{
    return QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath());
}

bool samePlace(const QUrl &a, const QUrl &b)
{
    return pathOf(a) == pathOf(b) && a.fragment() == b.fragment();
}

QList<QTextCursor> matchesIn(const QTextDocument *document, const QRegularExpression &pattern)
{
    QList<QTextCursor> matches;
    if (pattern.pattern().isEmpty())
        return matches;
    for (QTextCursor c = document->find(pattern, 0); !c.isNull() && c.hasSelection();
         c = document->find(pattern, c)) {
        matches << c;
    }
    return matches;
}

QAction *action(QWidget *owner, const char *name, const QString &text,
                const QList<QKeySequence> &keys)
{
    auto *a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(a);
    return a;
}

QToolButton *toolButton(QWidget *parent, QAction *action, QStyle::StandardPixmap icon)
{
    action->setIcon(parent->style()->standardIcon(icon));
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setObjectName(action->objectName());
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8(texts::WindowTitle));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QHBoxLayout *buttons = buildLayout();
    connectParts();
    buildNavigation(buttons);
    buildKeys();
    applyStyle();
    // The text gets the larger share of a small window.
    const QSize size = ui::FittedToScreen(this, DefaultSize);
    resize(size);
    const int contents = std::clamp(size.width() * 3 / 10, 140, ContentsWidth);
    splitter_->setSizes({contents, size.width() - contents});
}

QHBoxLayout *HelpWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    layout->addLayout(buttons);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("HelpSplitter"));
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    panes_ = new QTabWidget(splitter);
    panes_->setObjectName(QStringLiteral("HelpPanes"));
    contents_ = new QTreeWidget(panes_);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    AddPane(panes_, contents_, QString::fromUtf8(texts::Contents));
    results_ = new QListWidget(panes_);
    results_->setObjectName(QStringLiteral("HelpSearchResults"));
    results_->setWordWrap(true);
    results_->setAlternatingRowColors(true);
    AddPane(panes_, results_, QString::fromUtf8(texts::SearchResults));

    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(false);
    browser_->setFont(readingFont(browser_->font()));
    browser_->document()->setDocumentMargin(DocumentMargin);
    browser_->setAccessibleName(QStringLiteral("ヘルプ本文"));
    splitter->addWidget(panes_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter_ = splitter;

    findBar_ = new HelpFindBar(this);
    findBar_->hide();
    layout->addWidget(findBar_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("HelpStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->hide();
    layout->addWidget(status_);

    return buttons;
}

void HelpWindow::buildNavigation(QHBoxLayout *buttons)
{
    QAction *back = action(this, "HelpBack", QStringLiteral("戻る"), {QKeySequence::Back});
    QAction *forward = action(this, "HelpForward", QStringLiteral("進む"), {QKeySequence::Forward});
    QAction *home = action(this, "HelpHome", QStringLiteral("最初のページ"),
                           {QKeySequence(Qt::ALT | Qt::Key_Home)});
    back->setToolTip(QStringLiteral("戻る (Alt+←)"));
    forward->setToolTip(QStringLiteral("進む (Alt+→)"));
    home->setToolTip(QStringLiteral("最初のページ (Alt+Home)"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { go(QUrl::fromLocalFile(mainDocument_)); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    buttons->addWidget(toolButton(this, back, QStyle::SP_ArrowBack));
    buttons->addWidget(toolButton(this, forward, QStyle::SP_ArrowForward));
    buttons->addWidget(toolButton(this, home, QStyle::SP_DirHomeIcon));

    QAction *find = action(this, "HelpFind", QStringLiteral("検索"), {QKeySequence::Find});
    find->setToolTip(QStringLiteral("ページ内を検索 (Ctrl+F)"));
    connect(find, &QAction::triggered, findBar_, &HelpFindBar::open);
    buttons->addWidget(toolButton(this, find, QStyle::SP_FileDialogContentsView));
    buttons->addStretch(1);
}

void HelpWindow::connectParts()
{
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::sourceChanged);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item && !syncingContents_)
            go(item->data(0, UrlRole).toUrl());
    });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { go(item->data(0, UrlRole).toUrl()); });
    connect(results_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        if (item->data(UrlRole).isValid())
            openHit(item->data(UrlRole).toUrl());
    });
    connect(results_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (item->data(UrlRole).isValid())
            openHit(item->data(UrlRole).toUrl());
    });
    connect(findBar_, &HelpFindBar::termEdited, this, [this](const QString &term) {
        // Typing refines the match where it stands.
        QTextCursor c = browser_->textCursor();
        c.setPosition(c.selectionStart());
        browser_->setTextCursor(c);
        findInPage(term);
    });
    connect(findBar_, &HelpFindBar::findNext, this, [this](const QString &t) { findInPage(t); });
    connect(findBar_, &HelpFindBar::findPrevious, this,
            [this](const QString &t) { findInPage(t, true); });
    connect(findBar_, &HelpFindBar::findEverywhere, this,
            [this](const QString &t) { findEverywhere(t); });
    connect(findBar_, &HelpFindBar::closed, this, [this] {
        markMatches({});
        browser_->setFocus();
    });
}

void HelpWindow::buildKeys()
{
    QAction *next =
        action(this, "HelpFindNextKey", {}, QKeySequence::keyBindings(QKeySequence::FindNext));
    connect(next, &QAction::triggered, this, [this] {
        findBar_->show();
        findInPage(findBar_->term());
    });
    QAction *previous = action(this, "HelpFindPreviousKey", {},
                               QKeySequence::keyBindings(QKeySequence::FindPrevious));
    connect(previous, &QAction::triggered, this, [this] {
        findBar_->show();
        findInPage(findBar_->term(), true);
    });
    QAction *everywhere =
        action(this, "HelpFindEverywhereKey", {}, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)});
    connect(everywhere, &QAction::triggered, this, [this] {
        findBar_->open();
        if (!findBar_->term().trimmed().isEmpty())
            findEverywhere(findBar_->term());
    });

    QAction *zoomIn =
        action(this, "HelpZoomIn", {}, QKeySequence::keyBindings(QKeySequence::ZoomIn));
    connect(zoomIn, &QAction::triggered, browser_, [this] { browser_->zoomIn(1); });
    QAction *zoomOut =
        action(this, "HelpZoomOut", {}, QKeySequence::keyBindings(QKeySequence::ZoomOut));
    connect(zoomOut, &QAction::triggered, browser_, [this] { browser_->zoomOut(1); });
    QAction *zoomReset = action(this, "HelpZoomReset", {}, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(zoomReset, &QAction::triggered, this,
            [this] { browser_->setFont(readingFont(font())); });

    // Esc closes the find bar first, then the window.
    QAction *escape = action(this, "HelpEscape", {}, {QKeySequence(Qt::Key_Escape)});
    connect(escape, &QAction::triggered, this, [this] {
        if (findBar_->isVisible())
            findBar_->dismiss();
        else
            close();
    });
    QAction *close = action(this, "HelpClose", {}, QKeySequence::keyBindings(QKeySequence::Close));
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void HelpWindow::present(const QString &mainDocument)
{
    const QString main = QFileInfo(mainDocument).absoluteFilePath();
    if (!isVisible() || main != mainDocument_) {
        mainDocument_ = main;
        library_ = HelpLibrary::load(main);
        buildContents();
        go(QUrl::fromLocalFile(main));
        browser_->setFocus();
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HelpWindow::buildContents()
{
    const QSignalBlocker quiet(contents_);
    contents_->clear();
    for (const HelpChapter &chapter : library_.chapters()) {
        auto *top = new QTreeWidgetItem(contents_, {chapter.title});
        top->setData(0, UrlRole, chapter.url());
        top->setToolTip(0, chapter.title);
        QTreeWidgetItem *section = nullptr;
        for (const HelpSection &s : chapter.sections) {
            if (s.anchor.isEmpty() || s.level < 2 || s.level > 3)
                continue;
            QTreeWidgetItem *parent = s.level == 3 && section ? section : top;
            auto *item = new QTreeWidgetItem(parent, {s.title});
            item->setData(0, UrlRole, chapter.url(s.anchor));
            item->setToolTip(0, s.title);
            if (s.level == 2)
                section = item;
        }
    }
}

void HelpWindow::go(const QUrl &url)
{
    if (!url.isLocalFile()) {
        followLink(url);
        return;
    }
    if (!QFileInfo(url.toLocalFile()).isFile()) {
        showStatus(QStringLiteral("文書が見つかりません: %1")
                       .arg(QDir::toNativeSeparators(url.toLocalFile())));
        return;
    }
    showStatus({});
    if (samePlace(url, browser_->source())) {
        // The reader scrolled away from the place asked for again.
        if (url.hasFragment())
            browser_->scrollToAnchor(url.fragment());
        else
            browser_->verticalScrollBar()->setValue(0);
        return;
    }
    browser_->setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile()) {
        go(target);
        return;
    }
    if (openExternal_ && openExternal_(target)) {
        showStatus({});
        return;
    }
    showStatus(QStringLiteral("リンク先を開けませんでした: %1").arg(target.toDisplayString()));
}

void HelpWindow::sourceChanged(const QUrl &url)
{
    QTreeWidgetItem *best = nullptr;
    const QUrl document = url.adjusted(QUrl::RemoveFragment);
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QUrl itemUrl = (*it)->data(0, UrlRole).toUrl();
        if (samePlace(itemUrl, url)) {
            best = *it;
            break;
        }
        if (!best && samePlace(itemUrl, document))
            best = *it;
    }
    syncingContents_ = true;
    if (best) {
        contents_->setCurrentItem(best);
        QTreeWidgetItem *top = best;
        while (top->parent())
            top = top->parent();
        top->setExpanded(true);
        contents_->scrollToItem(best);
    } else {
        contents_->clearSelection();
    }
    syncingContents_ = false;
    if (findBar_->isVisible())
        markMatches(findBar_->term());
}

bool HelpWindow::findInPage(const QString &term, bool backward)
{
    const QRegularExpression pattern = FindPattern(term);
    markMatches(term);
    if (pattern.pattern().isEmpty()) {
        findBar_->setStatus({});
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = browser_->find(pattern, flags);
    if (!found) {
        // Wrap round to the other end of the page.
        QTextCursor c = browser_->textCursor();
        c.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        browser_->setTextCursor(c);
        found = browser_->find(pattern, flags);
    }
    if (!found) {
        findBar_->setStatus(QString::fromUtf8(texts::NotFound));
        return false;
    }
    const QList<QTextCursor> matches = matchesIn(browser_->document(), pattern);
    const int at = browser_->textCursor().selectionStart();
    const auto index = std::count_if(matches.begin(), matches.end(), [at](const QTextCursor &c) {
        return c.selectionStart() <= at;
    });
    findBar_->setStatus(QStringLiteral("%1 / %2 件").arg(index).arg(matches.size()));
    return true;
}

int HelpWindow::findEverywhere(const QString &term)
{
    const QList<HelpHit> hits = SearchLibrary(library_, term);
    results_->clear();
    for (const HelpHit &hit : hits) {
        QString place = hit.chapter;
        if (!hit.section.isEmpty() && hit.section != hit.chapter)
            place += QStringLiteral(" › ") + hit.section;
        auto *item = new QListWidgetItem(
            QStringLiteral("%1（%2 件）\n%3").arg(place).arg(hit.count).arg(hit.excerpt), results_);
        item->setData(UrlRole, hit.url);
        item->setData(TermRole, term);
        item->setToolTip(hit.excerpt);
    }
    if (hits.isEmpty() && !term.trimmed().isEmpty()) {
        auto *item = new QListWidgetItem(
            QStringLiteral("「%1」はどの章にもありません。").arg(term.trimmed()), results_);
        item->setFlags(Qt::ItemIsEnabled);
    }
    panes_->setCurrentWidget(results_);
    findBar_->setStatus(hits.isEmpty() ? QString::fromUtf8(texts::NotFound)
                                       : QStringLiteral("%1 節で見つかりました").arg(hits.size()));
    return static_cast<int>(hits.size());
}

void HelpWindow::openHit(const QUrl &url)
{
    go(url);
    const QListWidgetItem *item = results_->currentItem();
    const QString term = item ? item->data(TermRole).toString() : findBar_->term();
    const QRegularExpression pattern = FindPattern(term);
    if (pattern.pattern().isEmpty())
        return;
    // The first occurrence in the section, which begins at its heading.
    const int from =
        url.hasFragment() ? std::max(0, AnchorPosition(*browser_->document(), url.fragment())) : 0;
    const QTextCursor match = browser_->document()->find(pattern, from);
    if (!match.isNull()) {
        browser_->setTextCursor(match);
        browser_->ensureCursorVisible();
    }
    findBar_->setTerm(term);
    findBar_->show();
    markMatches(term);
}

void HelpWindow::markMatches(const QString &term)
{
    QList<QTextEdit::ExtraSelection> marks;
    const QColor mark = Mix(browser_->palette().color(QPalette::Base),
                            browser_->palette().color(QPalette::Highlight), 0.35);
    for (const QTextCursor &c : matchesIn(browser_->document(), FindPattern(term))) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = c;
        selection.format.setBackground(mark);
        marks << selection;
    }
    browser_->setExtraSelections(marks);
}

void HelpWindow::showStatus(const QString &text)
{
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void HelpWindow::applyStyle()
{
    browser_->document()->setDefaultStyleSheet(HelpStyleSheet(browser_->palette()));
}

void HelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && browser_) {
        applyStyle();
        if (browser_->source().isValid())
            browser_->reload();
    }
    QWidget::changeEvent(event);
}

} // namespace app::help
