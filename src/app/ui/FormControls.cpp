#include "app/ui/FormControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QRadioButton>

#include <limits>

namespace app::ui {

namespace {

// An entry field that shows a program-written text from its first
// character also when Tab brings the focus: Qt selects the whole text then
// and scrolls to its end, so a long result ("457.012459777829" in a narrow
// field) would show only its last digits. The whole text stays selected,
// for copying; only the end the cursor stands at changes.
class EntryField : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        const qsizetype length = text().size();
        if (isReadOnly() && length > 0 && selectedText().size() == length)
            setSelection(static_cast<int>(length), -static_cast<int>(length));
    }
};

template <typename W> W *place(W *w, const char *name, int x, int y)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    w->setFont(ControlFont(13));
    w->move(x, y);
    return w;
}

} // namespace

QLabel *Label(QWidget *parent, const QString &text, int x, int y, const char *name)
{
    auto *label = place(new QLabel(text, parent), name, x, y);
    label->adjustSize();
    return label;
}

QLabel *BoldLabel(QWidget *parent, const QString &text, int x, int y, int pixelSize,
                  const char *name)
{
    auto *label = place(new QLabel(text, parent), name, x, y);
    label->setFont(ControlFont(pixelSize, true));
    label->adjustSize();
    return label;
}

QLineEdit *Edit(QWidget *parent, const char *name, int x, int y, int width, const QString &hint,
                const QString &text)
{
    auto *edit = place(new EntryField(parent), name, x, y);
    // Qt cuts every text beyond 32,767 characters, set or pasted, without a
    // word; a field must keep whatever the user typed or pasted (a pasted sum
    // of 20,000 terms), so the limit is the largest Qt takes. Before the text,
    // which the default limit would already cut.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(text);
    edit->resize(width, EditHeight);
    edit->setToolTip(hint);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setCursorPosition(0);
    return edit;
}

QLineEdit *Result(QWidget *parent, const char *name, int x, int y, int width, bool tabStop,
                  const QString &hint)
{
    auto *edit = Edit(parent, name, x, y, width, hint);
    SetReadOnlyLook(edit, true);
    edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

QRadioButton *Radio(QWidget *parent, const char *name, const QString &text, int x, int y,
                    bool checked)
{
    auto *radio = place(new QRadioButton(text, parent), name, x, y);
    radio->setChecked(checked);
    radio->adjustSize();
    return radio;
}

QCheckBox *Check(QWidget *parent, const char *name, const QString &text, int x, int y,
                 const QString &hint)
{
    auto *check = place(new QCheckBox(text, parent), name, x, y);
    check->setToolTip(hint);
    check->adjustSize();
    return check;
}

QComboBox *List(QWidget *parent, const char *name, int x, int y, int width,
                const QStringList &items, const QString &hint)
{
    auto *list = place(new QComboBox(parent), name, x, y);
    list->addItems(items);
    list->setToolTip(hint);
    list->setFocusPolicy(Qt::StrongFocus);
    list->resize(width, EditHeight);
    // The popup is as wide as its longest item, so long material names stay whole.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 8);
    return list;
}

QStringList Items(std::span<const std::string_view> texts)
{
    QStringList items;
    for (std::string_view text : texts)
        items.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return items;
}

void SetCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

void SetReadOnlyLook(QLineEdit *edit, bool readOnly)
{
    edit->setReadOnly(readOnly);
    if (readOnly)
        edit->setCursor(Qt::ForbiddenCursor);
    else
        edit->setCursor(Qt::IBeamCursor);
}

void SetFieldColour(QLineEdit *edit, bool windowColour)
{
    const QPalette standard = QApplication::palette(edit);
    QPalette palette = edit->palette();
    palette.setColor(
        QPalette::Base,
        standard.color(QPalette::Active, windowColour ? QPalette::Base : QPalette::Button));
    edit->setPalette(palette);
}

} // namespace app::ui
