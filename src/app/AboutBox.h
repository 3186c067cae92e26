#pragma once

#include <QDialog>

namespace app {

// The About box (texts::AboutTitle): program icon, name and version, and an
// OK button.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace app
