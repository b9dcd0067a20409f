#pragma once
// The program's one main window: four pages (home, multi, single, check) behind a side menu
// and the View menu, the round panel above them and the status bar. It owns the working parts
// for its lifetime, in the order they depend on each other (destroyed in reverse), and stays
// thin: every rule it follows is the core's, every command goes through the command gate.

#include "app/basMainMenu.h"
#include "app/clsBoughtFiles.h"
#include "app/clsCommandGate.h"
#include "app/clsFileCommands.h"
#include "app/clsIBatchHost.h"
#include "app/clsKelvraIni.h"
#include "app/clsTGame.h"
#include "app/clsTicketSet.h"
#include "base/clsFileSystemObject.h"
#include "base/clsHost.h"
#include "base/clsShell.h"
#include "base/qt/clsQtFileDialog.h"
#include "base/qt/clsQtMenuChooser.h"
#include "conditions/ConditionTableEntry.h"
#include "net/clsWinInet.h"
#include "net/qt/clsProgressWait.h"
#include "reference/basTotoSettings.h"
#include "reference/clsDrovaneDownload.h"
#include "store/clsTMain.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class clsDocument;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class clsCheckPage;
class clsGameView;
class clsHomePage;
class clsMultiPage;
class clsRoundPanelView;
class clsSinglePage;
class clsSideMenu;
class clsStatusBar;
class frmKouseiBunseki;
class frmBacktest;
class frmLedger;
class frmRenzoku;

class frmMain : public QMainWindow, private clsIBatchHost
{
    Q_OBJECT
    // The window tests reach the work, the gate and the file commands through their fixture.
    friend class MainWindowFixture;

public:
    enum Page
    {
        PageHome = 0,
        PageMulti = 1,
        PageSingle = 2,
        PageCheck = 3,
        PageCount = 4
    };

    // strMakerSite: the maker's download site for the overseas team names. lngSeed: a fixed
    // seed for the runs' random generator, as kelvra-cli run --seed takes it; none: the clock.
    frmMain(clsHost host, std::string strProgramDir,
            const TotoSettings& settings = basTotoSettings::Defaults(),
            std::string strMakerSite = std::string(clsDrovaneDownload::kDefaultSite),
            std::optional<std::uint64_t> lngSeed = std::nullopt, QWidget* parent = nullptr);
    ~frmMain() override;

    // False when the page cannot be shown now (a run or a locked document keeps the page).
    bool ShowPage(int lngPage);
    int CurrentPage() const;
    // The page's area, where the views of that page are laid out; null for no such page.
    QWidget* PageWidget(int lngPage) const;
    clsStatusBar* StatusPanels() const { return m_statusBar; }
    const std::string& ProgramDir() const { return m_programDir; }
    const clsKelvraIni& Settings() const { return m_settings; }
    // Where the open and save dialogs start: UserData/Kelvra below the program folder.
    const std::string& UserDataFolder() const { return m_userDataFolder; }

    const clsDocument& Document() const { return m_doc; }
    const clsCommandGate& Gate() const { return m_gate; }
    const clsProgressWait& ProgressWait() const { return m_progressWait; }
    const clsTGame& HomeGame() const { return m_game; }
    const clsTGame& CheckGame() const { return m_game2; }

    // The menu items' enabled and shown states for the state of now.
    void UpdateMenus();

    // Pop-up menus and composition analysis windows.
    // The chooser every view's pop-up menus go through (the document's too); it stays the same
    // object when SetMenuChooser swaps what answers (null: the Qt menus again).
    clsIMenuChooser& MenuChooser() { return m_menuChooser; }
    void SetMenuChooser(clsIMenuChooser* objChooser);
    // Opens a new analysis window for row lngRow of tab lngTab of the kind's table; nothing
    // opens when the analysis cannot run (the document has reported why).
    void OpenKouseiBunseki(JoukenKind kind, int lngTab, int lngRow);
    void CloseKouseiBunsekiWindows();
    int KouseiBunsekiWindowCount() const;

    // File dialogs of the file commands: tests put a scripted one; nullptr restores Qt's.
    void SetFileDialog(clsIFileDialog* objDialog);
    // A data file opened without asking (the file named on the command line); false when it
    // failed or the work may not change now.
    bool OpenDataFile(const std::string& strFileName);
    // Files named outside the dialogs (a second start, a drop, the command line), each opened
    // as its kind says, with the questions of its menu command; the window comes forward.
    // The number that opened.
    int OpenFiles(const std::vector<std::string>& files);

