#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace app::losssheet {

class FittingTableModel;

// The method and inputs of the fitting chosen in the fitting table, built
// from the catalogue's description of its method: each input with its name,
// unit and valid range; a blank input takes its default, or the value the
// system's tree gives (shown greyed in the field). A value is taken when its
// field is left or Enter is pressed, and may be any of the window's
// expressions.
class FittingEditor : public QWidget
{
    Q_OBJECT

public:
    explicit FittingEditor(FittingTableModel &model, QWidget *parent = nullptr);

    // The fitting of a row of the model (-1: none).
    void showFitting(int row);
    int row() const { return row_; }
    // After a new result or a change of units: texts and hints follow.
    void refresh();

signals:
    void refused(const QString &message);

private:
    struct Field
    {
        QLineEdit *edit = {};
        QComboBox *choice = {};
        QLabel *unit = {};
        std::size_t parameter = 0;
    };

    void rebuild();
    void commit(const Field &field);
    void chooseMethod(int index);

    FittingTableModel &model_;
    int row_ = -1;
    std::string builtFor_; // the kind and method the fields were built for
    QLabel *kind_ = {};
    QComboBox *method_ = {};
    QWidget *fieldsBox_ = {};
    QGridLayout *fieldsGrid_ = {};
    std::vector<Field> fields_;
    bool showing_ = false;
};

} // namespace app::losssheet
