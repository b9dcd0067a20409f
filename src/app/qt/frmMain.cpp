#include "app/qt/frmMain.h"

#include "app/basLinks.h"
#include "app/basMain.h"
#include "app/basMainMenu.h"
#include "app/basStatusBar.h"
#include "app/basVersion.h"
#include "app/clsDocument.h"
#include "app/clsSessionFile.h"
#include "app/qt/basQtMainMenu.h"
#include "app/qt/clsCheckPage.h"
#include "app/qt/clsGameView.h"
#include "app/qt/clsHomePage.h"
#include "app/qt/clsJoukenPanel.h"
#include "app/qt/clsMultiPage.h"
#include "app/qt/clsRoundPanelView.h"
#include "app/qt/clsRunView.h"
#include "app/qt/clsSinglePage.h"
#include "app/qt/frmBacktest.h"
#include "app/qt/frmLedger.h"
#include "app/qt/frmRenzoku.h"
#include "app/qt/frmVersion.h"
#include "base/qt/basQtText.h"
#include "engines/qt/frmKouseiBunseki.h"
#include "files/clsTClipboard.h"
#include "lottery/clsToto.h"
#include "print/qt/frmPrint.h"
#include "widgets/clsFormScroller.h"
#include "widgets/clsGridView.h"
#include "widgets/clsSideMenu.h"
#include "widgets/clsStatusBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {
// Each page's object name and side-menu caption.
constexpr std::array<std::pair<const char*, const char*>, frmMain::PageCount> kPages{{
    {"pageHome", "ホーム"},
    {"pageMulti", "マルチ"},
    {"pageSingle", "シングル"},
    {"pageCheck", "チェック"},
}};

// Wider than a small screen at a large font scale, a page scrolls rather than being cut off.
clsFormScroller* ScrolledPage(QWidget* page, const char* strName)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new clsFormScroller(page);
    scroller->setObjectName(QString::fromLatin1(strName));
    column->addWidget(scroller);
    return scroller;
}
} // namespace

frmMain::frmMain(clsHost host, std::string strProgramDir, const TotoSettings& settings,
                 std::string strMakerSite, std::optional<std::uint64_t> lngSeed, QWidget* parent)
    : QMainWindow(parent)
    , m_host(host)
    , m_progressWait(m_host.Wait, this)
    , m_netHost{m_host.Message, m_host.Ask,       m_host.Pump,  m_host.Busy,
                m_progressWait, m_host.Clipboard, m_host.Opener}
    , m_programDir(std::move(strProgramDir))
    , m_fso(m_programDir)
    , m_settings(m_host.Message, m_programDir)
    , m_main(m_netHost, settings, m_programDir)
    , m_game(m_host.Message, m_programDir)
    , m_ownedDoc(std::make_unique<clsDocument>(m_host, m_main, lngSeed))
    , m_doc(*m_ownedDoc)
    , m_game2(m_host.Message, m_programDir)
    , m_inet(m_host.Message, m_host.Busy, m_progressWait)
    , m_drovane(m_host, m_inet, m_programDir, std::move(strMakerSite))
    , m_gate(m_doc.Edit())
    , m_shell(m_host.Opener, m_host.Pump, m_host.Message, m_programDir)
    , m_userDataFolder(m_fso.GetFullPath("UserData/Kelvra"))
    , m_files(m_doc, m_gate, m_qtFileDialog, m_userDataFolder,
              [this](clsFileCommands::Page page) { ShowPage(static_cast<int>(page)); })
{
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    SetMenuChooser(nullptr);
    m_doc.SetMenuChooser(&m_menuChooser);
    m_settings.Load();
    m_main.Initialize();
    m_game.Initialize(true);
    m_game2.Initialize(false);
    BuildPages();
    BuildMenus();
    m_statusBar = new clsStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->AddPanel(0);
    setStatusBar(m_statusBar);
    m_fso.FolderCheck(m_userDataFolder);
    setWindowTitle(basQtText::ToQ(clsDocument::TitleFor({})));
    m_homePage->SetAskBeforeDownload(m_settings.DownloadMessage);
    FitToScreen();

    m_docChanged =
        m_doc.SubscribeChanged([this](std::uint32_t lngParts) { OnDocumentChanged(lngParts); });
    ShowPage(PageHome);
    // The round box drives the controller; the settings' round loads that round.
    m_homePage->SelectRound(std::clamp(m_settings.Kaisaikai, 0, clsTMain::kMaxKaisaikai));
    OnDocumentChanged(clsDocument::PartAll);
}

