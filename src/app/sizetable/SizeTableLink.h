#pragma once

#include "app/sizetable/SizeTableForm.h"
#include "app/sizetable/SizeTableRequest.h"
#include "app/ui/CalcPage.h"
#include "app/ui/SizingSource.h"

#include <QList>
#include <QObject>

#include <functional>

class QTabWidget;

namespace app::sizetable {

// Keeps the size table on the page it follows: of the pages whose sizing it
// lists, the one shown last (the first one until another is shown). The
// table is recomputed after every sizing there and whenever an input of the
// sizing changes; a row chosen in the table goes into that page's loss
// section and is computed there.
class SizeTableLink : public QObject
{
    Q_OBJECT

public:
    SizeTableLink(SizeTableForm *table, QTabWidget *tabs);

    // Lists the sizing of `page`, which `source` is.
    template <typename Inputs> void follow(ui::CalcPage *page, ui::SizingSource<Inputs> &source);

private:
    struct Followed
    {
        ui::CalcPage *page;
        std::function<SizeTableForm::Request()> request;
        std::function<void(const ui::SizeChoice &)> choose;
    };

    void add(Followed followed);
    void pageChanged();
    void showFollowed();
    // A flow as the user would type it into the loss section.
    static QString typed(long double flow);

    SizeTableForm *table_;
    QTabWidget *tabs_;
    QList<Followed> followed_;
    qsizetype following_ = 0;
};

template <typename Inputs>
void SizeTableLink::follow(ui::CalcPage *page, ui::SizingSource<Inputs> &source)
{
    const auto request = [&source] {
        const auto sizing = source.lastSizing();
        TableRequest<Inputs> r;
        if (sizing.sized)
            r.state = sizing.inputs ? SizingState::Done : SizingState::Failed;
        if (sizing.inputs)
            r.inputs = *sizing.inputs;
        r.basis = sizing.velocityBasis ? flow::SizingBasis::Velocity : flow::SizingBasis::Loss;
        r.conventionalUnits = sizing.conventionalUnits;
        r.material = sizing.material;
        r.temperature = sizing.temperature;
        return SizeTableForm::Request(r);
    };
    const auto choose = [&source](const ui::SizeChoice &size) {
        if (const auto inputs = source.lastSizing().inputs)
            source.computeLossOf(size, typed(inputs->flow));
    };
    add({page, request, choose});
}

} // namespace app::sizetable
