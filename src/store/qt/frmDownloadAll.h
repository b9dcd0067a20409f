#pragma once
// The dialog that fetches past rounds in one run: the range, the pause between requests, a
// progress bar, a stop button and the summary. The home page opens one at a time; the run goes
// on a worker thread so the window answers throughout, and the dialog lives until it is closed.

#include "reference/basTotoSettings.h"
#include "store/clsHistoryDownload.h"

#include <QDialog>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

class frmDownloadAll : public QDialog
{
    Q_OBJECT

public:
    struct Setup
    {
        TotoSettings Settings;
        std::string ProgramDir;
        // The round the window shows; the range ends just before it.
        std::int32_t Kaisaikai = 0;
        // Told true when a run starts and false when it has ended: the caller holds the work.
        std::function<void(bool)> Running;
    };

    frmDownloadAll(Setup setup, QWidget* parent = nullptr);
    ~frmDownloadAll() override;

    bool IsRunning() const { return m_thread.joinable(); }
    const HistorySummary& Summary() const { return m_summary; }

signals:
    // A run has ended (stopped or not); the store may hold new files of lngFrom..lngTo.
    void downloadFinished(int lngFrom, int lngTo);

public slots:
    void Start();
    void Stop();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void OnRound(const HistoryRound& round, std::int32_t lngDone, std::int32_t lngTotal);
    void OnFinished(const HistorySummary& summary, const std::string& strError);
    void ShowRunning(bool blnRunning);
    // Ends a run whose dialog goes away: the request in hand ends, then the thread.
    void Join();

    Setup m_setup;
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QSpinBox* m_pause = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QPlainTextEdit* m_summaryText = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_close = nullptr;
    std::atomic<bool> m_stopAsked{false};
    std::thread m_thread;
    std::int32_t m_runFrom = 0;
    std::int32_t m_runTo = 0;
    HistorySummary m_summary;
};
