#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace app::help {

// The help window's find bar: the word, the next and previous occurrence in
// the page, and a search of every chapter. It only asks; the window finds.
class HelpFindBar : public QWidget
{
    Q_OBJECT

public:
    explicit HelpFindBar(QWidget *parent = nullptr);

    QString term() const;
    void setTerm(const QString &term);
    // Shows the bar with the word selected and the keyboard focus in it.
    void open();
    // Hides the bar and says so (closed).
    void dismiss();
    // What the last search found, beside the word.
    void setStatus(const QString &status);

signals:
    // The word was typed or changed: find it from where the last match began.
    void termEdited(const QString &term);
    void findNext(const QString &term);
    void findPrevious(const QString &term);
    void findEverywhere(const QString &term);
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *term_ = {};
    QLabel *status_ = {};
};

} // namespace app::help
