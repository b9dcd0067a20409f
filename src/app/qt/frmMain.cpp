#include "app/qt/frmMain.h"

#include "app/basFileCommand.h"
#include "app/basLinks.h"
#include "app/basMain.h"
#include "app/basMainMenu.h"
#include "app/basRoundPanel.h"
#include "app/basStatusBar.h"
#include "app/basVersion.h"
#include "app/clsDocument.h"
#include "app/qt/clsCheckPage.h"
#include "app/qt/clsGameView.h"
#include "app/qt/clsJoukenPanel.h"
#include "app/qt/clsMultiPage.h"
#include "app/qt/clsRunView.h"
#include "app/qt/clsSinglePage.h"
#include "app/qt/frmKouseiBunseki.h"
#include "app/qt/frmOdds.h"
#include "app/qt/frmProbability.h"
#include "app/qt/frmRenzoku.h"
#include "app/qt/frmTeamName.h"
#include "app/qt/frmVersion.h"
#include "base/qt/basQtText.h"
#include "files/clsTClipboard.h"
#include "files/clsTFileCSV.h"
#include "lottery/clsToto.h"
#include "print/qt/frmPrint.h"
#include "widgets/clsFormScroller.h"
#include "widgets/clsGridView.h"
#include "widgets/clsSideMenu.h"
#include "widgets/clsStatusBar.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>

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

struct DownloadInfo
{
    const char* ObjectName;
    const char* Caption;
};
constexpr std::array<DownloadInfo, 3> kDownloads{{
    {"cmdOfficialDownload0", "開催情報"},
    {"cmdOfficialDownload1", "投票状況"},
    {"cmdOfficialDownload2", "くじ結果"},
}};

// The commands this window carries out itself; the others come with their pages.
constexpr std::array<basMainMenu::Item, 14> kWired{
    basMainMenu::Item::FileNew,        basMainMenu::Item::FileOpen,
    basMainMenu::Item::FileSave,       basMainMenu::Item::FileSaveAs,
    basMainMenu::Item::FileJoukenOpen, basMainMenu::Item::FileJoukenSave,
    basMainMenu::Item::FilePrint,      basMainMenu::Item::FileEnd,
    basMainMenu::Item::ViewHome,       basMainMenu::Item::ViewMulti,
    basMainMenu::Item::ViewSingle,     basMainMenu::Item::ViewCheck,
    basMainMenu::Item::HelpHelp,       basMainMenu::Item::HelpVersion};
// The single page's and the ticket set's commands (ConnectSingleCommands).
constexpr std::array<basMainMenu::Item, 26> kWiredSingle{
    basMainMenu::Item::FileCsvOpen,     basMainMenu::Item::FileCsvSave,
    basMainMenu::Item::FileCsvAdd,      basMainMenu::Item::FileCsvDel,
    basMainMenu::Item::EditSortPayout1, basMainMenu::Item::EditSortPayout2,
    basMainMenu::Item::EditSortPayout3, basMainMenu::Item::EditSortHome,
    basMainMenu::Item::EditSortDraw,    basMainMenu::Item::EditSortAway,
    basMainMenu::Item::EditSortNinki1,  basMainMenu::Item::EditSortNinki2,
    basMainMenu::Item::EditSortNinki3,  basMainMenu::Item::EditSortAscending,
    basMainMenu::Item::EditJSingleDel,  basMainMenu::Item::EditSelectAll,
    basMainMenu::Item::EditSelectNone,  basMainMenu::Item::EditSingleAdd,
    basMainMenu::Item::EditSingleDel,   basMainMenu::Item::ToolClipboard0,
    basMainMenu::Item::ToolClipboard1,  basMainMenu::Item::ToolClipboard2,
    basMainMenu::Item::ToolClipboard3,  basMainMenu::Item::EditSortEV,
    basMainMenu::Item::EditSortP,       basMainMenu::Item::ViewSinglePercent};

// A download blocks the window until it ends; only its progress window repaints. Keeping the
// rest disabled stops a click from reaching the document while the transfer pumps events.
class DisabledScope
{
public:
    explicit DisabledScope(QWidget* widget)
        : m_widget(widget)
    {
        m_widget->setEnabled(false);
    }
    ~DisabledScope() { m_widget->setEnabled(true); }
    DisabledScope(const DisabledScope&) = delete;
    DisabledScope& operator=(const DisabledScope&) = delete;

private:
    QWidget* m_widget;
};

