#pragma once

#include <QDialog>

namespace app {

// The "ﾊﾞｰｼﾞｮﾝ情報" box: program icon, name and version, and an OK button.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace app
