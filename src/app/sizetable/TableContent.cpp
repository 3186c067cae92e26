#include "app/sizetable/TableContent.h"

#include "app/ui/UiTexts.h"
#include "flow/DuctTexts.h"
#include "flow/SizeTable.h"
#include "numeric/Medium.h"
#include "numeric/NumberText.h"
#include "numeric/ShownValue.h"
#include "pipe/PipeTexts.h"
#include "pipe/SizeTable.h"

#include <QStringList>

#include <exception>

namespace app::sizetable {

namespace {

namespace uitexts = ui::texts;

const QString Gap = QStringLiteral("　");

// The columns both tables begin and end with: the page's choice, and the
// target the size misses.
const QString ChosenColumn = QStringLiteral("選択");
const QString TargetColumn = QString::fromUtf8(ui::texts::Target);

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// "caption value": how the line of the inputs names each.
QString named(const char *caption, const QString &value)
{
    return utf8(caption) + QLatin1Char(' ') + value;
}

QString text(const numeric::ShownValue &v)
{
    return QString::fromStdString(v.text());
}

Cell number(const numeric::ShownValue &v)
{
    return {text(v), v.value};
}

// A length in mm as a printed sheet gives it, with one decimal: the pages
// write a rectangle's equivalent diameter with fifteen digits.
Cell length(const numeric::ShownValue &v)
{
    return {QString::fromStdString(numeric::FormatFixed(v.value, 1)), v.value};
}

// A side in mm: the table's sides are whole millimetres and stay so; a side
// typed with more decimals shows one.
Cell side(const numeric::ShownValue &v)
{
    QString shown = QString::fromStdString(numeric::FormatFixed(v.value, 1));
    if (shown.endsWith(QLatin1String(".0")))
        shown.chop(2);
    return {shown, v.value};
}

// An input as the page read it, in full.
QString input(long double value)
{
    return QString::fromStdString(numeric::FormatGeneral15(value));
}

QString lossUnit(bool conventionalUnits)
{
    return conventionalUnits ? QStringLiteral("mmAq/m") : QStringLiteral("Pa/m");
}

QString targetText(flow::SizingBasis basis, const char *velocityCaption, long double target,
                   bool conventionalUnits)
{
    if (basis == flow::SizingBasis::Velocity)
        return named(velocityCaption, input(target)) + QStringLiteral(" m/s");
    return named(uitexts::TargetLoss, input(target)) + QLatin1Char(' ') +
           lossUnit(conventionalUnits);
}

QString basisText(flow::SizingBasis basis, const char *velocityBasis)
{
    return utf8(basis == flow::SizingBasis::Loss ? uitexts::LossBasis : velocityBasis);
}

// The roughness and density the sizing took.
QString fluidText(long double roughness, long double density)
{
    return named(uitexts::Roughness, input(roughness)) + QStringLiteral(" mm") + Gap +
           named(uitexts::Density, input(density)) + QStringLiteral(" kg/m3");
}

// The material in the line of the inputs.
const QString MaterialCaption = QString::fromUtf8(pipes::texts::Material);

// The list items carry trailing blanks for the list's width.
QString item(const QString &caption, const QString &listItem, const QString &unit = {})
{
    const QString trimmed = listItem.trimmed();
    if (trimmed.isEmpty())
        return {};
    return caption + QLatin1Char(' ') + trimmed + unit + Gap;
}

void setState(TableContent &c, SizingState state, const QString &page)
{
    if (state == SizingState::None)
        c.message = QStringLiteral("まだ寸法計算をしていません。") + page +
                    QStringLiteral("の寸法計算をすると、ここにサイズの一覧が出ます。");
    else
        c.message = QStringLiteral("最後の寸法計算ができませんでした。数値を確認してください。");
}

std::vector<Column> ductColumns(bool conventionalUnits)
{
    return {
        {ChosenColumn, ColumnKind::Mark},
        {utf8(uitexts::Shape), ColumnKind::Text},
        {QStringLiteral("a (mm)"), ColumnKind::Number},
        {QStringLiteral("b (mm)"), ColumnKind::Number},
        {QStringLiteral("縦横比"), ColumnKind::Number},
        {QStringLiteral("直径・相当径 (mm)"), ColumnKind::Number},
        {QStringLiteral("風速 (m/s)"), ColumnKind::Number},
        {QStringLiteral("圧力損失 (") + lossUnit(conventionalUnits) + QLatin1Char(')'),
         ColumnKind::Number},
        {TargetColumn, ColumnKind::TargetFlag},
    };
}

std::vector<Column> pipeColumns(bool conventionalUnits)
{
    return {
        {ChosenColumn, ColumnKind::Mark},
        {QStringLiteral("呼び径 (A)"), ColumnKind::Number},
        {QStringLiteral("内径 (mm)"), ColumnKind::Number},
        {QStringLiteral("流速 (m/s)"), ColumnKind::Number},
        {QStringLiteral("摩擦抵抗損失 (") + lossUnit(conventionalUnits) + QLatin1Char(')'),
         ColumnKind::Number},
        {TargetColumn, ColumnKind::TargetFlag},
        {QStringLiteral("流速上限"), ColumnKind::VelocityFlag},
    };
}

TableRow ductRow(const flow::DuctTableRow &r)
{
    TableRow row;
    row.chosen = r.chosen;
    row.missesTarget = !r.meetsTarget;
    const QString sizeA = QString::fromStdString(
        numeric::FormatGeneral15(r.round ? r.diameter.value : r.sideA->value));
    if (r.round) {
        row.cells = {{}, {utf8(uitexts::Round), 0}, {}, {}, {}};
        row.choice = {SizeChoice::Kind::Round, sizeA, {}, -1};
    } else {
        row.cells = {
            {},
            {utf8(uitexts::Rectangle), 1},
            side(*r.sideA),
            side(*r.sideB),
            {QString::fromStdString(r.aspectRatio), static_cast<long double>(r.aspectTenths)}};
        row.aspectTenths = r.aspectTenths;
        row.choice = {SizeChoice::Kind::Rectangle, sizeA,
                      QString::fromStdString(numeric::FormatGeneral15(r.sideB->value)), -1};
    }
    row.cells.push_back(length(r.diameter));
    row.cells.push_back(number(r.velocity));
    row.cells.push_back(number(r.loss));
    row.cells.push_back({});
    return row;
}

QString ductInputs(const DuctTableRequest &request)
{
    const flow::DuctSizingInputs &in = request.inputs;
    QString shape = utf8(in.round ? uitexts::Round : uitexts::Rectangle);
    if (!in.round && in.fixedSide)
        shape += QStringLiteral("・一辺固定 ") + input(*in.fixedSide) + QStringLiteral(" mm");
    const QString first = QStringLiteral("ダクト（") + shape + QStringLiteral("）") + Gap +
                          basisText(request.basis, uitexts::AirVelocityBasis) + Gap +
                          named(numeric::AirFlowName, input(in.flow)) + QStringLiteral(" m3/h") +
                          Gap +
                          targetText(request.basis, flow::texts::TargetVelocity, in.target,
                                     request.conventionalUnits);
    const QString second =
        item(MaterialCaption, request.material) + fluidText(in.roughness, in.density);
    return first + QLatin1Char('\n') + second;
}

QString pipeInputs(const PipeTableRequest &request)
{
    const pipes::PipeSizingInputs &in = request.inputs;
    const QString first =
        QStringLiteral("配管（水）") + Gap + basisText(request.basis, uitexts::WaterVelocityBasis) +
        Gap + named(numeric::WaterFlowName, input(in.flow)) + QStringLiteral(" L/min") + Gap +
        targetText(request.basis, pipes::texts::TargetVelocity, in.target,
                   request.conventionalUnits);
    const QString second = item(MaterialCaption, request.material) +
                           item(QString::fromUtf8(pipes::texts::WaterTemperature),
                                request.temperature, QStringLiteral(" ℃")) +
                           fluidText(in.roughness, in.density);
    return first + QLatin1Char('\n') + second;
}

} // namespace

TableContent DuctContent(const DuctTableRequest &request)
{
    TableContent c;
    c.columns = ductColumns(request.conventionalUnits);
    if (request.state != SizingState::Done) {
        setState(c, request.state, utf8(flow::texts::PageCaption));
        return c;
    }
    c.inputs = ductInputs(request);
    flow::DuctTable table;
    try {
        table = flow::ComputeDuctTable(request.inputs, request.basis);
    } catch (const std::exception &) {
        setState(c, SizingState::Failed, {});
        return c;
    }
    for (const flow::DuctTableRow &r : table.rows)
        c.rows.push_back(ductRow(r));
    if (table.targetUnreachable) {
        c.warning = true;
        c.message =
            request.basis == flow::SizingBasis::Velocity
                ? QStringLiteral("目標風速が 0 以下では寸法を求められません。")
                : QStringLiteral(
                      "目標圧損を満たすサイズがありません。直径（角ダクトは相当径）が 10000 mm "
                      "を超えたところで探すのをやめ、その寸法を示しています。");
    }
    return c;
}

TableContent PipeContent(const PipeTableRequest &request)
{
    TableContent c;
    c.columns = pipeColumns(request.conventionalUnits);
    if (request.state != SizingState::Done) {
        setState(c, request.state, utf8(pipes::texts::PageCaption));
        return c;
    }
    c.inputs = pipeInputs(request);
    pipes::PipeTable table;
    try {
        table = pipes::ComputePipeTable(request.inputs, request.basis);
    } catch (const std::exception &) {
        setState(c, SizingState::Failed, {});
        return c;
    }
    for (const pipes::PipeTableRow &r : table.rows) {
        TableRow row;
        row.chosen = r.chosen;
        row.missesTarget = !r.meetsTarget;
        row.velocityThousandths = r.velocityThousandths;
        row.cells = {{},
                     {QString::number(r.nominalSize), static_cast<long double>(r.nominalSize)},
                     length(r.innerDiameter),
                     number(r.velocity),
                     number(r.loss),
                     {},
                     {}};
        row.choice = {SizeChoice::Kind::Pipe, {}, {}, r.sizeIndex};
        c.rows.push_back(row);
    }
    if (table.targetUnreachable) {
        c.warning = true;
        c.message = request.basis == flow::SizingBasis::Velocity
                        ? QStringLiteral("目標流速を満たす呼び径がありません。")
                        : QStringLiteral("目標圧損を満たす呼び径がありません。");
    }
    return c;
}

} // namespace app::sizetable
