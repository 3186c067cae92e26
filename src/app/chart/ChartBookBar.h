#pragma once

#include "document/Document.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app::chart {

// The bar above the chart: which chart of the document is shown
// (ChartSelector) with 追加, 名前の変更, 複製 and 削除, and the shown chart's
// pressure basis as the moist-air page offers it (standard, a pressure, an
// altitude) with its value.
class ChartBookBar : public QWidget
{
    Q_OBJECT

public:
    explicit ChartBookBar(QWidget *parent = nullptr);

    // The charts' names and the one shown; one chart cannot be deleted.
    void showCharts(const QStringList &names, int shown);
    // The shown chart's atmosphere, in the window's units.
    void showAtmosphere(const ::document::Atmosphere &atmosphere, bool conventional);
    // The atmosphere typed, or the reason it is none (empty for none: the
    // field holds no number, or an altitude beyond the pressure law).
    struct Typed
    {
        std::optional<::document::Atmosphere> atmosphere;
        QString problem;
    };
    Typed typedAtmosphere() const;

signals:
    void chartChosen(int index);
    void addRequested();
    void renameRequested();
    void duplicateRequested();
    void deleteRequested();
    void atmosphereTyped();

private:
    void showBasis(int basis);

    QComboBox *selector_ = {};
    QPushButton *delete_ = {};
    QComboBox *basis_ = {};
    QLineEdit *value_ = {};
    QLabel *unit_ = {};
    bool conventional_ = true;
};

} // namespace app::chart