frmMain::~frmMain()
{
    // The views outlive the members they read (Qt deletes children after them): nothing may
    // call back into the document from here on.
    m_docChanged = clsSubscription();
    m_doc.SetMenuChooser(nullptr);
    // The pages and the tool windows unsubscribe from the document and hand back its sinks as
    // they go, so they go now, while it is still there.
    // The tool windows first: they may still reach the pages.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            delete child;
        }
    }
    delete takeCentralWidget();
}

void frmMain::FitToScreen()
{
    // Roomier than the layout's minimum where the screen allows, never larger than it. A
    // window that wants more than most of the screen (144 dpi on 1920 x 1200) gets all of it:
    // the margin left around it would push the run's results off the page.
    QSize size = sizeHint().expandedTo(QSize(960, 640));
    if (const QScreen* shown = screen()) {
        const QSize available = shown->availableGeometry().size();
        const QSize roomy = available * 0.95;
        size = size.width() <= roomy.width() && size.height() <= roomy.height()
                   ? size
                   : size.boundedTo(available);
    }
    resize(size);
}

void frmMain::BuildCheckPage(QWidget* page)
{
    clsFormScroller* scroller = ScrolledPage(page, "scrCheck");
    auto* form = new QWidget(scroller);
    auto* row = new QHBoxLayout(form);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);
    m_gameView2 = new clsGameView(m_game2, form);
    m_gameView2->setObjectName(QStringLiteral("picGame2"));
    m_gameView2->MatchTable()->setAccessibleName(QStringLiteral("対戦カード"));
    // The settings are read by now; the round the window loads next is shown by them.
    m_doc.Check().SetShowAllResults(m_settings.ResultAll);
    m_checkPage = new clsCheckPage(m_doc.Check(), m_doc.Tickets(), m_gameView2, form);
    connect(m_checkPage, &clsCheckPage::BoughtClicked, this, &frmMain::OnBoughtClicked);
    row->addWidget(m_checkPage, 0, Qt::AlignLeft | Qt::AlignTop);
    row->addStretch(1);
    scroller->SetForm(form);
    connect(m_gameView2, &clsGameView::VoteClick, this, &frmMain::CheckVoteClicked);
    connect(m_gameView2, &clsGameView::VoteClick, this,
            [this] { m_doc.Check().SetResultCountVisible(true); });
}

void frmMain::BuildMultiPage(QWidget* page)
{
    clsFormScroller* scroller = ScrolledPage(page, "scrMulti");
    m_multiPage = new clsMultiPage(m_doc, m_menuChooser, m_game, scroller);
    scroller->SetForm(m_multiPage);
    clsJoukenPanel* panel = m_multiPage->JoukenPanel();
    connect(this, &frmMain::PayoutGradesChanged, panel, &clsJoukenPanel::SetMaxGrade);
    connect(panel, &clsJoukenPanel::KouseiBunsekiRequested, this, &frmMain::OpenKouseiBunseki);
    // A click on a table's tab closes the analyses, which were of the tab shown before.
    connect(panel, &clsJoukenPanel::TableTabClicked, this, &frmMain::CloseKouseiBunsekiWindows);
}