QLabel* BuddyLabel(const QString& strText, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(strText, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(strText);
    return label;
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
{
    setObjectName(QStringLiteral("frmMain"));
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
    m_userDataFolder = m_fso.GetFullPath("UserData/Kelvra");
    m_fso.FolderCheck(m_userDataFolder);
    setWindowTitle(basQtText::ToQ(clsDocument::TitleFor({})));
    m_chkDownloadMessage->setChecked(m_settings.DownloadMessage);
    FitToScreen();

    m_docChanged =
        m_doc.SubscribeChanged([this](std::uint32_t lngParts) { OnDocumentChanged(lngParts); });
    ShowPage(PageHome);
    // The round box drives the controller; the settings' round loads that round.
    m_roundBox->setValue(std::clamp(m_settings.Kaisaikai, 0, clsTMain::kMaxKaisaikai));
    OnDocumentChanged(clsDocument::PartAll);
}

frmMain::~frmMain()
{
    // The views outlive the members they read (Qt deletes children after them): nothing may
    // call back into the document from here on.
    m_docChanged = clsSubscription();
    m_doc.SetMenuChooser(nullptr);
    if (m_roundBox != nullptr) {
        m_roundBox->blockSignals(true);
    }
    if (m_kumiBox != nullptr) {
        m_kumiBox->blockSignals(true);
    }
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
    // Roomier than the layout's minimum where the screen allows, never larger than it: at
    // 144 dpi on a 1280 x 1024 screen the minimum is what fits.
    QSize size = sizeHint().expandedTo(QSize(960, 640));
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableGeometry().size() * 0.95);
    }
    resize(size);
}

QWidget* frmMain::BuildRoundPanel(QWidget* parent)
{
    auto* panel = new QGroupBox(parent);
    panel->setObjectName(QStringLiteral("roundPanel"));
    panel->setAccessibleName(QStringLiteral("販売状況"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    m_lblRound = new QLabel(panel);
    m_lblRound->setObjectName(QStringLiteral("lblRound"));
    QFont bold = m_lblRound->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    m_lblRound->setFont(bold);
    m_lblSalesState = new QLabel(panel);
    m_lblSalesState->setObjectName(QStringLiteral("lblSalesState"));
    m_lblSalesState->setFont(bold);
    m_lblSaleStart = new QLabel(panel);
    m_lblSaleStart->setObjectName(QStringLiteral("lblSaleStart"));
    m_lblSaleEnd = new QLabel(panel);
    m_lblSaleEnd->setObjectName(QStringLiteral("lblSaleEnd"));
    m_lblResultDate = new QLabel(panel);
    m_lblResultDate->setObjectName(QStringLiteral("lblResultDate"));
    grid->addWidget(m_lblRound, 0, 0);
    grid->addWidget(m_lblSalesState, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("販売開始"), panel), 0, 1);
    grid->addWidget(m_lblSaleStart, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("販売締切"), panel), 1, 1);
    grid->addWidget(m_lblSaleEnd, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("結果発表"), panel), 2, 1);
    grid->addWidget(m_lblResultDate, 2, 2);
    grid->setColumnStretch(3, 1);
    return panel;
}

