#pragma once
// The window shown while the main window loads at start. It has no commands; start-up shows
// it, has it painted at once, and closes it when the main window stands.

#include <QWidget>

class QLabel;

class clsLoadingWindow : public QWidget
{
    Q_OBJECT

public:
    explicit clsLoadingWindow(const QString& strVersion, QWidget* parent = nullptr);

    // Shows and paints without waiting for the event loop, which is not running yet.
    void ShowNow();
};