void frmMain::BuildPages()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(4, 4, 4, 4);

    auto* right = new QWidget(central);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    m_roundPanel = new clsRoundPanelView(right);
    m_pages = new QStackedWidget(right);
    m_pages->setObjectName(QStringLiteral("pages"));
    rightColumn->addWidget(m_roundPanel, 0);
    rightColumn->addWidget(m_pages, 1);

    auto* side = new QWidget(central);
    side->setObjectName(QStringLiteral("sidePanel"));
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    m_sideMenu = new clsSideMenu(m_pages, side);
    m_sideMenu->setFixedWidth(120);
    for (const auto& [name, caption] : kPages) {
        auto* page = new QWidget(m_pages);
        page->setObjectName(QString::fromLatin1(name));
        m_sideMenu->AddPage(QString::fromUtf8(caption), page);
    }
    m_sideMenu->setAccessibleName(QStringLiteral("ページ"));
    m_sideMenu->setToolTip(QStringLiteral("見るページを選びます（検索中は切り替えられません）"));
    m_sideMenu->SetGuard(
        [this](int) { return m_gate.MayRun(clsCommandGate::Command::PageChange); });
    auto* homeColumn = new QVBoxLayout(m_pages->widget(PageHome));
    homeColumn->setContentsMargins(0, 0, 0, 0);
    m_homePage = new clsHomePage(
        {m_host, m_doc.Round(), m_main, m_game, m_gate, m_shell, m_drovane, m_programDir}, central,
        m_pages->widget(PageHome));
    homeColumn->addWidget(m_homePage);
    BuildMultiPage(m_pages->widget(PageMulti));
    BuildSinglePage(m_pages->widget(PageSingle));
    BuildCheckPage(m_pages->widget(PageCheck));
    m_version = new QLabel(side);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setText(QStringLiteral("Version ") + basQtText::ToQ(basMain::VersionText()));
    sideColumn->addWidget(m_sideMenu, 1);
    sideColumn->addWidget(m_version, 0);

    row->addWidget(side, 0);
    row->addWidget(right, 1);
    setCentralWidget(central);
    connect(m_sideMenu, &clsSideMenu::PageChanged, this, &frmMain::OnPageChanged);
}

void frmMain::BuildMenus()
{
    basQtMainMenu::Built built = basQtMainMenu::Build(menuBar());
    m_menus = built.Menus;
    m_menuActions = std::move(built.Actions);
    for (QMenu* menu : m_menus) {
        connect(menu, &QMenu::aboutToShow, this, &frmMain::UpdateMenus);
    }
    auto* pageGroup = new QActionGroup(this);
    pageGroup->setExclusive(true);
    for (int i = 0; i < PageCount; ++i) {
        QAction* view = Action(
            static_cast<basMainMenu::Item>(static_cast<int>(basMainMenu::Item::ViewHome) + i));
        pageGroup->addAction(view);
        m_viewActions[static_cast<std::size_t>(i)] = view;
    }
    // After the CSV files, before 印刷.
    QAction* print = Action(basMainMenu::Item::FilePrint);
    m_recentMenu = new QMenu(QStringLiteral("最近使ったファイル(&R)"), m_menus[0]);
    m_recentMenu->setObjectName(QStringLiteral("mnuFile_Recent"));
    m_recentMenu->setToolTipsVisible(true);
    m_menus[0]->insertMenu(print, m_recentMenu);
    m_menus[0]->insertSeparator(print);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &frmMain::RefreshRecentMenu);
    m_commands = MenuCommands();
    for (const MenuCommand& command : m_commands) {
        connect(Action(command.Item), &QAction::triggered, this,
                [this, id = command.Item] { RunCommand(id); });
    }
    UpdateMenus();
}

QAction* frmMain::Action(basMainMenu::Item id) const
{
    return m_menuActions[static_cast<std::size_t>(id)];
}

