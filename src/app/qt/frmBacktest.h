#pragma once
// The back-test window (バックテスト): the work's conditions run over a range of stored past
// rounds, a row per round, the totals and a chart of the running balance with the 1st-grade
// hits on it. Modeless, owned by the main window, which opens at most one; deleted when closed.
// The back-test runs on its own thread: the window polls it and stays answerable.

#include <QWidget>

#include <cstdint>
#include <functional>

class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QSpinBox;
class QTableView;
class QTimer;
class QValueAxis;
class clsBacktestModel;
class clsCommandGate;
class clsDocument;

// No Q_OBJECT: it has no signals or slots of its own. It includes no core header either: moc
// misreads the core's C++20 headers when they come before Qt's, and a test includes it first.
class frmBacktest : public QWidget
{
public:
    // fnOpenRound: what a row's double click or Enter asks of the main window (its round).
    frmBacktest(clsDocument& doc, const clsCommandGate& gate,
                std::function<void(std::int32_t)> fnOpenRound, QWidget* parent);
    ~frmBacktest() override;

    // 実行 and 中止.
    void StartBacktest();
    void StopBacktest();
    bool Running() const;

    QTableView* Table() const { return m_table; }
    const clsBacktestModel& Model() const { return *m_model; }
    // The chart's points: one per round on the balance line, one per 1st-grade hit.
    int BalancePoints() const;
    int HitPoints() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Poll();
    void SetControls(bool blnRunning);
    void AddToChart(int lngFirstRow);
    void OpenRow(const QModelIndex& index);

    clsDocument& m_doc;
    const clsCommandGate& m_gate;
    std::function<void(std::int32_t)> m_openRound;
    bool m_polling = false;
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QComboBox* m_marks = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QProgressBar* m_progress = nullptr;
    QTableView* m_table = nullptr;
    clsBacktestModel* m_model = nullptr;
    QLabel* m_totals = nullptr;
    QLabel* m_note = nullptr;
    QChart* m_chart = nullptr;
    QLineSeries* m_balance = nullptr;
    QScatterSeries* m_hits = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QTimer* m_timer = nullptr;
};
