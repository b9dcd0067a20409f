#pragma once
// The single page, laid out like the operator's mark card: the round's matches to the left of
// the ticket sheet and the count grid to its right, row for row, the figure list under the
// slots; the page buttons and label, the count, the edit lock and the add, delete and sort
// buttons beside. Every control is a document operation; what the page shows comes from the
// document (its sheet and schedule). The sort button asks its owner for the menu (the window
// owns the sort menu's rules and its chooser).

#include "app/clsRoundFacet.h"
#include "app/clsTicketsFacet.h"
#include "lottery/clsTCountGrid.h"
#include "tickets/clsTSingleGame.h"
#include "tickets/clsTSingleGameGrid.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class clsGridView;
class clsIGridSource;
class clsSheetView;
class clsValueFigures;

class clsSinglePage : public QWidget
{
    Q_OBJECT

public:
    clsSinglePage(clsTicketsFacet& tickets, clsRoundFacet& round, clsIMessage& message,
                  QWidget* parent = nullptr);
    ~clsSinglePage() override;

    clsSheetView* Sheet() const { return m_sheet; }
    clsGridView* FigureList() const { return m_figures; }
    clsGridView* MatchList() const { return m_matches; }
    clsGridView* CountGrid() const { return m_countGrid; }
    QLabel* PageLabel() const { return m_lblPage; }
    QSpinBox* PageBox() const { return m_spnPage; }
    // The edit lock box follows the document.
    void Refresh();
    // The figure list of the page shown, with the worth rows while there are probabilities.
    void RefreshFigures();

signals:
    void SortRequested();

private:
    void ShowCount(const QString& strCount);

    clsTicketsFacet& m_tickets;
    clsRoundFacet& m_round;
    std::unique_ptr<clsValueFigures> m_values;
    std::unique_ptr<clsIGridSource> m_figureSource;
    // The round's matches as the list shows them, refilled from the document's schedule.
    clsTSingleGame m_game;
    clsTSingleGameGrid m_gameSource;
    clsTCountGrid m_countSource;
    clsSubscription m_changed;
    clsGridView* m_matches = nullptr;
    clsGridView* m_countGrid = nullptr;
    clsSheetView* m_sheet = nullptr;
    clsGridView* m_figures = nullptr;
    QLabel* m_lblPage = nullptr;
    QSpinBox* m_spnPage = nullptr;
    QLabel* m_lblPageCount = nullptr;
    QLabel* m_lblCount = nullptr;
    QPushButton* m_cmdPrevious = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QCheckBox* m_chkLock = nullptr;
};