std::vector<frmMain::MenuCommand> frmMain::MenuCommands()
{
    using I = basMainMenu::Item;
    const auto item = [](I first, int lngOffset) {
        return static_cast<I>(static_cast<int>(first) + lngOffset);
    };
    std::vector<MenuCommand> rows{
        {I::FileNew, true, false, [this] { m_files.New(); }},
        {I::FileOpen, true, false, [this] { m_files.Open(); }},
        {I::FileSave, true, false, [this] { m_files.Save(); }},
        {I::FileSaveAs, true, false, [this] { m_files.SaveAs(); }},
        {I::FileJoukenOpen, true, false, [this] { m_files.JoukenOpen(); }},
        {I::FileJoukenSave, true, false, [this] { m_files.JoukenSave(); }},
        {I::FileCsvOpen, true, false, [this] { m_files.CsvOpen(); }},
        {I::FileCsvSave, true, false, [this] { m_files.CsvSave(); }},
        {I::FileCsvAdd, true, false, [this] { m_files.CsvAdd(); }},
        {I::FileCsvDel, true, false, [this] { m_files.CsvDel(); }},
        {I::FilePrint, true, false, [this] { OnFilePrint(); }},
        // Closing asks the gate as a close, which warns under a run.
        {I::FileEnd, false, false, [this] { close(); }},
        {I::EditUndo, true, false, [this] { m_doc.Undo(); }},
        {I::EditRedo, true, false, [this] { m_doc.Redo(); }},
        {I::EditSortResult, true, false, [this] { m_doc.Tickets().SortByWinnings(); }},
        {I::EditSortAscending, true, true,
         [this] { m_doc.Tickets().SetSortAscending(!m_doc.Tickets().SortAscending()); }},
        {I::EditJSingleDel, true, false,
         [this] {
             m_doc.Tickets().RemoveDuplicateSingles();
             ShowPage(PageSingle);
         }},
        {I::EditSelectAll, true, false, [this] { m_doc.Tickets().SheetSelectAll(true); }},
        {I::EditSelectNone, true, false, [this] { m_doc.Tickets().SheetSelectAll(false); }},
        {I::EditSingleAdd, true, false, [this] { m_doc.Tickets().SheetAdd(); }},
        {I::EditSingleDel, true, false, [this] { m_doc.Tickets().SheetSelectDelete(); }},
        // The action ticks itself; the document's flag decides, and UpdateMenus shows it.
        {I::ViewSinglePercent, false, true,
         [this] {
             if (m_gate.MayRun(clsCommandGate::Command::Menu)) {
                 m_doc.Tickets().SetSinglePercent(!m_doc.Tickets().SinglePercent());
             }
             UpdateMenus();
         }},
        {I::ToolClipImport, true, false,
         [this] {
             if (m_doc.Tickets().ClipImport() > 0) {
                 ShowPage(PageCheck);
             }
         }},
        {I::ToolRenzoku, true, false, [this] { OpenRenzoku(); }},
        {I::ToolBacktest, true, false, [this] { OpenBacktest(); }},
        {I::ToolLedger, true, false, [this] { OpenLedger(); }},
        {I::HelpHelp, false, false, [this] { OnHelpManual(); }},
        {I::HelpVersion, false, false, [this] { OnHelpVersion(); }},
    };
    for (int k = 0; k <= static_cast<int>(clsTicketSet::kLastSortKind); ++k) {
        const auto kind = static_cast<clsTicketSet::SortKind>(k);
        rows.push_back({item(I::EditSortPayout1, k), true, false,
                        [this, kind] { m_doc.Tickets().SortSingles(kind); }});
    }
    // A refused page change still puts the View menu's tick back on the page shown.
    for (int i = 0; i < PageCount; ++i) {
        rows.push_back({item(I::ViewHome, i), false, false, [this, i] { ShowPage(i); }});
    }
    for (int i = 0; i < 4; ++i) {
        rows.push_back({item(I::ToolClipboard0, i), true, false, [this, i] { ClipboardCopy(i); }});
    }
    return rows;
}

void frmMain::RunCommand(basMainMenu::Item id)
{
    const auto row = std::find_if(m_commands.begin(), m_commands.end(),
                                  [id](const MenuCommand& c) { return c.Item == id; });
    if (row == m_commands.end() || (row->Gated && !m_gate.MayRun(clsCommandGate::Command::Menu))) {
        return;
    }
    row->Run();
}

basMainMenu::State frmMain::MenuState() const
{
    basMainMenu::State state = basMainMenu::FromDocument(m_doc);
    state.Running = m_gate.Running();
    state.WorkLock = m_gate.WorkLock();
    state.Batch = m_gate.Batch();
    state.Page = m_sideMenu != nullptr ? m_sideMenu->CurrentPage() : 0;
    for (const MenuCommand& command : m_commands) {
        state.Wired.set(static_cast<std::size_t>(command.Item));
    }
    return state;
}

