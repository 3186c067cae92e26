#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// Closes every modal box that appears while a test runs and remembers what
// it showed, so that a test checks the boxes after the action that opened
// them and no unexpected box can hang the test run.
class BoxRecorder
{
public:
    struct Box
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString objectName; // for dialogs that are no message box
    };

    BoxRecorder();

    // The boxes seen since the last call, oldest first.
    QList<Box> take();
    bool empty() const { return boxes_.isEmpty(); }
    // Leaves the boxes alone while a test answers one itself.
    void pause() { timer_.stop(); }
    void resume() { timer_.start(); }

private:
    void poll();

    QTimer timer_;
    QList<Box> boxes_;
};
