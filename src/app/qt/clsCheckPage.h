#pragma once
// The check page beside the second round view: the result entry grid, the page of ten graded
// singles with its legend and paging, the match-count grid, the grade tally, the prize table
// with what the set cost and won, and the reveal and sort commands. It draws only what the
// document's checker holds and hands every click to a document operation; it follows the document's
// change event.

#include "app/clsCheckFacet.h"
#include "app/clsTicketsFacet.h"
#include "lottery/clsTCount.h"
#include "lottery/clsTCountGrid.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class clsGridView;
class clsIGridSource;

class clsCheckPage : public QWidget
{
    Q_OBJECT

public:
    // objRoundView: the second round view, placed first so the entry grid's rows stand level
    // with its matches; null for none.
    clsCheckPage(clsCheckFacet& check, clsTicketsFacet& tickets, QWidget* objRoundView,
                 QWidget* parent = nullptr);
    ~clsCheckPage() override;

    clsGridView* EntryGrid() const { return m_entry; }
    clsGridView* PageGrid() const { return m_page; }
    clsGridView* GradeTable() const { return m_grade; }
    clsGridView* PrizeTable() const { return m_prize; }
    clsGridView* CountGrid() const { return m_countView; }
    const clsTCount& Count() const { return m_count; }
    // Everything again from the document's checker.
    void Refresh();
    // The 購入済み box: enabled while the work has a data file, ticked when that file is marked
    // as bought. The mark is the player's, kept by the window, not by the document.
    void SetBought(bool blnEnabled, bool blnChecked);

signals:
    // The player ticked or cleared 購入済み.
    void BoughtClicked(bool blnBought);

private:
    clsCheckFacet& m_check;
    clsTicketsFacet& m_tickets;
    std::unique_ptr<clsIGridSource> m_entrySource;
    std::unique_ptr<clsIGridSource> m_pageSource;
    std::unique_ptr<clsIGridSource> m_gradeSource;
    std::unique_ptr<clsIGridSource> m_prizeSource;
    clsTCount m_count;
    clsTCountGrid m_countSource{m_count};
    clsGridView* m_entry = nullptr;
    clsGridView* m_page = nullptr;
    clsGridView* m_grade = nullptr;
    clsGridView* m_prize = nullptr;
    clsGridView* m_countView = nullptr;
    QLabel* m_lblCount = nullptr;
    QLabel* m_lblPage = nullptr;
    QLabel* m_lblCost = nullptr;
    QLabel* m_lblWinnings = nullptr;
    QLabel* m_lblBalance = nullptr;
    QLabel* m_lblReturn = nullptr;
    QToolButton* m_cmdPrevious = nullptr;
    QToolButton* m_cmdNext = nullptr;
    QPushButton* m_cmdViewAll = nullptr;
    QPushButton* m_cmdViewNext = nullptr;
    QPushButton* m_cmdSort = nullptr;
    QCheckBox* m_chkAll = nullptr;
    QCheckBox* m_chkBought = nullptr;
    clsSubscription m_changed;
};
