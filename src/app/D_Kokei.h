#pragma once

#include <QMainWindow>

// The main window: five calculator pages in one fixed-size window.
class TDuctForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TDuctForm(QWidget *parent = nullptr);
};
