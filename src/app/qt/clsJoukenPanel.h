#pragma once
// The condition panel of the multi page: the strip "金額", "本命", "人気", "勝敗", "補正" over its
// pages (payouts, the three condition tables, the correction). It tells the document which
// page is shown, so that the multi grid marks the cells the shown table applies to.

#include "base/clsSubscription.h"
#include "conditions/ConditionTableEntry.h"

#include <QWidget>

#include <array>

class QStackedWidget;
class clsConditionsFacet;
class clsRoundFacet;
class clsHaitouView;
class clsIMenuChooser;
class clsJoukenTableView;
class clsMachigaiView;
class clsTabStrip;

class clsJoukenPanel : public QWidget
{
    Q_OBJECT

public:
    enum Page
    {
        PageHaitou = 0,
        PageHonmei = 1,
        PageNinki = 2,
        PageMark = 3,
        PageMachigai = 4
    };

    clsJoukenPanel(clsConditionsFacet& conditions, clsRoundFacet& round, clsIMenuChooser& chooser,
                   QWidget* parent);

    clsTabStrip* Tabs() const { return m_tabs; }
    clsHaitouView* HaitouView() const { return m_haitou; }
    clsJoukenTableView* TableView(JoukenKind kind) const;
    clsMachigaiView* MachigaiView() const { return m_machigai; }

signals:
    void KouseiBunsekiRequested(JoukenKind kind, int lngTab, int lngRow);
    // A condition table's tab was clicked.
    void TableTabClicked();

public slots:
    void SetMaxGrade(int lngMaxGrade);

private:
    void OnPageChanged(int lngPage);
    void ShowDocumentPage();

    clsConditionsFacet& m_conditions;
    clsTabStrip* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    clsHaitouView* m_haitou = nullptr;
    std::array<clsJoukenTableView*, 3> m_tables{};
    clsMachigaiView* m_machigai = nullptr;
    clsSubscription m_changed;
};