void frmMain::BuildHomePage(QWidget* page)
{
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);

    m_gameView = new clsGameView(m_game, page);
    m_gameView->setObjectName(QStringLiteral("picGame"));
    m_gameView->MatchTable()->setAccessibleName(QStringLiteral("対戦カード"));

    auto* controls = new QVBoxLayout();
    controls->setSpacing(8);

    auto* roundGroup = new QGroupBox(QStringLiteral("開催回選択"), page);
    roundGroup->setObjectName(QStringLiteral("fraRound"));
    auto* roundForm = new QGridLayout(roundGroup);
    m_roundBox = new QSpinBox(roundGroup);
    m_roundBox->setObjectName(QStringLiteral("txtKaisaikai"));
    m_roundBox->setRange(0, clsTMain::kMaxKaisaikai);
    m_roundBox->setValue(0);
    m_roundBox->setAlignment(Qt::AlignRight);
    m_kumiBox = new QComboBox(roundGroup);
    m_kumiBox->setObjectName(QStringLiteral("cmbKumi"));
    m_kumiBox->addItem(QStringLiteral("Ａ組"));
    m_kumiBox->addItem(QStringLiteral("Ｂ組"));
    m_kumiBox->setCurrentIndex(0);
    roundForm->addWidget(BuddyLabel(QStringLiteral("開催回"), m_roundBox, roundGroup), 0, 0);
    roundForm->addWidget(m_roundBox, 0, 1);
    roundForm->addWidget(BuddyLabel(QStringLiteral("組"), m_kumiBox, roundGroup), 1, 0);
    roundForm->addWidget(m_kumiBox, 1, 1);
    controls->addWidget(roundGroup);

    auto* downloadGroup = new QGroupBox(QStringLiteral("公式サイトからダウンロード"), page);
    downloadGroup->setObjectName(QStringLiteral("fraDownload"));
    auto* downloadColumn = new QVBoxLayout(downloadGroup);
    for (std::size_t i = 0; i < kDownloads.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kDownloads[i].Caption), downloadGroup);
        button->setObjectName(QString::fromLatin1(kDownloads[i].ObjectName));
        downloadColumn->addWidget(button);
        const int kind = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, kind] { DownloadRecord(kind); });
        m_downloadButtons[i] = button;
    }
    m_chkDownloadMessage = new QCheckBox(QStringLiteral("ダウンロード時に確認"), downloadGroup);
    m_chkDownloadMessage->setObjectName(QStringLiteral("chkDownloadMessage"));
    downloadColumn->addWidget(m_chkDownloadMessage);
    controls->addWidget(downloadGroup);

    // A framed column of command buttons, each calling one of this window's commands.
    struct Command
    {
        const char* Caption;
        const char* ObjectName;
        void (frmMain::*Slot)();
    };
    const auto commandGroup = [&](const char* strCaption, const char* strName,
                                  std::initializer_list<Command> commands) {
        auto* group = new QGroupBox(QString::fromUtf8(strCaption), page);
        group->setObjectName(QString::fromLatin1(strName));
        auto* column = new QVBoxLayout(group);
        for (const Command& c : commands) {
            auto* button = new QPushButton(QString::fromUtf8(c.Caption), group);
            button->setObjectName(QString::fromLatin1(c.ObjectName));
            column->addWidget(button);
            connect(button, &QPushButton::clicked, this, c.Slot);
        }
        controls->addWidget(group);
    };
    commandGroup("海外チーム名", "fraTeamName",
                 {{"最新版をダウンロード", "cmdTeamNameDownload", &frmMain::DownloadTeamNames},
                  {"チーム名を追加", "cmdTeamNameEdit", &frmMain::EditTeamNames}});
    commandGroup("ユーザー定義", "fraUser",
                 {{"投票率", "cmdUser", &frmMain::EditUserVote},
                  {"予想確率", "cmdProbability", &frmMain::EditProbability}});

    auto* link = new QLabel(page);
    link->setObjectName(QStringLiteral("lblSalesSchedule"));
    link->setText(QStringLiteral("<a href=\"schedule\">販売スケジュールを確認する</a>"));
    link->setAccessibleName(QStringLiteral("販売スケジュールを確認する"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setFocusPolicy(Qt::StrongFocus);
    connect(link, &QLabel::linkActivated, this,
            [this] { m_shell.ShellX(basLinks::SalesScheduleUrl(), 1, false); });
    controls->addWidget(link);
    controls->addStretch(1);

    row->addWidget(m_gameView, 0, Qt::AlignTop);
    row->addLayout(controls, 0);
    row->addStretch(1);

    connect(m_roundBox, &QSpinBox::valueChanged, this,
            [this](int lngValue) { m_main.SetKaisaikai(lngValue); });
    connect(m_kumiBox, &QComboBox::currentIndexChanged, this,
            [this](int lngIndex) { m_main.SetKumi(lngIndex == 1 ? "B" : "A"); });
}

void frmMain::BuildCheckPage(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    // Wider than a small screen at a large font scale: it scrolls rather than being cut off.
    auto* scroller = new clsFormScroller(page);
    scroller->setObjectName(QStringLiteral("scrCheck"));
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
    row->addWidget(m_checkPage, 0, Qt::AlignLeft | Qt::AlignTop);
    row->addStretch(1);
    scroller->SetForm(form);
    column->addWidget(scroller);
    connect(m_gameView2, &clsGameView::VoteClick, this, &frmMain::CheckVoteClicked);
    connect(m_gameView2, &clsGameView::VoteClick, this,
            [this] { m_doc.Check().SetResultCountVisible(true); });
}

void frmMain::BuildMultiPage(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    // Wider than a small screen at a large font scale: it scrolls rather than being cut off.
    auto* scroller = new clsFormScroller(page);
    scroller->setObjectName(QStringLiteral("scrMulti"));
    m_multiPage = new clsMultiPage(m_doc, m_menuChooser, m_game, scroller);
    scroller->SetForm(m_multiPage);
    column->addWidget(scroller);
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
    m_roundPanel = BuildRoundPanel(right);
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
    for (const PageInfo& info : kPages) {
        auto* page = new QWidget(m_pages);
        page->setObjectName(QString::fromLatin1(info.ObjectName));
        m_sideMenu->AddPage(QString::fromUtf8(info.Caption), page);
    }
    m_sideMenu->setAccessibleName(QStringLiteral("ページ"));
    m_sideMenu->SetGuard(
        [this](int) { return m_gate.MayRun(clsCommandGate::Command::PageChange); });
    BuildHomePage(m_pages->widget(PageHome));
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
    for (std::size_t m = 0; m < m_menus.size(); ++m) {
        m_menus[m] = menuBar()->addMenu(basQtText::ToQ(basMainMenu::kMenuCaptions[m]));
        m_menus[m]->setObjectName(basQtText::ToQ(basMainMenu::kMenuNames[m]));
        connect(m_menus[m], &QMenu::aboutToShow, this, &frmMain::UpdateMenus);
    }
    std::map<std::pair<int, std::string>, QMenu*> submenus;
    auto* pageGroup = new QActionGroup(this);
    pageGroup->setExclusive(true);
    for (const basMainMenu::ItemInfo& info : basMainMenu::Items()) {
        QMenu* menu = m_menus[static_cast<std::size_t>(info.Menu)];
        QMenu* target = menu;
        if (!info.Submenu.empty()) {
            const auto key = std::pair{info.Menu, std::string(info.Submenu)};
            auto it = submenus.find(key);
            if (it == submenus.end()) {
                if (info.SeparatorBefore && !menu->isEmpty()) {
                    menu->addSeparator();
                }
                QMenu* sub = menu->addMenu(basQtText::ToQ(info.Submenu));
                sub->setObjectName(menu->objectName() + QLatin1Char('_') +
                                   QString::number(submenus.size()));
                it = submenus.emplace(key, sub).first;
            } else if (info.SeparatorBefore) {
                it->second->addSeparator();
            }
            target = it->second;
        } else if (info.SeparatorBefore && !menu->isEmpty()) {
            menu->addSeparator();
        }
        QAction* action = target->addAction(basQtText::ToQ(info.Caption));
        action->setObjectName(basQtText::ToQ(info.ObjectName));
        action->setCheckable(info.Checkable);
        m_menuActions.emplace_back(static_cast<int>(info.Id), action);
    }
    auto action = [this](basMainMenu::Item id) {
        return m_menuActions[static_cast<std::size_t>(id)].second;
    };
    connect(action(basMainMenu::Item::FileNew), &QAction::triggered, this, &frmMain::FileNew);
    connect(action(basMainMenu::Item::FileOpen), &QAction::triggered, this, &frmMain::FileOpen);
    connect(action(basMainMenu::Item::FileSave), &QAction::triggered, this, &frmMain::FileSave);
    connect(action(basMainMenu::Item::FileSaveAs), &QAction::triggered, this, &frmMain::FileSaveAs);
    connect(action(basMainMenu::Item::FileJoukenOpen), &QAction::triggered, this,
            &frmMain::JoukenFileOpen);
    connect(action(basMainMenu::Item::FileJoukenSave), &QAction::triggered, this,
            &frmMain::JoukenFileSave);
    connect(action(basMainMenu::Item::FilePrint), &QAction::triggered, this, &frmMain::OnFilePrint);
    connect(action(basMainMenu::Item::FileEnd), &QAction::triggered, this, &QWidget::close);
    for (int i = 0; i < PageCount; ++i) {
        QAction* view = action(
            static_cast<basMainMenu::Item>(static_cast<int>(basMainMenu::Item::ViewHome) + i));
        pageGroup->addAction(view);
        connect(view, &QAction::triggered, this, [this, i] { ShowPage(i); });
        m_viewActions[static_cast<std::size_t>(i)] = view;
    }
    connect(action(basMainMenu::Item::ToolRenzoku), &QAction::triggered, this,
            [this] { OpenRenzoku(); });
    connect(action(basMainMenu::Item::HelpHelp), &QAction::triggered, this, &frmMain::OnHelpManual);
    connect(action(basMainMenu::Item::HelpVersion), &QAction::triggered, this,
            &frmMain::OnHelpVersion);
    ConnectSingleCommands();
    UpdateMenus();
}

void frmMain::UpdateMenus()
{
    basMainMenu::State state = basMainMenu::FromDocument(m_doc);
    state.Running = m_gate.Running();
    state.WorkLock = m_gate.WorkLock();
    state.Batch = m_gate.Batch();
    state.Page = m_sideMenu != nullptr ? m_sideMenu->CurrentPage() : 0;
    for (const basMainMenu::Item id : kWired) {
        state.Wired.set(static_cast<std::size_t>(id));
    }
    for (const basMainMenu::Item id : kWiredSingle) {
        state.Wired.set(static_cast<std::size_t>(id));
    }
    state.Wired.set(static_cast<std::size_t>(basMainMenu::Item::ToolClipImport));
    state.Wired.set(static_cast<std::size_t>(basMainMenu::Item::ToolRenzoku));
    state.Wired.set(static_cast<std::size_t>(basMainMenu::Item::EditSortResult));
    for (const auto& [id, action] : m_menuActions) {
        const auto item = static_cast<basMainMenu::Item>(id);
        action->setVisible(basMainMenu::Visible(item, state));
        action->setEnabled(basMainMenu::Enabled(item, state));
        if (item == basMainMenu::Item::EditSortAscending ||
            item == basMainMenu::Item::ViewSinglePercent) {
            action->setChecked(basMainMenu::Checked(item, state));
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
    if (m_gameView == nullptr) {
        return;
    }
    // Each part gets only what it shows: a new round redraws the round's views and buttons, a
    // new vote status the rates and the status bar; nothing here recounts the ticket set.
    if ((lngParts & clsDocument::PartRound) != 0) {
        m_game.SetSchedure(m_doc.Round().Schedule());
        m_game2.SetSchedure(m_doc.Round().Schedule());
    }
    if ((lngParts & clsDocument::PartVote) != 0) {
        m_game.SetVote(m_doc.Round().Vote());
        m_game2.SetVote(m_doc.Round().Vote());
    }
    if ((lngParts & (clsDocument::PartRound | clsDocument::PartVote)) != 0) {
        m_gameView->Refresh();
        m_gameView2->Refresh();
        m_multiPage->RefreshTeams();
        m_statusBar->SetPanelText(0, basQtText::ToQ(basStatusBar::Text(m_doc.Round().RoundLabel(),
                                                                       m_doc.Round().Vote())));
    }
    if ((lngParts & clsDocument::PartProbability) != 0) {
        m_game.SetProbability(m_doc.Round().Probability());
        m_game2.SetProbability(m_doc.Round().Probability());
        m_gameView->Refresh();
        m_gameView2->Refresh();
    }
    if ((lngParts & clsDocument::PartSingles) != 0 && m_singlePage != nullptr) {
        m_singlePage->Refresh();
    }
    // The title shows the unsaved-changes mark, which any change of the work may set.
    setWindowTitle(basQtText::ToQ(m_doc.Title()));
    if ((lngParts & clsDocument::PartRound) != 0) {
        // A loaded file sets the round through the controller: the boxes show it.
        const QSignalBlocker roundBlocked(m_roundBox);
        const QSignalBlocker kumiBlocked(m_kumiBox);
        m_roundBox->setValue(m_doc.Round().Kaisaikai());
        m_kumiBox->setCurrentIndex(m_doc.Round().Kumi() == "B" ? 1 : 0);
        RefreshRoundPanel();
        UpdateDownloadButtons();
        emit PayoutGradesChanged(clsToto::GetMaxGrade(m_doc.Round().Kaisaikai()));
    }
    UpdateBusyControls();
    UpdateMenus();
}

void frmMain::UpdateBusyControls()
{
    const bool busy = m_gate.Busy();
    m_multiPage->SetBusy(busy);
    m_roundBox->setEnabled(!busy);
    m_kumiBox->setEnabled(!busy);
}

void frmMain::RefreshRoundPanel()
{
    if (m_roundPanel == nullptr) {
        return;
    }
    const basRoundPanel::Texts texts =
        basRoundPanel::Build(m_doc.Round().Schedule(), DateTime::Now());
    m_roundPanel->setVisible(texts.Visible);
    m_lblRound->setText(basQtText::ToQ(m_doc.Round().RoundLabel()));
    m_lblSalesState->setText(basQtText::ToQ(texts.State));
    m_lblSaleStart->setText(basQtText::ToQ(texts.SaleStart));
    m_lblSaleEnd->setText(basQtText::ToQ(texts.SaleEnd));
    m_lblResultDate->setText(basQtText::ToQ(texts.ResultDate));
}

void frmMain::UpdateDownloadButtons()
{
    m_downloadButtons[DownloadSchedule]->setEnabled(!m_main.CheckScheduleFile());
    m_downloadButtons[DownloadVote]->setEnabled(!m_main.CheckVoteFile());
    m_downloadButtons[DownloadResult]->setEnabled(!m_main.CheckResultFile());
}

void frmMain::DownloadRecord(int lngKind)
{
    if (!m_gate.MayRun(clsCommandGate::Command::Download)) {
        return;
    }
    if (m_main.Kaisaikai() == 0) {
        m_host.Message.ShowMessage(MsgIcon::Information, "開催回を設定して下さい", "");
        return;
    }
    const bool ask = m_chkDownloadMessage->isChecked();
    {
        DisabledScope blocked(centralWidget());
        switch (lngKind) {
        case DownloadSchedule:
            m_main.GetSchedule(ask);
            break;
        case DownloadVote:
            m_main.GetVote(ask);
            break;
        case DownloadResult:
            m_main.GetResult(ask);
            break;
        default:
            break;
        }
    }
    UpdateDownloadButtons();
}

void frmMain::DownloadTeamNames()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Download)) {
        return;
    }
    if (!m_shell.CheckVirtualstoreAdmin()) {
        return;
    }
    bool updated = false;
    {
        DisabledScope blocked(centralWidget());
        updated = m_drovane.DownloadTeamName2(m_chkDownloadMessage->isChecked());
    }
    if (updated) {
        m_main.ScheduleInitialize();
    }
}

