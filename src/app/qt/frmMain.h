#pragma once
// The program's one main window: four pages (home, multi, single, check) behind a side menu
// and the View menu, the version label and the status bar. It lives from start-up until the
// program ends and stays thin: the work itself belongs to the Qt-free document.

#include "app/clsKelvraIni.h"
#include "base/clsFileSystemObject.h"
#include "base/clsHost.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QLabel;
class QStackedWidget;
class clsSideMenu;
class clsStatusBar;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    enum Page
    {
        PageHome = 0,
        PageMulti = 1,
        PageSingle = 2,
        PageCheck = 3,
        PageCount = 4
    };

    frmMain(clsHost host, std::string strProgramDir, QWidget* parent = nullptr);
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildPages();
    void OnPageChanged(int lngPage);

    clsHost m_host;
    std::string m_programDir;
    clsFileSystemObject m_fso;
    clsKelvraIni m_settings;
    std::string m_userDataFolder;
    QStackedWidget* m_pages = nullptr;
    clsSideMenu* m_sideMenu = nullptr;
    clsStatusBar* m_statusBar = nullptr;
    QLabel* m_version = nullptr;
    std::array<QAction*, PageCount> m_viewActions{};
};