    // Remembers the session in strFolder from now on: the recent files, the dialogs' last
    // folder and this window's geometry kept there are restored now and written on close.
    // Without it the window keeps nothing between runs.
    void UseSession(const std::string& strFolder);
    std::string SessionFile() const;
    // The data files the player marked as bought, which ツール → 収支 lists.
    const clsBoughtFiles& Bought() const { return m_bought; }

signals:
    // The highest grade of the round now shown: the grade-2/3 payout conditions follow it.
    void PayoutGradesChanged(int lngMaxGrade);
    // The second round view's vote table was clicked.
    void CheckVoteClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    // The sort menu as the 並び替え button shows it (the 編集 menu's sort entries and their
    // rules); the chosen entry runs as its menu item does.
    void SortPopup();
    // lngItem 0..3: the four entries of クリップボードにコピー.
    void ClipboardCopy(int lngItem);
    // Opens the batch-run window (連続実行) modeless over this window, or brings the open one
    // forward; null when refused.
    frmRenzoku* OpenRenzoku();
    // Opens the back-test window over this window, or brings the open one forward; null when
    // refused.
    frmBacktest* OpenBacktest();
    // A back-test row opened: the work moves to that round, as the home page's round box
    // moves it, and the home page shows the round's records.
    void OpenBacktestRound(std::int32_t lngKaisaikai);
    // ツール → 収支 over the files marked as bought; a new window each time, as each lists the
    // files as they are when it opens.
    frmLedger* OpenLedger();
    void OnHelpManual();
    void OnFilePrint();
    void OnHelpVersion();

private:
    // One row per menu item: what it runs, and whether the gate is asked first (the page,
    // close and tick items answer to it their own way). An item without a row stays disabled.
    struct MenuCommand
    {
        basMainMenu::Item Item;
        bool Gated;
        // Its tick shows the document's flag (basMainMenu::Checked).
        bool Ticked;
        std::function<void()> Run;
    };
    std::vector<MenuCommand> MenuCommands();
    void RunCommand(basMainMenu::Item id);
    // The document's and the gate's state, the page shown and the items with a row.
    basMainMenu::State MenuState() const;
    QAction* Action(basMainMenu::Item id) const;

    // The batch window's host: this window's work, gate and page.
    clsDocument& BatchDocument() override { return m_doc; }
    const std::string& BatchFolder() const override { return m_userDataFolder; }
    bool MayStartBatch() override;
    void ShowBatchWork() override;
    void SetBatch(bool blnBatch) override;

    void BuildMenus();
    // 最近使ったファイル as the file commands list them now.
    void RefreshRecentMenu();
    void SaveSession();
    // The check page's 購入済み box for the work's data file now.
    void RefreshBought();
    void OnBoughtClicked(bool blnBought);
    void BuildPages();
    void FitToScreen();
    void BuildCheckPage(QWidget* page);
    void BuildMultiPage(QWidget* page);
    void BuildSinglePage(QWidget* page);
    void OnPageChanged(int lngPage);
    void OnDocumentChanged(std::uint32_t lngParts);
    // The controls that change the work are disabled while the command gate says a run, a
    // file operation or a batch holds it.
    void UpdateBusyControls();
    void RefreshRoundPanel();

    clsHost m_host;
    // The host with the progress window as its wait service, for the parts that download.
    clsProgressWait m_progressWait;
    clsHost m_netHost;
    std::string m_programDir;
    clsFileSystemObject m_fso;
    clsKelvraIni m_settings;
    clsTMain m_main;
    clsTGame m_game;
    // Held by pointer, so that the window's header does not pull in the whole work.
    std::unique_ptr<clsDocument> m_ownedDoc;
    clsDocument& m_doc;
    clsTGame m_game2;
    clsWinInet m_inet;
    clsDrovaneDownload m_drovane;
    clsCommandGate m_gate;
    clsShell m_shell;
    clsSubscription m_docChanged;
    std::string m_userDataFolder;
    clsQtFileDialog m_qtFileDialog{this};
    clsFileCommands m_files;

    QStackedWidget* m_pages = nullptr;
    clsSideMenu* m_sideMenu = nullptr;
    clsStatusBar* m_statusBar = nullptr;
    QLabel* m_version = nullptr;
    clsRoundPanelView* m_roundPanel = nullptr;
    clsHomePage* m_homePage = nullptr;
    clsGameView* m_gameView2 = nullptr;
    clsMultiPage* m_multiPage = nullptr;
    clsSinglePage* m_singlePage = nullptr;
    clsCheckPage* m_checkPage = nullptr;
    std::array<QAction*, PageCount> m_viewActions{};
    std::vector<QAction*> m_menuActions;
    std::vector<MenuCommand> m_commands;
    std::array<QMenu*, 5> m_menus{};
    QMenu* m_recentMenu = nullptr;
    std::string m_sessionFolder;
    clsBoughtFiles m_bought;

    // Pop-up menus and composition analysis windows.
    class ForwardingChooser final : public clsIMenuChooser
    {
    public:
        const PopupMenuItem* Choose(const PopupMenu& menu) override { return Target->Choose(menu); }
        clsIMenuChooser* Target = nullptr;
    };
    clsQtMenuChooser m_qtMenuChooser{this};
    ForwardingChooser m_menuChooser;
    std::vector<QPointer<frmKouseiBunseki>> m_kouseiWindows;

    // The batch-run window, while open.
    QPointer<frmRenzoku> m_renzoku;
    // The back-test window, while open.
    QPointer<frmBacktest> m_backtest;
};