void frmMain::RefreshRecentMenu()
{
    if (m_recentMenu == nullptr) {
        return;
    }
    m_recentMenu->clear();
    const std::vector<std::string>& files = m_files.Recent().Files();
    const bool busy = m_gate.Busy();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString path = basQtText::ToQ(files[i]);
        // "&1" .. "&8": the number is the key in the open menu.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setObjectName(QStringLiteral("mnuFile_Recent%1").arg(i));
        action->setToolTip(path);
        action->setStatusTip(path);
        action->setEnabled(!busy);
        // Later: opening rebuilds this menu, and with it the action now firing.
        connect(action, &QAction::triggered, this, [this, file = files[i]] {
            QTimer::singleShot(0, this, [this, file] {
                m_files.OpenRecent(file);
                UpdateMenus();
            });
        });
    }
    if (files.empty()) {
        m_recentMenu->addAction(QStringLiteral("（なし）"))->setEnabled(false);
    }
}

void frmMain::UpdateMenus()
{
    RefreshRecentMenu();
    const basMainMenu::State state = MenuState();
    for (const MenuCommand& command : m_commands) {
        QAction* action = Action(command.Item);
        action->setVisible(basMainMenu::Visible(command.Item, state));
        action->setEnabled(basMainMenu::Enabled(command.Item, state));
        if (command.Ticked) {
            action->setChecked(basMainMenu::Checked(command.Item, state));
        }
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
    // The panel does not tick by itself; showing a page brings its countdown up to date.
    RefreshRoundPanel();
    UpdateMenus();
}

void frmMain::OnDocumentChanged(std::uint32_t lngParts)
{
    if (m_homePage == nullptr) {
        return;
    }
    // Each part gets only what it shows: a new round redraws the round's views and buttons, a
    // new vote status the rates and the status bar; nothing here recounts the ticket set.
    m_homePage->ShowDocument(lngParts);
    if ((lngParts & clsDocument::PartRound) != 0) {
        m_game2.SetSchedure(m_doc.Round().Schedule());
    }
    if ((lngParts & clsDocument::PartVote) != 0) {
        m_game2.SetVote(m_doc.Round().Vote());
    }
    if ((lngParts & clsDocument::PartProbability) != 0) {
        m_game2.SetProbability(m_doc.Round().Probability());
    }
    if ((lngParts & clsHomePage::kGameParts) != 0) {
        m_gameView2->Refresh();
    }
    if ((lngParts & (clsDocument::PartRound | clsDocument::PartVote)) != 0) {
        m_multiPage->RefreshTeams();
        m_statusBar->SetPanelText(0, basQtText::ToQ(basStatusBar::Text(m_doc.Round().RoundLabel(),
                                                                       m_doc.Round().Vote())));
    }
    if ((lngParts & clsDocument::PartSingles) != 0 && m_singlePage != nullptr) {
        m_singlePage->Refresh();
    }
    if ((lngParts & clsDocument::PartFile) != 0) {
        RefreshBought();
    }
    // The title shows the unsaved-changes mark, which any change of the work may set.
    setWindowTitle(basQtText::ToQ(m_doc.Title()));
    if ((lngParts & clsDocument::PartRound) != 0) {
        RefreshRoundPanel();
        emit PayoutGradesChanged(clsToto::GetMaxGrade(m_doc.Round().Kaisaikai()));
    }
    UpdateBusyControls();
    UpdateMenus();
}

void frmMain::UpdateBusyControls()
{
    const bool busy = m_gate.Busy();
    m_multiPage->SetBusy(busy);
    m_homePage->SetBusy(busy);
}

void frmMain::RefreshRoundPanel()
{
    if (m_roundPanel != nullptr) {
        m_roundPanel->Refresh(m_doc.Round().Schedule(), m_doc.Round().RoundLabel());
    }
}

void frmMain::OnFilePrint()
{
    PrintJobInput input;
    input.Singles = m_doc.Tickets().Singles();
    input.Kaisaikai = m_doc.Round().Kaisaikai();
    input.Kumi = m_doc.Round().Kumi();
    input.FileName = std::filesystem::path(m_doc.CurrentFile()).filename().string();
    input.ProgramFolder = m_programDir;
    input.LegalNotice = std::string(basVersion::kLegalNotice);
    input.Vote = m_doc.Round().Vote();
    frmPrint::ShowForm(input, m_host, this);
}

void frmMain::SetFileDialog(clsIFileDialog* objDialog)
{
    m_files.SetDialog(objDialog != nullptr ? *objDialog : m_qtFileDialog);
}

bool frmMain::OpenDataFile(const std::string& strFileName)
{
    return m_files.OpenFile(strFileName);
}

int frmMain::OpenFiles(const std::vector<std::string>& files)
{
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    int opened = 0;
    for (const std::string& file : files) {
        opened += m_files.OpenPath(file) ? 1 : 0;
    }
    UpdateMenus();
    return opened;
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const bool files = !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& u) {
        return u.isLocalFile();
    });
    if (files) {
        event->acceptProposedAction();
    }
}

