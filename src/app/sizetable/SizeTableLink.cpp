#include "app/sizetable/SizeTableLink.h"

#include "numeric/NumberText.h"

#include <QTabWidget>

namespace app::sizetable {

SizeTableLink::SizeTableLink(SizeTableForm *table, QTabWidget *tabs)
    : QObject(table), table_(table), tabs_(tabs)
{
    connect(tabs_, &QTabWidget::currentChanged, this, &SizeTableLink::pageChanged);
    connect(table_, &SizeTableForm::sizeChosen, this, [this](const ui::SizeChoice &size) {
        if (following_ < followed_.size())
            followed_.at(following_).choose(size);
    });
}

void SizeTableLink::add(Followed followed)
{
    const qsizetype index = followed_.size();
    connect(followed.page, &ui::CalcPage::sizingChanged, this, [this, index] {
        if (following_ == index)
            showFollowed();
    });
    // The page in front when it is one of those followed, else the first.
    if (tabs_->currentWidget() == followed.page)
        following_ = index;
    followed_.append(std::move(followed));
    showFollowed();
}

void SizeTableLink::pageChanged()
{
    for (qsizetype i = 0; i < followed_.size(); ++i) {
        if (tabs_->currentWidget() == followed_.at(i).page) {
            following_ = i;
            showFollowed();
        }
    }
}

void SizeTableLink::showFollowed()
{
    table_->showSizing(followed_.at(following_).request());
}

QString SizeTableLink::typed(long double flow)
{
    return QString::fromStdString(numeric::FormatGeneral15(flow));
}

} // namespace app::sizetable
