#pragma once

#include "app/settings/SettingKey.h"
#include "app/ui/WindowPlacement.h"

#include <QObject>
#include <QPoint>
#include <QSize>

#include <string>
#include <vector>

class QWidget;

namespace app::ui {

// The place and size of a feature window, kept in its section of the
// settings file as Left, Top, Width and Height (px).
class WindowGeometry : public QObject
{
public:
    // Keeps those of `window` (a window not shown yet, which owns this) in
    // `section`, at the read and write ranks `firstRank` to firstRank + 3.
    WindowGeometry(QWidget *window, std::string section, int firstRank);

    // The four keys. Restored (Height last, which applies the four), they
    // size and place the window as RestoreGeometry does: the size fitted to
    // the screen, a stored place taken only where a screen shows the title
    // bar. A save writes the size, and the place once the window has one of
    // its own (a stored one was taken, or it was shown); a window closed by
    // the user keeps the place and size it had.
    std::vector<settings::Setting> keys();

    // Whether the window has a place of its own.
    bool placed() const { return placed_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint position() const;
    QSize size() const;

    QWidget *window_;
    std::string section_;
    int firstRank_;
    StoredGeometry stored_;
    bool placed_ = false;
    // The place and size at the last hiding, which a closed window keeps.
    std::optional<QPoint> hiddenAt_;
    QSize hiddenSize_;
};

} // namespace app::ui