void frmMain::EditTeamNames()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    auto* dialog = new frmTeamName(m_host.Message, m_programDir, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Whatever the dialog did, the schedule reader reads the name files again.
    connect(dialog, &QDialog::finished, this, [this] { m_main.ScheduleInitialize(); });
    dialog->open();
}

void frmMain::OnFilePrint()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    PrintJobInput input;
    input.Singles = m_doc.Tickets().Singles();
    input.Kaisaikai = m_doc.Round().Kaisaikai();
    input.Kumi = m_doc.Round().Kumi();
    input.FileName = std::filesystem::path(m_doc.CurrentFile()).filename().string();
    input.ProgramFolder = m_programDir;
    input.LegalNotice = std::string(basVersion::kLegalNotice);
    frmPrint::ShowForm(input, m_host, this);
}

void frmMain::SetFileDialog(clsIFileDialog* objDialog)
{
    m_fileDialog = objDialog != nullptr ? objDialog : &m_qtFileDialog;
}

void frmMain::JoukenFileOpen()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    using namespace basFileCommand;
    const std::string strFile =
        WithExtension(m_fileDialog->Open(std::string(kOpenCaption), std::string(kJoukenFilter),
                                         std::string(), m_userDataFolder),
                      kJoukenExtension);
    if (!strFile.empty() && m_doc.FileLoadDRD(strFile, false, true)) {
        ShowPage(PageMulti);
    }
}

