#include "app/qt/frmMain.h"

#include "app/basMain.h"
#include "app/clsDocument.h"
#include "base/qt/basQtText.h"
#include "widgets/clsSideMenu.h"
#include "widgets/clsStatusBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
struct PageInfo
{
    const char* ObjectName;
    const char* Caption;
};
constexpr std::array<PageInfo, frmMain::PageCount> kPages{{
    {"pageHome", "ホーム"},
    {"pageMulti", "マルチ"},
    {"pageSingle", "シングル"},
    {"pageCheck", "チェック"},
}};
} // namespace

frmMain::frmMain(clsHost host, std::string strProgramDir, QWidget* parent)
    : QMainWindow(parent)
    , m_host(host)
    , m_programDir(std::move(strProgramDir))
    , m_fso(m_programDir)
    , m_settings(m_host.Message, m_programDir)
{
    setObjectName(QStringLiteral("frmMain"));
    m_settings.Load();
    BuildPages();
    BuildMenus();
    m_statusBar = new clsStatusBar(this);
    m_statusBar->AddPanel(0);
    setStatusBar(m_statusBar);
    resize(1024, 720);
    m_userDataFolder = m_fso.GetFullPath("UserData/Kelvra");
    m_fso.FolderCheck(m_userDataFolder);
    setWindowTitle(basQtText::ToQ(clsDocument::TitleFor({})));
    ShowPage(PageHome);
}

frmMain::~frmMain() = default;

void frmMain::BuildPages()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(4, 4, 4, 4);

    m_pages = new QStackedWidget(central);
    m_pages->setObjectName(QStringLiteral("pages"));
    auto* side = new QWidget(central);
    side->setObjectName(QStringLiteral("sidePanel"));
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    m_sideMenu = new clsSideMenu(m_pages, side);
    m_sideMenu->setFixedWidth(120);
    for (const PageInfo& info : kPages) {
        auto* page = new QWidget(m_pages);
        page->setObjectName(QString::fromLatin1(info.ObjectName));
        m_sideMenu->AddPage(QString::fromUtf8(info.Caption), page);
    }
    m_version = new QLabel(side);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setText(QStringLiteral("Version ") + basQtText::ToQ(basMain::VersionText()));
    sideColumn->addWidget(m_sideMenu, 1);
    sideColumn->addWidget(m_version, 0);

    row->addWidget(side, 0);
    row->addWidget(m_pages, 1);
    setCentralWidget(central);
    connect(m_sideMenu, &clsSideMenu::PageChanged, this, &frmMain::OnPageChanged);
}

void frmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* end = file->addAction(QStringLiteral("終了(&X)"));
    end->setObjectName(QStringLiteral("mnuFile_End"));
    connect(end, &QAction::triggered, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("mnuView"));
    auto* group = new QActionGroup(view);
    group->setExclusive(true);
    for (int i = 0; i < PageCount; ++i) {
        QAction* action =
            view->addAction(QString::fromUtf8(kPages[static_cast<std::size_t>(i)].Caption));
        action->setObjectName(QStringLiteral("mnuView_Menu%1").arg(i));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { ShowPage(i); });
        m_viewActions[static_cast<std::size_t>(i)] = action;
    }
}

bool frmMain::ShowPage(int lngPage)
{
    const bool shown = m_sideMenu->ShowPage(lngPage);
    // A refused change must not leave the View menu ticking a page that is not shown.
    OnPageChanged(m_sideMenu->CurrentPage());
    return shown && CurrentPage() == lngPage;
}

int frmMain::CurrentPage() const
{
    return m_sideMenu->CurrentPage();
}

QWidget* frmMain::PageWidget(int lngPage) const
{
    return m_pages->widget(lngPage);
}

void frmMain::OnPageChanged(int lngPage)
{
    for (int i = 0; i < PageCount; ++i) {
        m_viewActions[static_cast<std::size_t>(i)]->setChecked(i == lngPage);
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // A failed write is reported by the file helper; the window still closes, since the
    // user could do nothing about it from here and the old file is kept intact.
    m_settings.Save();
    event->accept();
}
