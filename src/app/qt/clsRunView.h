#pragma once
// The run controls of the multi page: 検索開始 / 一時停止 / 検索再開 and 検索終了, the run log
// (the document's log sink), its percentage bar, and the count grid and breakdown of the
// ticket set the last run left, with the set's chance and worth while there are probabilities.

#include "app/clsRoundFacet.h"
#include "app/clsSearchFacet.h"
#include "app/clsTicketsFacet.h"
#include "conditions/clsTMeisaiGrid.h"
#include "conditions/clsTMsgLog.h"
#include "lottery/clsTCount.h"
#include "lottery/clsTCountGrid.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class clsGridView;

class clsRunView : public QWidget, public clsIMsgSink
{
    Q_OBJECT

public:
    // Shown above the breakdown while it belongs to the last run, not to the work as it is.
    static constexpr const char* kStaleCaption =
        "右の明細は前回の検索の結果です。検索開始で今の条件の結果になります。";
    // While a run goes the log and the bar are redrawn at most this often: each redraw lays out
    // and paints the list's lines and, with a screen reader, tells it, and a search writes far
    // more lines and percentages than anyone can read.
    static constexpr int kLogFrameMs = 100;
    clsRunView(clsSearchFacet& search, clsTicketsFacet& tickets, clsRoundFacet& round,
               QWidget* parent);
    ~clsRunView() override;

    void LogCleared() override;
    void LogLine(std::int32_t lngIndex, std::string_view strText) override;
    void BarChanged(std::int32_t lngValue, std::int32_t lngMax) override;

    // The buttons' captions and enabling, from the document. While the batch window drives the
    // document 検索開始 is its own: only the pause and the stop of its search stay with the user.
    void RefreshButtons();
    // The set's worth lines (kelvra-cli value's order) and their area.
    QWidget* ValueArea() const { return m_value; }
    QLabel* ValueText(int lngLine) const
    {
        return m_valueText.at(static_cast<std::size_t>(lngLine));
    }

private:
    void ReloadLog();
    // Shows the log's lines and percentage now, or at the next event pass while a run goes.
    void ShowLogLater();
    void ShowLog();
    void RecountSingles();
    // The set's chance of each grade, its expected value and its cost, as kelvra-cli value
    // tells them; hidden without probabilities or tickets, and while a run is under way.
    void RefreshValue();
    void RefreshStale();

    clsSearchFacet& m_search;
    clsTicketsFacet& m_tickets;
    clsRoundFacet& m_round;
    clsTMeisaiGrid m_meisaiSource;
    // The set's frame as the count grid shows it, in percent when the document says so.
    clsTCount m_count;
    clsTCountGrid m_countSource;
    QPushButton* m_cmdRun = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QListWidget* m_lstMsg = nullptr;
    QProgressBar* m_bar = nullptr;
    clsGridView* m_countGrid = nullptr;
    clsGridView* m_meisai = nullptr;
    QLabel* m_lblStale = nullptr;
    // What the budget engine reached, after its run.
    QLabel* m_lblBudget = nullptr;
    QWidget* m_value = nullptr;
    std::array<QLabel*, 5> m_valueCaption{};
    std::array<QLabel*, 5> m_valueText{};
    clsSubscription m_changed;
    QTimer m_showLog;
    // The list holds the log's first m_shownLines lines; from m_firstStale on they changed.
    int m_shownLines = 0;
    int m_firstStale = 0;
};