void frmMain::JoukenFileSave()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    using namespace basFileCommand;
    const std::string strFile =
        WithExtension(m_fileDialog->Save(std::string(kSaveCaption), std::string(kJoukenFilter),
                                         std::string(kJoukenProposedName), m_userDataFolder),
                      kJoukenExtension);
    if (!strFile.empty()) {
        m_doc.FileSaveDRD(strFile, false, true);
    }
}

// The work-file commands.

void frmMain::FileNew()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu) || !ConfirmDiscard()) {
        return;
    }
    ShowPage(PageHome);
    m_doc.New();
}

bool frmMain::FileOpen()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu) || !ConfirmDiscard()) {
        return false;
    }
    using namespace basFileCommand;
    const std::string strFile = WithExtension(
        m_fileDialog->Open(std::string(kOpenCaption), std::string(kDataFilter),
                           DataProposedName(m_doc.Round().Kaisaikai(), m_doc.Round().Kumi()),
                           m_userDataFolder),
        kDataExtension);
    return !strFile.empty() && OpenDataFile(strFile);
}

bool frmMain::OpenDataFile(const std::string& strFileName)
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu) ||
        !m_doc.FileLoadDRD(strFileName, true, true)) {
        return false;
    }
    ShowPage(PageMulti);
    return true;
}

