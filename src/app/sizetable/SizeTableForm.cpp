#include "app/sizetable/SizeTableForm.h"
#include "app/ui/TableFace.h"
#include "app/ui/WindowGeometry.h"
#include "app/ui/WindowPlacement.h"

#include "app/sizetable/SizeTableModel.h"
#include "app/sizetable/SizeTableTexts.h"
#include "app/sizetable/TableContent.h"
#include "app/ui/UiTexts.h"

#include <QAction>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace app::sizetable {

namespace {

constexpr QSize DefaultSize(780, 520);

// The [SizeTable] section stands after [Record].
constexpr int FirstRank = 3000;

// The limits as the spin boxes edit them, in tenths.
constexpr int AspectTenthsMin = 10;
constexpr int AspectTenthsMax = 200;
constexpr int VelocityTenthsMin = 1;
constexpr int VelocityTenthsMax = 200;

int tenths(const QDoubleSpinBox *box)
{
    return static_cast<int>(std::lround(box->value() * 10));
}

QDoubleSpinBox *limitBox(QWidget *parent, const char *name, int minTenths, int maxTenths,
                         int defaultTenths, double step)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(1);
    box->setRange(minTenths / 10.0, maxTenths / 10.0);
    box->setSingleStep(step);
    box->setValue(defaultTenths / 10.0);
    return box;
}

// A row of a caption, a spin box and its unit.
QWidget *limitRow(QWidget *parent, const QString &caption, QDoubleSpinBox *box, const QString &unit)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(caption, row);
    label->setBuddy(box);
    layout->addWidget(label);
    box->setParent(row);
    layout->addWidget(box);
    if (!unit.isEmpty())
        layout->addWidget(new QLabel(unit, row));
    return row;
}

} // namespace

SizeTableForm::SizeTableForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SizeTableForm"));
    setWindowTitle(QString::fromUtf8(texts::WindowTitle));
    buildLayout();
    resize(ui::FittedToScreen(this, DefaultSize));
    geometry_ = new ui::WindowGeometry(this, "SizeTable", FirstRank);
    model_->setContent(DuctContent({}));
    message_->setText(model_->content().message);
}

