#pragma once

#include "app/record/CalculationSheet.h"
#include "app/record/RecordExportDialog.h"
#include "app/settings/SettingKey.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace app::ui {
class WindowGeometry;
}
namespace app::document {
class Session;
}

namespace app::record {

class Journal;
class RecordFilter;
class RecordModel;

// The record window (texts::WindowTitle): every recorded calculation in a table,
// newest last and following new ones as they come, filtered by page and by
// the work document each was made in (texts::Document), with a note per
// record; copy as tab-separated text, export an Excel workbook or CSV
// (RecordExportDialog), print or save the calculation sheet. Non-modal; it
// reads the journal only once it is shown.
class RecordForm : public QWidget
{
    Q_OBJECT

public:
    // The title block's fields show and edit the document of `session`;
    // without one they stand alone.
    explicit RecordForm(Journal &journal, QWidget *parent = nullptr,
                        document::Session *session = nullptr);
    ~RecordForm() override;

    // The keys of the [Record] section of the settings file: place and size
    // (ui::WindowGeometry). The title block is the document's; the one used
    // last is kept by the main window.
    std::vector<settings::Setting> settingsKeys();

    // The records the calculation sheet works on: the selected rows, or
    // every row shown when none is selected; oldest first.
    QList<const ui::CalculationRecord *> chosenRecords() const;
    QList<const ui::CalculationRecord *> selectedRecords() const;
    // Every row the page and document filters show, oldest first.
    QList<const ui::CalculationRecord *> shownRecords() const;
    // The records an export of `choice` writes, oldest first.
    QList<const ui::CalculationRecord *> recordsFor(const ExportChoice &choice) const;
    TitleBlock titleBlock() const;

    // The actions, also without their file dialogs. The export and save
    // return an empty string on success, or what went wrong, which the
    // buttons show in a box.
    void copySelection() const;
    void deleteSelection();
    void clearAll(); // asks first
    QString exportRecords(const QString &path, const ExportChoice &choice) const;
    QString savePdf(const QString &path) const;
    void printPreview();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QSize fittedSize(QSize size) const;
    void attachModel();
    void updatePageFilter();
    void applyPageFilter();
    void updateDocumentFilter();
    void applyDocumentFilter();
    void updateCount();
    void updateProblem();
    void exportAs();
    void savePdfAs();
    void showFailure(const QString &text);
    void showDocumentTitle();
    void takeTitleField();
    void updateTitle();

    Journal &journal_;
    RecordModel *model_ = {};
    RecordFilter *proxy_ = {};
    QTableView *table_ = {};
    QComboBox *pageFilter_ = {};
    QComboBox *documentFilter_ = {};
    QLabel *count_ = {};
    QLabel *problem_ = {};
    QLineEdit *project_ = {};
    QLineEdit *designer_ = {};
    QLineEdit *date_ = {};
    QLineEdit *notes_ = {};
    document::Session *session_ = {};
    bool following_ = true; // the view was at its last row before a record came
    ui::WindowGeometry *geometry_ = {};
    ExportFormat lastFormat_ = ExportFormat::Xlsx; // offered first by the next export
};

} // namespace app::record