bool frmMain::FileSave()
{
    if (m_doc.CurrentFile().empty()) {
        return FileSaveAs();
    }
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return false;
    }
    return m_doc.FileSaveDRD(m_doc.CurrentFile(), true, true);
}

bool frmMain::FileSaveAs()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return false;
    }
    using namespace basFileCommand;
    const std::string strFile = WithExtension(
        m_fileDialog->Save(std::string(kSaveCaption), std::string(kDataFilter),
                           DataProposedName(m_doc.Round().Kaisaikai(), m_doc.Round().Kumi()),
                           m_userDataFolder),
        kDataExtension);
    return !strFile.empty() && m_doc.FileSaveDRD(strFile, true, true);
}

bool frmMain::ConfirmDiscard()
{
    // Nothing may be dropped or saved while a run, a batch or a file operation holds the work.
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return false;
    }
    return m_doc.QuerySaveChanges([this] { return FileSave(); });
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
    if (!m_gate.MayRun(clsCommandGate::Command::Close) || !ConfirmDiscard()) {
        event->ignore();
        return;
    }
    m_settings.Kaisaikai = m_main.Kaisaikai();
    m_settings.DownloadMessage = m_chkDownloadMessage->isChecked();
    m_settings.ResultAll = m_doc.Check().ShowAllResults();
    // A failed write is reported by the file helper; the window still closes, since the
    // user could do nothing about it from here and the old file is kept intact.
    m_settings.Save();
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
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new clsFormScroller(page);
    scroller->setObjectName(QStringLiteral("scrSingle"));
    m_singlePage = new clsSinglePage(m_doc.Tickets(), m_doc.Round(), m_host.Message, scroller);
    scroller->SetForm(m_singlePage);
    column->addWidget(scroller);
    connect(m_singlePage, &clsSinglePage::SortRequested, this, &frmMain::SortPopup);
}

