#pragma once
// ツール → 収支: the data files marked as bought, graded against their rounds' results, with the
// season's totals and a chart of the running balance. Modeless, deleted on close; it lists the
// files as they were when it opened.

#include "base/clsHost.h"

#include <QDialog>
#include <QPointF>

#include <string>
#include <vector>

class QChartView;
class QLabel;
class QLineSeries;
class QTableView;
class clsLedgerModel;
// Declared only: moc cannot read the money type's header.
struct LedgerEntry;

class frmLedger : public QDialog
{
    Q_OBJECT

public:
    // Grades every file at once through the core ledger (busy pointer and wait box from host).
    frmLedger(const clsHost& host, const std::string& strProgramDir,
              const std::vector<std::string>& files, QWidget* parent = nullptr);

    const clsLedgerModel& Model() const { return *m_model; }
    // The chart's points: x the graded round's place, y the running balance in yen.
    QList<QPointF> ChartPoints() const;

private:
    void ShowTotals(const std::vector<LedgerEntry>& entries);
    void ShowChart(const std::vector<LedgerEntry>& entries);

    clsLedgerModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_tickets = nullptr;
    QLabel* m_cost = nullptr;
    QLabel* m_won = nullptr;
    QLabel* m_balance = nullptr;
    QLabel* m_rate = nullptr;
    QChartView* m_chartView = nullptr;
    QLineSeries* m_series = nullptr;
};
