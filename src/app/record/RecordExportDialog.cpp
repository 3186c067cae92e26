#include "app/record/RecordExportDialog.h"

#include "app/record/RecordTexts.h"
#include "app/ui/UiTexts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <numeric>

namespace app::record {

namespace {

QRadioButton *radio(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QRadioButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

qsizetype total(const QList<KindCount> &kinds)
{
    return std::accumulate(kinds.begin(), kinds.end(), qsizetype(0),
                           [](qsizetype sum, const KindCount &k) { return sum + k.count; });
}

} // namespace

RecordExportDialog::RecordExportDialog(QList<KindCount> shown, QList<KindCount> selected,
                                       ExportFormat format, QWidget *parent)
    : QDialog(parent), shown_(std::move(shown)), selected_(std::move(selected))
{
    setObjectName(QStringLiteral("RecordExportDialog"));
    setWindowTitle(QString::fromUtf8(texts::ExportTitle));
    auto *layout = new QVBoxLayout(this);

    auto *formatBox = new QGroupBox(tr("形式"), this);
    auto *formatLayout = new QGridLayout(formatBox);
    xlsx_ = radio(tr("Excel ブック (.xlsx)(&X)"), "RecordExportXlsx", formatBox);
    csv_ = radio(tr("CSV (.csv)(&V)"), "RecordExportCsv", formatBox);
    formatLayout->addWidget(xlsx_, 0, 0);
    formatLayout->addWidget(
        new QLabel(tr("計算の種類ごとにシートを分け、数値は数値のまま入れます。"), formatBox), 0,
        1);
    formatLayout->addWidget(csv_, 1, 0);
    formatLayout->addWidget(new QLabel(tr("計算の種類ごとに見出し行を付けた表です。"), formatBox),
                            1, 1);
    formatLayout->setColumnStretch(1, 1);
    (format == ExportFormat::Csv ? csv_ : xlsx_)->setChecked(true);
    layout->addWidget(formatBox);

    auto *rowsBox = new QGroupBox(tr("書き出す記録"), this);
    auto *rowsLayout = new QVBoxLayout(rowsBox);
    shownRows_ = radio(tr("表示中の記録すべて(&A)（%1 件）").arg(total(shown_)),
                       "RecordExportShown", rowsBox);
    const qsizetype chosen = total(selected_);
    selectedRows_ = radio(chosen > 0 ? tr("選択した行のみ(&L)（%1 件）").arg(chosen)
                                     : tr("選択した行のみ(&L)（選択なし）"),
                          "RecordExportSelected", rowsBox);
    selectedRows_->setEnabled(chosen > 0);
    shownRows_->setChecked(true);
    rowsLayout->addWidget(shownRows_);
    rowsLayout->addWidget(selectedRows_);
    layout->addWidget(rowsBox);

    auto *kindBox = new QGroupBox(tr("計算の種類"), this);
    auto *kindLayout = new QVBoxLayout(kindBox);
    allKinds_ = radio(tr("すべての種類(&K)"), "RecordExportAllKinds", kindBox);
    oneKind_ = radio(tr("一つの種類のみ(&O):"), "RecordExportOneKind", kindBox);
    kind_ = new QComboBox(kindBox);
    kind_->setObjectName(QStringLiteral("RecordExportKind"));
    kind_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    allKinds_->setChecked(true);
    auto *oneKindRow = new QHBoxLayout;
    oneKindRow->addWidget(oneKind_);
    oneKindRow->addWidget(kind_, 1);
    kindLayout->addWidget(allKinds_);
    kindLayout->addLayout(oneKindRow);
    layout->addWidget(kindBox);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("RecordExportSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons_->button(QDialogButtonBox::Ok);
    ok->setText(tr("書き出す(&S)..."));
    ok->setObjectName(QStringLiteral("OKButton"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(ui::texts::Cancel));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);

    for (QRadioButton *b : {xlsx_, csv_, allKinds_, oneKind_})
        connect(b, &QRadioButton::toggled, this, &RecordExportDialog::describe);
    connect(shownRows_, &QRadioButton::toggled, this, &RecordExportDialog::offerKinds);
    // Choosing a kind in the list chooses "one kind".
    connect(kind_, &QComboBox::activated, oneKind_, [this] { oneKind_->setChecked(true); });
    connect(kind_, &QComboBox::currentIndexChanged, this, &RecordExportDialog::describe);
    offerKinds();
}

const QList<KindCount> &RecordExportDialog::offered() const
{
    return selectedRows_->isChecked() ? selected_ : shown_;
}

// The kinds of the records chosen; the kind chosen stays where it is among them.
void RecordExportDialog::offerKinds()
{
    const QString current = kind_->currentData().toString();
    const QSignalBlocker quiet(kind_);
    kind_->clear();
    for (const KindCount &k : offered())
        kind_->addItem(tr("%1（%2、%3 件）").arg(k.calculation, k.page).arg(k.count), k.kind);
    kind_->setCurrentIndex(std::max(0, kind_->findData(current)));
    const bool any = kind_->count() > 0;
    oneKind_->setEnabled(any);
    kind_->setEnabled(any);
    if (!any)
        allKinds_->setChecked(true);
    describe();
}

void RecordExportDialog::describe()
{
    const ExportChoice c = choice();
    qsizetype records = 0;
    qsizetype kinds = 0;
    for (const KindCount &k : offered()) {
        if (c.kind.isEmpty() || k.kind == c.kind) {
            records += k.count;
            ++kinds;
        }
    }
    QString text;
    if (records == 0)
        text = tr("書き出す記録がありません。");
    else if (c.format == ExportFormat::Xlsx)
        text = tr("%1 件の記録を、表紙と %2 枚のシート（計算の種類ごとに 1 枚）に書き出します。")
                   .arg(records)
                   .arg(kinds);
    else if (kinds > 1)
        text = tr("%1 件の記録を、計算の種類ごとに見出し行を付けた %2 つの表にして、"
                  "一つの CSV ファイルに続けて書き出します。")
                   .arg(records)
                   .arg(kinds);
    else
        text = tr("%1 件の記録を、見出し行と記録ごとの行の表にして書き出します。").arg(records);
    summary_->setText(text);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(records > 0);
}

ExportChoice RecordExportDialog::choice() const
{
    ExportChoice c;
    c.format = csv_->isChecked() ? ExportFormat::Csv : ExportFormat::Xlsx;
    c.selectedOnly = selectedRows_->isChecked();
    if (oneKind_->isChecked())
        c.kind = kind_->currentData().toString();
    return c;
}

} // namespace app::record
