#include "app/help/HelpFindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace app::help {

namespace {

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpFindBar::HelpFindBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HelpFindBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);

    auto *label = new QLabel(QStringLiteral("検索(&S):"), this);
    term_ = new QLineEdit(this);
    term_->setObjectName(QStringLiteral("HelpFindText"));
    term_->setPlaceholderText(QStringLiteral("ページ内の語句"));
    term_->setClearButtonEnabled(true);
    term_->installEventFilter(this);
    label->setBuddy(term_);

    QToolButton *previous = toolButton(this, "HelpFindPrevious", QStringLiteral("前へ"),
                                       QStringLiteral("前を検索 (Shift+F3、Shift+Enter)"));
    QToolButton *next = toolButton(this, "HelpFindNext", QStringLiteral("次へ"),
                                   QStringLiteral("次を検索 (F3、Enter)"));
    auto *everywhere = new QPushButton(QStringLiteral("すべての章から探す(&A)"), this);
    everywhere->setObjectName(QStringLiteral("HelpFindEverywhere"));
    everywhere->setToolTip(QStringLiteral("すべての章でこの語句を探し、見つかった節を一覧にします "
                                          "(Ctrl+Shift+F)"));
    everywhere->setAutoDefault(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("HelpFindStatus"));
    // A text, not the style's title-bar icon, which can vanish on a dark palette.
    QToolButton *close =
        toolButton(this, "HelpFindClose", QStringLiteral("×"), QStringLiteral("閉じる (Esc)"));

    layout->addWidget(label);
    layout->addWidget(term_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(everywhere);
    layout->addWidget(status_);
    layout->addWidget(close);

    connect(term_, &QLineEdit::textEdited, this, &HelpFindBar::termEdited);
    connect(previous, &QToolButton::clicked, this, [this] { emit findPrevious(term()); });
    connect(next, &QToolButton::clicked, this, [this] { emit findNext(term()); });
    connect(everywhere, &QPushButton::clicked, this, [this] { emit findEverywhere(term()); });
    connect(close, &QToolButton::clicked, this, &HelpFindBar::dismiss);
}

QString HelpFindBar::term() const
{
    return term_->text();
}

void HelpFindBar::setTerm(const QString &term)
{
    term_->setText(term);
}

void HelpFindBar::open()
{
    show();
    term_->setFocus(Qt::ShortcutFocusReason);
    term_->selectAll();
}

void HelpFindBar::dismiss()
{
    hide();
    emit closed();
}

void HelpFindBar::setStatus(const QString &status)
{
    status_->setText(status);
}

bool HelpFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == term_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                emit findPrevious(term());
            else
                emit findNext(term());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app::help