void SizeTableForm::buildLayout()
{
    auto *layout = new QVBoxLayout(this);

    inputs_ = new QLabel(this);
    inputs_->setObjectName(QStringLiteral("SizeTableInputs"));
    inputs_->setTextFormat(Qt::PlainText);
    inputs_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    inputs_->setFont(ui::TableFont()); // the numbers the table was computed from
    layout->addWidget(inputs_);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("SizeTableMessage"));
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    layout->addWidget(message_);

    model_ = new SizeTableModel(this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("SizeTable"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->verticalHeader()->hide();
    ui::UseTableFace(view_);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setSortIndicatorClearable(true);
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->setSortingEnabled(true);
    view_->installEventFilter(this);
    layout->addWidget(view_, 1);
    connect(view_, &QTableView::doubleClicked, this, &SizeTableForm::choose);

    auto *copy = new QAction(QString::fromUtf8(ui::texts::Copy), view_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &SizeTableForm::copyRows);
    view_->addAction(copy);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    auto *bottom = new QHBoxLayout;
    aspectLimit_ = limitBox(this, "AspectLimit", AspectTenthsMin, AspectTenthsMax,
                            SizeTableModel::DefaultAspectLimitTenths, 0.5);
    aspectBox_ = limitRow(this, QStringLiteral("縦横比の上限(&A)"), aspectLimit_, {});
    aspectLimit_->setToolTip(QStringLiteral("縦横比がこれを超える矩形を灰色にします"));
    velocityLimit_ = limitBox(this, "VelocityLimit", VelocityTenthsMin, VelocityTenthsMax,
                              SizeTableModel::DefaultVelocityLimitTenths, 0.1);
    velocityBox_ =
        limitRow(this, QStringLiteral("流速の上限(&V)"), velocityLimit_, QStringLiteral("m/s"));
    velocityLimit_->setToolTip(QStringLiteral("流速がこれを超える呼び径に「超過」を付けます"));
    bottom->addWidget(aspectBox_);
    bottom->addWidget(velocityBox_);
    bottom->addStretch(1);
    auto *hint = new QLabel(
        QStringLiteral("ダブルクリックか Enter で圧力損失計算へ　Ctrl+C でコピー"), this);
    hint->setEnabled(false);
    bottom->addWidget(hint);
    layout->addLayout(bottom);
    velocityBox_->hide();

    connect(aspectLimit_, &QDoubleSpinBox::valueChanged, this,
            [this] { model_->setAspectLimitTenths(tenths(aspectLimit_)); });
    connect(velocityLimit_, &QDoubleSpinBox::valueChanged, this,
            [this] { model_->setVelocityLimitTenths(tenths(velocityLimit_)); });
}

void SizeTableForm::showSizing(const Request &request)
{
    request_ = request;
    stale_ = true;
    if (isVisible())
        refresh();
}

void SizeTableForm::showEvent(QShowEvent *event)
{
    if (stale_)
        refresh();
    QWidget::showEvent(event);
}

void SizeTableForm::refresh()
{
    stale_ = false;
    const bool pipe = std::holds_alternative<PipeTableRequest>(request_);
    // A column of the other page's table means something else.
    if (pipe != showsPipe_)
        view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    showsPipe_ = pipe;
    if (pipe)
        model_->setContent(PipeContent(std::get<PipeTableRequest>(request_)));
    else if (const auto *duct = std::get_if<DuctTableRequest>(&request_))
        model_->setContent(DuctContent(*duct));
    else
        model_->setContent(DuctContent({}));

    const TableContent &c = model_->content();
    inputs_->setText(c.inputs);
    inputs_->setVisible(!c.inputs.isEmpty());
    message_->setText(c.warning ? QStringLiteral("注意：") + c.message : c.message);
    message_->setVisible(!c.message.isEmpty());
    aspectBox_->setVisible(!pipe);
    velocityBox_->setVisible(pipe);
    view_->resizeColumnsToContents();

    // Enter acts on the chosen row at once; nothing is selected, so that
    // Ctrl+C still copies the whole table.
    view_->clearSelection();
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (model_->rowAt(row).chosen) {
            const QModelIndex chosen = model_->index(row, 0);
            view_->selectionModel()->setCurrentIndex(chosen, QItemSelectionModel::NoUpdate);
            view_->scrollTo(chosen, QAbstractItemView::PositionAtCenter);
            break;
        }
    }
}

bool SizeTableForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(view_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SizeTableForm::choose(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    // A copy: the page the choice goes to may recompute the table meanwhile.
    const SizeChoice chosen = model_->rowAt(index.row()).choice;
    emit sizeChosen(chosen);
}

QString SizeTableForm::copyText() const
{
    std::vector<int> rows;
    for (const QModelIndex &i : view_->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) {
        for (int row = 0; row < model_->rowCount(); ++row)
            rows.push_back(row);
    }
    return model_->tabSeparated(rows);
}

void SizeTableForm::copyRows()
{
    QGuiApplication::clipboard()->setText(copyText());
}

std::vector<settings::Setting> SizeTableForm::settingsKeys()
{
    std::vector<settings::Setting> keys = geometry_->keys();
    const auto limit = [&keys](const char *name, int rank, QDoubleSpinBox *box, int low, int high,
                               int fallback) {
        keys.push_back(settings::IntegerSetting(
            {"SizeTable", name, settings::Rank(FirstRank + rank)}, {low, high}, fallback,
            [box](int kept) { box->setValue(kept / 10.0); }, [box] { return tenths(box); }));
    };
    limit("AspectLimitTenths", 10, aspectLimit_, AspectTenthsMin, AspectTenthsMax,
          SizeTableModel::DefaultAspectLimitTenths);
    limit("VelocityLimitTenths", 11, velocityLimit_, VelocityTenthsMin, VelocityTenthsMax,
          SizeTableModel::DefaultVelocityLimitTenths);
    return keys;
}

} // namespace app::sizetable
