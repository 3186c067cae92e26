#pragma once

#include "chart/Diagram.h"

#include <QHash>
#include <QWidget>

#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace app::chart {

// The row above the process list: the kind of process, its points and its
// conditions, and the button that adds it. Each kind keeps its own last values (and a
// value whose meaning depends on the mode, one per mode).
class ProcessEntry : public QWidget
{
    Q_OBJECT

public:
    explicit ProcessEntry(QWidget *parent = nullptr);

    // The points to choose from: id and label, in list order.
    void setPoints(const std::vector<std::pair<int, QString>> &points);

signals:
    void addRequested(const ::chart::ProcessDefinition &definition);
    void refused(const QString &reason);

private:
    void kindChanged();
    void add();
    static QString valueSlot(int kind, int mode);
    static QString secondSlot(int kind, int mode);

    class PointChoices;
    PointChoices *choices_ = {};
    QComboBox *kind_ = {};
    QComboBox *from_ = {};
    QLabel *toLabel_ = {};
    QComboBox *to_ = {};
    QLabel *valueLabel_ = {};
    QLineEdit *value_ = {};
    QLabel *valueUnit_ = {};
    QComboBox *mode_ = {};
    QLineEdit *second_ = {};
    QLabel *secondUnit_ = {};

    int shownKind_ = -1;
    int shownMode_ = 0;
    QHash<QString, QString> kept_;
    QHash<int, int> modeOfKind_;
};

} // namespace app::chart
