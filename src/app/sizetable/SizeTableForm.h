#pragma once

#include "app/settings/SettingKey.h"
#include "app/sizetable/SizeTableRequest.h"
#include "app/ui/SizingSource.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QModelIndex;
class QTableView;
class QWidget;

namespace app::ui {
class WindowGeometry;
}

namespace app::sizetable {

class SizeTableModel;

// The size table window (texts::WindowTitle): every alternative size of the duct or pipe page's
// last sizing in one table, computed with the page's own routines. It is
// non-modal; the main window creates it once and shows or raises it.
class SizeTableForm : public QWidget
{
    Q_OBJECT

public:
    explicit SizeTableForm(QWidget *parent = nullptr);

    // The table of the duct or pipe page, whichever was visited last, for
    // that page's last sizing (none: the duct page's, not sized yet).
    // Computed at once while the window is shown, else when it is shown next.
    using Request = std::variant<std::monostate, DuctTableRequest, PipeTableRequest>;
    void showSizing(const Request &request);

    // The keys of the settings section [SizeTable]: place and size
    // (ui::WindowGeometry), and the two limits in tenths (AspectLimitTenths
    // 40 is an aspect ratio of 4.0, VelocityLimitTenths 20 a velocity of
    // 2.0 m/s). A missing key or a value out of range gives the default.
    std::vector<settings::Setting> settingsKeys();

    // What Ctrl+C puts on the clipboard: the selected rows, or every row.
    QString copyText() const;

signals:
    // A double click or Enter on a row: the size and shape for the page's
    // loss section, as the field texts the user would type.
    void sizeChosen(const app::ui::SizeChoice &size);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void refresh();
    void choose(const QModelIndex &index);
    void copyRows();

    Request request_;
    bool stale_ = true;
    bool showsPipe_ = false;
    ui::WindowGeometry *geometry_ = {};

    SizeTableModel *model_ = {};
    QLabel *inputs_ = {};
    QLabel *message_ = {};
    QTableView *view_ = {};
    QWidget *aspectBox_ = {};
    QWidget *velocityBox_ = {};
    QDoubleSpinBox *aspectLimit_ = {};
    QDoubleSpinBox *velocityLimit_ = {};
};

} // namespace app::sizetable