void frmMain::dropEvent(QDropEvent* event)
{
    std::vector<std::string> files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            files.push_back(basQtText::FromQ(url.toLocalFile()));
        }
    }
    if (files.empty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: a question asked inside it would hold the other program's
    // drag until answered.
    QTimer::singleShot(0, this, [this, files] { OpenFiles(files); });
}

std::string frmMain::SessionFile() const
{
    return m_sessionFolder.empty()
               ? std::string()
               : (std::filesystem::path(m_sessionFolder) / clsSessionFile::kFileName).string();
}

void frmMain::UseSession(const std::string& strFolder)
{
    m_sessionFolder = strFolder;
    clsSessionFile session;
    if (!session.Load(SessionFile())) {
        // Not worth a box at every start: the session is a convenience and is written anew
        // on close.
        return;
    }
    m_files.Recent().Assign(session.Recent);
    m_files.SetLastFolder(session.LastFolder);
    m_bought.Assign(session.Bought);
    RefreshBought();
    if (!session.Geometry.empty()) {
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(session.Geometry)));
    }
    if (!session.WindowState.empty()) {
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(session.WindowState)));
    }
    UpdateMenus();
}

void frmMain::SaveSession()
{
    if (m_sessionFolder.empty()) {
        return;
    }
    clsSessionFile session;
    session.Recent = m_files.Recent().Files();
    session.Bought = m_bought.Files();
    session.LastFolder = m_files.LastFolder();
    session.Geometry = saveGeometry().toBase64().toStdString();
    session.WindowState = saveState().toBase64().toStdString();
    std::string error;
    if (!session.Save(SessionFile(), error)) {
        m_host.Message.ShowMessage(MsgIcon::Warning, error, "");
    }
}

void frmMain::RefreshBought()
{
    if (m_checkPage != nullptr) {
        const std::string& file = m_doc.CurrentFile();
        m_checkPage->SetBought(!file.empty(), m_bought.Contains(file));
    }
}

void frmMain::OnBoughtClicked(bool blnBought)
{
    // The player's mark, not the work's: the document stays unchanged, and the session is
    // written now so that a mark survives a crash.
    if (m_bought.Set(m_doc.CurrentFile(), blnBought)) {
        SaveSession();
    }
    RefreshBought();
}

frmLedger* frmMain::OpenLedger()
{
    auto* ledger = new frmLedger(m_host, m_programDir, m_bought.Files(), this);
    ledger->setAttribute(Qt::WA_DeleteOnClose);
    ledger->show();
    return ledger;
}

void frmMain::OnHelpManual()
{
    m_shell.ShellX(basLinks::ManualUrl(), 1, false);
}

