#pragma once

#include "app/record/RecordTables.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;

namespace app::record {

enum class ExportFormat { Xlsx, Csv };

// What the user chose to export.
struct ExportChoice
{
    ExportFormat format = ExportFormat::Xlsx;
    bool selectedOnly = false; // the selected rows; else every row the window shows
    QString kind;              // KindOf the one kind to export; empty: every kind
};

// The record window's export dialog (texts::ExportTitle): the format (an Excel
// workbook, a sheet per kind; or CSV, a table per kind one after another),
// which records (every row shown under the page filter, or the selected rows
// only: always the user's explicit choice, never implied by a selection), and
// every kind or one. A line below says what the file will hold.
class RecordExportDialog : public QDialog
{
    Q_OBJECT

public:
    // The kinds of the rows shown and of the selected rows, in order of
    // first appearance; `format` is chosen first.
    RecordExportDialog(QList<KindCount> shown, QList<KindCount> selected, ExportFormat format,
                       QWidget *parent = nullptr);

    ExportChoice choice() const;

private:
    void offerKinds();
    void describe();
    const QList<KindCount> &offered() const;

    QList<KindCount> shown_;
    QList<KindCount> selected_;
    QRadioButton *xlsx_ = {};
    QRadioButton *csv_ = {};
    QRadioButton *shownRows_ = {};
    QRadioButton *selectedRows_ = {};
    QRadioButton *allKinds_ = {};
    QRadioButton *oneKind_ = {};
    QComboBox *kind_ = {};
    QLabel *summary_ = {};
    QDialogButtonBox *buttons_ = {};
};

} // namespace app::record
