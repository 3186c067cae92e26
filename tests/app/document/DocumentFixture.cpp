#include "DocumentFixture.h"

#include "app/chart/ProcessEntry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTimer>

void DocumentTest::SetUp()
{
    FormTest::SetUp();
    if (form_)
        commands().setFileChooser([this](bool, const QString &) { return chosen_; });
}

void DocumentTest::reopenForm()
{
    openForm();
    commands().setFileChooser([this](bool, const QString &) { return chosen_; });
}

void DocumentTest::chooseFile(const QString &path)
{
    chosen_ = path;
}

app::chart::ChartForm *DocumentTest::openChart()
{
    find<QAction>("Chart1")->trigger();
    return form_->findChild<app::chart::ChartForm *>(QStringLiteral("ChartForm"));
}

void DocumentTest::addPagePoint(app::chart::ChartForm *chart, int item, const QString &value)
{
    showPage(TDuctForm::AirPageIndex);
    type("D_TempEdit", QStringLiteral("26"));
    find<QComboBox>("SelectBox")->setCurrentIndex(item);
    type("entEdit", value);
    pressEnter("entEdit");
    chart->addCurrentPoint();
}

void DocumentTest::answerNextBox(QMessageBox::StandardButton button)
{
    boxes_.pause();
    auto *timer = new QTimer(form_.get());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        answered_ << box->text();
        timer->stop();
        timer->deleteLater();
        boxes_.resume();
        box->button(button)->click();
    });
    timer->start();
}

void DocumentTest::buildTwoCharts(app::chart::ChartForm *chart)
{
    addPagePoint(chart, 1, QStringLiteral("50")); // relative humidity
    addPagePoint(chart, 0, QStringLiteral("19")); // wet bulb
    auto *entry = chart->findChild<app::chart::ProcessEntry *>();
    const int a = chart->diagram().points()[0].id;
    const int b = chart->diagram().points()[1].id;
    ::chart::ProcessDefinition mixing;
    mixing.kind = ::chart::ProcessKind::Mixing;
    mixing.from = a;
    mixing.to = b;
    emit entry->addRequested(mixing);
    ::chart::ProcessDefinition coil;
    coil.kind = ::chart::ProcessKind::Coil;
    coil.from = chart->diagram().points()[2].id;
    coil.value = 12;
    coil.second = 0.1L;
    emit entry->addRequested(coil);

    chart->addChart();
    addPagePoint(chart, 2, QStringLiteral("0.008")); // humidity ratio
    addPagePoint(chart, 3, QStringLiteral("10"));    // dew point
    ::chart::ProcessDefinition heating;
    heating.kind = ::chart::ProcessKind::Heating;
    heating.from = chart->diagram().points()[0].id;
    heating.value = 35;
    emit entry->addRequested(heating);
}

QByteArray DocumentTest::ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void DocumentTest::WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
