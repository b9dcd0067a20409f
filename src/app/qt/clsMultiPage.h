#pragma once
// Page 1 of the main window: on the left the round's teams, the multi grid, the count grid of
// the multi's composition beside it and the multi count under them; on the right the
// condition panel.
// Below them the compression strip, the run buttons, the run log and the breakdown.

#include "app/DocumentParts.h"

#include <QWidget>

class clsDocument;
class clsMarksFacet;

class QLabel;
class QTimer;
class clsConditionsFacet;
class clsGridView;
class clsIMenuChooser;
class clsEngineView;
class clsJoukenPanel;
class clsMultiCountView;
class clsMultiView;
class clsRunView;
class clsTGame;

class clsMultiPage : public QWidget
{
    Q_OBJECT

public:
    // chooser: the window's menus, for the condition panel. game: the window's round view
    // model, whose teams label the multi's rows.
    clsMultiPage(clsDocument& doc, clsIMenuChooser& chooser, const clsTGame& game, QWidget* parent);
    // The live count is the page's: it stops with it.
    ~clsMultiPage() override;

    // The round view model has taken a new schedule.
    void RefreshTeams();

    clsMultiView* MultiView() const { return m_multi; }
    clsMultiCountView* CountView() const { return m_count; }
    clsJoukenPanel* JoukenPanel() const { return m_jouken; }
    clsEngineView* EngineView() const { return m_engine; }
    clsRunView* RunView() const { return m_run; }
    // Where the run settings and the run log go.
    // While a run or a file operation holds the work, the controls that would change it are
    // disabled; the run controls stay.
    void SetBusy(bool blnBusy);

private:
    void RefreshCount();
    // "条件後：N口", greyed while a newer count is under way.
    void RefreshLive();

    clsMarksFacet& m_marks;
    clsGridView* m_teams = nullptr;
    clsMultiView* m_multi = nullptr;
    clsMultiCountView* m_count = nullptr;
    QLabel* m_lblMultiCount = nullptr;
    clsConditionsFacet& m_conditions;
    QLabel* m_lblLive = nullptr;
    // Takes the live count in as it finishes; runs only while one is under way.
    QTimer* m_livePoll = nullptr;
    clsJoukenPanel* m_jouken = nullptr;
    clsEngineView* m_engine = nullptr;
    clsRunView* m_run = nullptr;
    clsSubscription m_changed;
};
