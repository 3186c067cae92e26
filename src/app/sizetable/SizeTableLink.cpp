#include "app/sizetable/SizeTableLink.h"

#include "app/sizetable/SizeTableForm.h"
#include "flow/DuctPage.h"
#include "numeric/NumberText.h"
#include "pipe/PipePage.h"

#include <QTabWidget>

namespace app::sizetable {

namespace {

// A flow as the user would type it into the loss section.
QString typed(long double value)
{
    return QString::fromStdString(numeric::FormatGeneral15(value));
}

template <typename Page> SizingState stateOf(const Page &page, bool inputsRead)
{
    if (!page.hasSized())
        return SizingState::None;
    return inputsRead ? SizingState::Done : SizingState::Failed;
}

} // namespace

SizeTableLink::SizeTableLink(SizeTableForm *table, QTabWidget *pages, flow::DuctPage *duct,
                             pipes::PipePage *pipe)
    : QObject(table), table_(table), pages_(pages), duct_(duct), pipe_(pipe)
{
    connect(pages_, &QTabWidget::currentChanged, this, &SizeTableLink::pageChanged);
    connect(duct_, &flow::DuctPage::sizingChanged, this, [this] {
        if (!followsPipe_)
            showDuct();
    });
    connect(pipe_, &pipes::PipePage::sizingChanged, this, [this] {
        if (followsPipe_)
            showPipe();
    });
    connect(table_, &SizeTableForm::ductRoundChosen, this, [this](const QString &diameter) {
        if (const auto in = duct_->sizingInputsNow())
            duct_->computeLossOfDiameter(typed(in->flow), diameter);
    });
    connect(table_, &SizeTableForm::ductRectangleChosen, this,
            [this](const QString &sideA, const QString &sideB) {
                if (const auto in = duct_->sizingInputsNow())
                    duct_->computeLossOf(typed(in->flow), sideA, sideB);
            });
    connect(table_, &SizeTableForm::pipeSizeChosen, this, [this](int sizeIndex) {
        if (const auto in = pipe_->sizingInputsNow())
            pipe_->computeLossOfSize(typed(in->flow), sizeIndex);
    });
    // The pipe page when it is the one in front, else the duct page.
    followsPipe_ = pages_->currentWidget() == pipe_;
    followsPipe_ ? showPipe() : showDuct();
}

void SizeTableLink::pageChanged()
{
    if (pages_->currentWidget() == duct_) {
        followsPipe_ = false;
        showDuct();
    } else if (pages_->currentWidget() == pipe_) {
        followsPipe_ = true;
        showPipe();
    }
}

void SizeTableLink::showDuct()
{
    DuctTableRequest request;
    const auto inputs = duct_->sizingInputsNow();
    request.state = stateOf(*duct_, inputs.has_value());
    if (inputs)
        request.inputs = *inputs;
    request.basis = duct_->velocityBasis() ? flow::SizingBasis::Velocity : flow::SizingBasis::Loss;
    request.conventionalUnits = duct_->conventionalUnits();
    request.material = duct_->materialName();
    table_->showDuct(request);
}

void SizeTableLink::showPipe()
{
    PipeTableRequest request;
    const auto inputs = pipe_->sizingInputsNow();
    request.state = stateOf(*pipe_, inputs.has_value());
    if (inputs)
        request.inputs = *inputs;
    request.basis = pipe_->velocityBasis() ? flow::SizingBasis::Velocity : flow::SizingBasis::Loss;
    request.conventionalUnits = pipe_->conventionalUnits();
    request.material = pipe_->materialName();
    request.temperature = pipe_->temperatureName();
    table_->showPipe(request);
}

} // namespace app::sizetable