void frmMain::ConnectSingleCommands()
{
    using I = basMainMenu::Item;
    auto action = [this](I id) { return m_menuActions[static_cast<std::size_t>(id)].second; };
    auto gated = [this](auto fn) {
        return [this, fn] {
            if (m_gate.MayRun(clsCommandGate::Command::Menu)) {
                fn();
            }
        };
    };
    connect(action(I::FileCsvOpen), &QAction::triggered, this, &frmMain::CsvOpen);
    connect(action(I::FileCsvSave), &QAction::triggered, this, &frmMain::CsvSave);
    connect(action(I::FileCsvAdd), &QAction::triggered, this, &frmMain::CsvAdd);
    connect(action(I::FileCsvDel), &QAction::triggered, this, &frmMain::CsvDel);
    for (int k = 0; k <= static_cast<int>(clsTicketSet::kLastSortKind); ++k) {
        const auto kind = static_cast<clsTicketSet::SortKind>(k);
        connect(action(static_cast<I>(static_cast<int>(I::EditSortPayout1) + k)),
                &QAction::triggered, this, [this, kind] { SortSingles(kind); });
    }
    connect(action(I::EditSortAscending), &QAction::triggered, this,
            gated([this] { m_doc.Tickets().SetSortAscending(!m_doc.Tickets().SortAscending()); }));
    connect(action(I::EditJSingleDel), &QAction::triggered, this, &frmMain::RemoveDuplicateSingles);
    connect(action(I::EditSelectAll), &QAction::triggered, this,
            gated([this] { m_doc.Tickets().SheetSelectAll(true); }));
    connect(action(I::EditSelectNone), &QAction::triggered, this,
            gated([this] { m_doc.Tickets().SheetSelectAll(false); }));
    connect(action(I::EditSingleAdd), &QAction::triggered, this,
            gated([this] { m_doc.Tickets().SheetAdd(); }));
    connect(action(I::EditSingleDel), &QAction::triggered, this,
            gated([this] { m_doc.Tickets().SheetSelectDelete(); }));
    for (int i = 0; i < 4; ++i) {
        connect(action(static_cast<I>(static_cast<int>(I::ToolClipboard0) + i)),
                &QAction::triggered, this, [this, i] { ClipboardCopy(i); });
    }
    connect(action(I::ToolClipImport), &QAction::triggered, this, &frmMain::ClipboardImport);
    // The action ticks itself; the document's flag decides, and UpdateMenus shows it.
    connect(action(I::ViewSinglePercent), &QAction::triggered, this, [this] {
        if (m_gate.MayRun(clsCommandGate::Command::Menu)) {
            m_doc.Tickets().SetSinglePercent(!m_doc.Tickets().SinglePercent());
        }
        UpdateMenus();
    });
    connect(action(I::EditSortResult), &QAction::triggered, this,
            gated([this] { m_doc.Tickets().SortByWinnings(); }));
}

void frmMain::SortPopup()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    UpdateMenus();
    using I = basMainMenu::Item;
    PopupMenu menu;
    menu.Name = "mnuEdit_Sort";
    for (int id = static_cast<int>(I::EditSortPayout1);
         id <= static_cast<int>(I::EditSortAscending); ++id) {
        const basMainMenu::ItemInfo& info = basMainMenu::Info(static_cast<I>(id));
        if (static_cast<I>(id) == I::EditSortResult) {
            continue; // by winnings belongs to the check page
        }
        if (info.SeparatorBefore) {
            PopupMenuItem separator;
            separator.Caption = "-";
            menu.Items.push_back(separator);
        }
        const QAction* action = m_menuActions[static_cast<std::size_t>(id)].second;
        PopupMenuItem item;
        item.Caption = std::string(info.Caption);
        item.Visible = action->isVisible();
        item.Enabled = action->isEnabled();
        item.Checked = action->isChecked();
        item.Index = id + 1;
        menu.Items.push_back(item);
    }
    const PopupMenuItem* chosen = m_menuChooser.Choose(menu);
    if (chosen == nullptr || chosen->Index <= 0) {
        return;
    }
    const auto id = static_cast<I>(chosen->Index - 1);
    if (id == I::EditSortAscending) {
        m_doc.Tickets().SetSortAscending(!m_doc.Tickets().SortAscending());
        UpdateMenus();
        return;
    }
    SortSingles(static_cast<clsTicketSet::SortKind>(static_cast<int>(id) -
                                                    static_cast<int>(I::EditSortPayout1)));
}

void frmMain::SortSingles(clsTicketSet::SortKind kind)
{
    if (m_gate.MayRun(clsCommandGate::Command::Menu)) {
        m_doc.Tickets().SortSingles(kind);
    }
}

