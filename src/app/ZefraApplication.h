#pragma once

#include <QApplication>

namespace app {

// The application object. Its only addition is the last safety net: an
// exception that escapes an event handler reaches the failure box here
// instead of Qt's event loop, and the window stays usable.
class ZefraApplication : public QApplication
{
    Q_OBJECT

public:
    ZefraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    QString helpFile() const { return helpFile_; }
    void setHelpFile(const QString &name) { helpFile_ = name; }

private:
    QString helpFile_;
};

} // namespace app