void frmMain::OnHelpVersion()
{
    auto* box = new frmVersion(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The gate refuses under a run, a batch or the work lock, so a close never lands in the
    // middle of a pumped load or save; unsaved work is offered for saving first.
    if (!m_gate.MayRun(clsCommandGate::Command::Close) || !m_files.ConfirmDiscard()) {
        event->ignore();
        return;
    }
    m_settings.Kaisaikai = m_main.Kaisaikai();
    m_settings.DownloadMessage = m_homePage->AskBeforeDownload();
    m_settings.ResultAll = m_doc.Check().ShowAllResults();
    // A failed write is reported by the file helper; the window still closes, since the
    // user could do nothing about it from here and the old file is kept intact.
    m_settings.Save();
    SaveSession();
    event->accept();
}

// Pop-up menus and composition analysis windows.

void frmMain::SetMenuChooser(clsIMenuChooser* objChooser)
{
    m_menuChooser.Target = objChooser != nullptr ? objChooser : &m_qtMenuChooser;
}

void frmMain::OpenKouseiBunseki(JoukenKind kind, int lngTab, int lngRow)
{
    clsTKouseiBunseki::Analysis analysis;
    if (!m_doc.Marks().KouseiBunseki(kind, lngTab, lngRow, analysis)) {
        return;
    }
    auto* window = new frmKouseiBunseki(m_host.Message, this);
    window->Show(analysis);
    m_kouseiWindows.erase(std::remove(m_kouseiWindows.begin(), m_kouseiWindows.end(), nullptr),
                          m_kouseiWindows.end());
    m_kouseiWindows.emplace_back(window);
    window->show();
}

void frmMain::CloseKouseiBunsekiWindows()
{
    for (const QPointer<frmKouseiBunseki>& window : m_kouseiWindows) {
        if (window != nullptr) {
            window->close(); // deleted on close
        }
    }
    m_kouseiWindows.clear();
}

int frmMain::KouseiBunsekiWindowCount() const
{
    // A closed window is hidden at once and deleted a moment later.
    return static_cast<int>(std::count_if(
        m_kouseiWindows.begin(), m_kouseiWindows.end(),
        [](const QPointer<frmKouseiBunseki>& w) { return w != nullptr && !w->isHidden(); }));
}

// The single page and the ticket-set commands.

void frmMain::BuildSinglePage(QWidget* page)
{
    clsFormScroller* scroller = ScrolledPage(page, "scrSingle");
    m_singlePage = new clsSinglePage(m_doc.Tickets(), m_doc.Round(), m_host.Message, scroller);
    scroller->SetForm(m_singlePage);
    connect(m_singlePage, &clsSinglePage::SortRequested, this, &frmMain::SortPopup);
}

void frmMain::SortPopup()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    UpdateMenus();
    if (const auto item =
            basMainMenu::SortMenuChoice(m_menuChooser.Choose(basMainMenu::SortMenu(MenuState())))) {
        RunCommand(*item);
        UpdateMenus();
    }
}

void frmMain::ClipboardCopy(int lngItem)
{
    if (lngItem < 0 || lngItem > 3) {
        return;
    }
    // The writer's item 2 is the menu's separator.
    const std::int32_t index = lngItem < 2 ? lngItem : lngItem + 1;
    clsTClipboard(m_host.Clipboard, m_host.Message, m_host.Busy, basMain::VersionText())
        .Copy(index, m_doc.GatherRecord(), m_doc.Round().Schedule());
}

// The batch-run window.

frmRenzoku* frmMain::OpenRenzoku()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return nullptr;
    }
    // One batch window at most: two would drive the one document in turns.
    if (m_renzoku == nullptr) {
        m_renzoku = new frmRenzoku(*this, this);
    }
    m_renzoku->show();
    m_renzoku->raise();
    m_renzoku->activateWindow();
    return m_renzoku;
}

// The back-test window.

frmBacktest* frmMain::OpenBacktest()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return nullptr;
    }
    // One at most: the document keeps one back-test.
    if (m_backtest == nullptr) {
        m_backtest = new frmBacktest(
            m_doc, m_gate, [this](std::int32_t k) { OpenBacktestRound(k); }, this);
    }
    m_backtest->show();
    m_backtest->raise();
    m_backtest->activateWindow();
    return m_backtest;
}

void frmMain::OpenBacktestRound(std::int32_t lngKaisaikai)
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu) ||
        !m_doc.Round().SetKaisaikai(lngKaisaikai)) {
        return;
    }
    ShowPage(PageHome);
    raise();
    activateWindow();
}

void frmMain::SetBatch(bool blnBatch)
{
    // Told to every view as a run-state change.
    m_gate.SetBatch(blnBatch);
    UpdateBusyControls();
    UpdateMenus();
}

bool frmMain::MayStartBatch()
{
    return m_gate.MayRun(clsCommandGate::Command::Search) && m_files.ConfirmDiscard();
}

void frmMain::ShowBatchWork()
{
    ShowPage(PageMulti);
    raise();
    activateWindow();
}