void frmMain::RemoveDuplicateSingles()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    m_doc.Tickets().RemoveDuplicateSingles();
    ShowPage(PageSingle);
}

void frmMain::CsvOpen()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    if (!ConfirmDiscard()) {
        return;
    }
    using namespace basFileCommand;
    const std::string strFile =
        WithExtension(m_fileDialog->Open(std::string(kOpenCaption), std::string(kCsvFilter),
                                         clsTFileCSV::GetCsvFileName(m_doc.Round().Kaisaikai(),
                                                                     m_doc.Round().Kumi()),
                                         m_userDataFolder),
                      kCsvExtension);
    if (!strFile.empty() && m_doc.Tickets().CsvOpen(strFile)) {
        ShowPage(PageSingle);
    }
}

void frmMain::CsvSave()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    using namespace basFileCommand;
    const std::string strFile =
        WithExtension(m_fileDialog->Save(std::string(kSaveCaption), std::string(kCsvFilter),
                                         clsTFileCSV::GetCsvFileName(m_doc.Round().Kaisaikai(),
                                                                     m_doc.Round().Kumi()),
                                         m_userDataFolder),
                      kCsvExtension);
    if (!strFile.empty()) {
        m_doc.Tickets().CsvSave(strFile);
    }
}

void frmMain::CsvAdd()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    using namespace basFileCommand;
    const std::string strFile =
        WithExtension(m_fileDialog->Open(std::string(kCsvAddCaption), std::string(kCsvFilter),
                                         std::string(), m_userDataFolder),
                      kCsvExtension);
    if (!strFile.empty() && m_doc.Tickets().CsvAdd(strFile)) {
        ShowPage(PageSingle);
    }
}

void frmMain::CsvDel()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    using namespace basFileCommand;
    const std::string strFile =
        WithExtension(m_fileDialog->Open(std::string(kCsvDelCaption), std::string(kCsvFilter),
                                         std::string(), m_userDataFolder),
                      kCsvExtension);
    if (!strFile.empty() && m_doc.Tickets().CsvDel(strFile)) {
        ShowPage(PageSingle);
    }
}

void frmMain::ClipboardCopy(int lngItem)
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu) || lngItem < 0 || lngItem > 3) {
        return;
    }
    // The writer's item 2 is the menu's separator.
    const std::int32_t index = lngItem < 2 ? lngItem : lngItem + 1;
    clsTClipboard(m_host.Clipboard, m_host.Message, m_host.Busy, basMain::VersionText())
        .Copy(index, m_doc.GatherRecord(), m_doc.Round().Schedule());
}

void frmMain::ClipboardImport()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    if (m_doc.Tickets().ClipImport() > 0) {
        ShowPage(PageCheck);
    }
}

void frmMain::EditUserVote()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    clsTOdds::Values values{};
    clsTOdds::TeamNames teams;
    if (!m_doc.Round().UserVoteValues(values, teams)) {
        return;
    }
    auto* dialog = new frmOdds(values, teams, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        // A run may have started meanwhile from another window: the gate decides again.
        if (dialog->Confirmed() && m_gate.MayRun(clsCommandGate::Command::Menu)) {
            m_doc.Round().SetUserVote(dialog->Values());
        }
    });
    dialog->open();
}

void frmMain::EditProbability()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    clsTOdds::Values values{};
    clsTOdds::TeamNames teams;
    // The same round check and team names as the vote rates: probabilities are a round's.
    if (!m_doc.Round().UserVoteValues(values, teams)) {
        return;
    }
    auto* dialog = new frmProbability(m_host.Message, m_doc.Round().Probability(), teams,
                                      m_doc.Round().Vote(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog](int lngResult) {
        if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
            return;
        }
        if (lngResult == frmProbability::Cleared) {
            // Clearing what is not there is no change to save.
            if (m_doc.Round().Probability()) {
                m_doc.Round().SetProbability(std::nullopt);
            }
        } else if (dialog->Confirmed()) {
            m_doc.Round().SetProbability(dialog->Result());
        }
    });
    dialog->open();
}

// The batch-run window.

frmRenzoku* frmMain::OpenRenzoku()
{
    if (!m_gate.MayRun(clsCommandGate::Command::Menu)) {
        return nullptr;
    }
    // One batch window at most: two would drive the one document in turns.
    if (m_renzoku == nullptr) {
        m_renzoku = new frmRenzoku(*this);
    }
    m_renzoku->show();
    m_renzoku->raise();
    m_renzoku->activateWindow();
    return m_renzoku;
}

void frmMain::SetBatch(bool blnBatch)
{
    // Told to every view as a run-state change.
    m_gate.SetBatch(blnBatch);
    UpdateBusyControls();
    UpdateMenus();
}
