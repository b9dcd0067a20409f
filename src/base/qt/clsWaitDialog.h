#pragma once
// The wait window of long walks: a message over a progress bar. Made and owned by the GUI
// host's wait service for the length of one walk; it has no buttons (stop is the run's own).

#include <QDialog>

class QLabel;
class QProgressBar;

class clsWaitDialog : public QDialog
{
    Q_OBJECT

public:
    explicit clsWaitDialog(QWidget* parent = nullptr);

    void SetMessage(const QString& strMessage);
    void SetMax(int lngMax);
    // Repaints only when the bar would visibly move, so callers may report every item.
    void SetValue(int lngValue);
    QString Message() const;
    int Max() const;
    int Value() const;

private:
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
    int m_shownPermille = -1;
};
