#pragma once
// The progress window of a download: the caption " インターネット接続" over the running
// connection log. A fetch blocks the window's thread, so every change paints at once.
// Owned by the window that downloads, shown for the length of one fetch.

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

class clsProgressWindow : public QDialog
{
    Q_OBJECT

public:
    explicit clsProgressWindow(QWidget* parent = nullptr);

    // Shows the window without blocking; it stays above an owner that stays on top.
    void ShowProgress();
    // A new line at the end, selected and scrolled into view.
    void AddLine(const QString& strLine);
    // Text added to the end of the last line (the dots of "受信中 ").
    void AppendText(const QString& strText);
    // Brings the list up to the log as it stands (the fetcher's log lines): lines already
    // shown are kept, the last one is brought up to date and new ones are added, so a log
    // that grows by a dot costs one line's update.
    void ShowLog(const std::vector<std::string>& strLines);
    void Clear();
    QStringList Lines() const;

private:
    // Paints the window now: the caller is a fetch that gives the event loop no turn.
    void PaintNow();

    QListWidget* m_list = nullptr;
};
