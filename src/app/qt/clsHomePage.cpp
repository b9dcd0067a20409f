#include "app/qt/clsHomePage.h"

#include "app/basLinks.h"
#include "app/clsCommandGate.h"
#include "app/clsRoundFacet.h"
#include "app/clsTGame.h"
#include "app/qt/clsGameView.h"
#include "base/clsShell.h"
#include "reference/clsDrovaneDownload.h"
#include "reference/qt/frmTeamName.h"
#include "results/qt/frmOdds.h"
#include "results/qt/frmProbability.h"
#include "store/clsTMain.h"
#include "store/qt/frmDownloadAll.h"
#include "widgets/clsGridView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>

namespace {
struct DownloadInfo
{
    const char* ObjectName;
    const char* Caption;
    const char* Tip;
};
constexpr std::array<DownloadInfo, 3> kDownloads{{
    {"cmdOfficialDownload0", "開催情報",
     "この回の対戦カードと販売日程を公式サイトから読み込みます"},
    {"cmdOfficialDownload1", "投票状況", "この回の最新の投票率を公式サイトから読み込みます"},
    {"cmdOfficialDownload2", "くじ結果", "この回の試合結果と当せん金を公式サイトから読み込みます"},
}};

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

clsHomePage::clsHomePage(Parts parts, QWidget* objBlocked, QWidget* parent)
    : QWidget(parent)
    , m_parts(std::move(parts))
    , m_blocked(objBlocked)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);

    m_gameView = new clsGameView(m_parts.Game, this);
    m_gameView->setObjectName(QStringLiteral("picGame"));
    m_gameView->MatchTable()->setAccessibleName(QStringLiteral("対戦カード"));

    auto* controls = new QVBoxLayout();
    controls->setSpacing(8);
    controls->addWidget(BuildRoundGroup());
    controls->addWidget(BuildDownloadGroup());

    // A framed column of command buttons, each calling one of this page's commands.
    struct Command
    {
        const char* Caption;
        const char* ObjectName;
        void (clsHomePage::*Slot)();
        const char* Tip;
    };
    const auto commandGroup = [&](const char* strCaption, const char* strName,
                                  std::initializer_list<Command> commands) {
        auto* group = new QGroupBox(QString::fromUtf8(strCaption), this);
        group->setObjectName(QString::fromLatin1(strName));
        auto* column = new QVBoxLayout(group);
        for (const Command& c : commands) {
            auto* button = new QPushButton(QString::fromUtf8(c.Caption), group);
            button->setObjectName(QString::fromLatin1(c.ObjectName));
            button->setToolTip(QString::fromUtf8(c.Tip));
            column->addWidget(button);
            connect(button, &QPushButton::clicked, this, c.Slot);
        }
        controls->addWidget(group);
    };
    commandGroup("海外チーム名", "fraTeamName",
                 {{"最新版をダウンロード", "cmdTeamNameDownload", &clsHomePage::DownloadTeamNames,
                   "海外リーグのチーム名の一覧を最新にします"},
                  {"チーム名を追加", "cmdTeamNameEdit", &clsHomePage::EditTeamNames,
                   "一覧にない海外チームの名前を自分で登録します"}});
    commandGroup("ユーザー定義", "fraUser",
                 {{"投票率", "cmdUser", &clsHomePage::EditUserVote,
                   "自分で考えた投票率を入れます。予想配当と条件の計算に使います"},
                  {"予想確率", "cmdProbability", &clsHomePage::EditProbability,
                   "各試合の1・0・2の確率を自分の予想で入れます。期待値と確率の条件に使います"}});
    controls->addWidget(BuildLink());
    controls->addStretch(1);

    row->addWidget(m_gameView, 0, Qt::AlignTop);
    row->addLayout(controls, 0);
    row->addStretch(1);
}

clsHomePage::~clsHomePage()
{
    // The boxes go after this object: nothing may drive the controller from here on.
    m_roundBox->blockSignals(true);
    m_kumiBox->blockSignals(true);
}

QWidget* clsHomePage::BuildRoundGroup()
{
    auto* roundGroup = new QGroupBox(QStringLiteral("開催回選択"), this);
    roundGroup->setObjectName(QStringLiteral("fraRound"));
    auto* roundForm = new QGridLayout(roundGroup);
    m_roundBox = new QSpinBox(roundGroup);
    m_roundBox->setObjectName(QStringLiteral("txtKaisaikai"));
    m_roundBox->setRange(0, clsTMain::kMaxKaisaikai);
    m_roundBox->setValue(0);
    m_roundBox->setAlignment(Qt::AlignRight);
    m_roundBox->setToolTip(
        QStringLiteral("見る回の番号。変えるとその回の対戦カードを読み込みます"));
    m_kumiBox = new QComboBox(roundGroup);
    m_kumiBox->setObjectName(QStringLiteral("cmbKumi"));
    m_kumiBox->addItem(QStringLiteral("Ａ組"));
    m_kumiBox->addItem(QStringLiteral("Ｂ組"));
    m_kumiBox->setCurrentIndex(0);
    m_kumiBox->setToolTip(QStringLiteral("同じ回にA組とB組があるとき、どちらのくじかを選びます"));
    roundForm->addWidget(BuddyLabel(QStringLiteral("開催回"), m_roundBox, roundGroup), 0, 0);
    roundForm->addWidget(m_roundBox, 0, 1);
    roundForm->addWidget(BuddyLabel(QStringLiteral("組"), m_kumiBox, roundGroup), 1, 0);
    roundForm->addWidget(m_kumiBox, 1, 1);
    connect(m_roundBox, &QSpinBox::valueChanged, this,
            [this](int lngValue) { m_parts.Main.SetKaisaikai(lngValue); });
    connect(m_kumiBox, &QComboBox::currentIndexChanged, this,
            [this](int lngIndex) { m_parts.Main.SetKumi(lngIndex == 1 ? "B" : "A"); });
    return roundGroup;
}

QWidget* clsHomePage::BuildDownloadGroup()
{
    auto* downloadGroup = new QGroupBox(QStringLiteral("公式サイトからダウンロード"), this);
    downloadGroup->setObjectName(QStringLiteral("fraDownload"));
    auto* downloadColumn = new QVBoxLayout(downloadGroup);
    for (std::size_t i = 0; i < kDownloads.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kDownloads[i].Caption), downloadGroup);
        button->setObjectName(QString::fromLatin1(kDownloads[i].ObjectName));
        button->setToolTip(QString::fromUtf8(kDownloads[i].Tip));
        downloadColumn->addWidget(button);
        const int kind = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, kind] { DownloadRecord(kind); });
        m_downloadButtons[i] = button;
    }
    auto* all = new QPushButton(QStringLiteral("過去の回をまとめてダウンロード"), downloadGroup);
    all->setObjectName(QStringLiteral("cmdDownloadAll"));
    all->setToolTip(QStringLiteral("指定した範囲の回の開催情報・投票状況・くじ結果のうち、"
                                   "保存されていないものを続けて読み込みます"));
    downloadColumn->addWidget(all);
    connect(all, &QPushButton::clicked, this, &clsHomePage::DownloadAll);
    m_chkDownloadMessage = new QCheckBox(QStringLiteral("ダウンロード時に確認"), downloadGroup);
    m_chkDownloadMessage->setObjectName(QStringLiteral("chkDownloadMessage"));
    m_chkDownloadMessage->setToolTip(QStringLiteral("読み込む前に、始めてよいかを尋ねます"));
    downloadColumn->addWidget(m_chkDownloadMessage);
    return downloadGroup;
}

QWidget* clsHomePage::BuildLink()
{
    auto* link = new QLabel(this);
    link->setObjectName(QStringLiteral("lblSalesSchedule"));
    link->setText(QStringLiteral("<a href=\"schedule\">販売スケジュールを確認する</a>"));
    link->setAccessibleName(QStringLiteral("販売スケジュールを確認する"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setFocusPolicy(Qt::StrongFocus);
    connect(link, &QLabel::linkActivated, this,
            [this] { m_parts.Shell.ShellX(basLinks::SalesScheduleUrl(), 1, false); });
    return link;
}

void clsHomePage::ShowDocument(std::uint32_t lngParts)
{
    const clsRoundFacet& round = m_parts.Round;
    if ((lngParts & DocumentParts::PartRound) != 0) {
        m_parts.Game.SetSchedure(round.Schedule());
    }
    if ((lngParts & DocumentParts::PartVote) != 0) {
        m_parts.Game.SetVote(round.Vote());
    }
    if ((lngParts & DocumentParts::PartProbability) != 0) {
        m_parts.Game.SetProbability(round.Probability());
    }
    if ((lngParts & kGameParts) != 0) {
        RefreshGame();
    }
    if ((lngParts & DocumentParts::PartRound) != 0) {
        // A loaded file sets the round through the controller: the boxes show it.
        ShowRound(round.Kaisaikai(), round.Kumi());
        UpdateDownloadButtons();
    }
}

void clsHomePage::ShowRound(int lngKaisaikai, const std::string& strKumi)
{
    const QSignalBlocker roundBlocked(m_roundBox);
    const QSignalBlocker kumiBlocked(m_kumiBox);
    m_roundBox->setValue(lngKaisaikai);
    m_kumiBox->setCurrentIndex(strKumi == "B" ? 1 : 0);
}

void clsHomePage::SelectRound(int lngKaisaikai)
{
    m_roundBox->setValue(lngKaisaikai);
}

void clsHomePage::UpdateDownloadButtons()
{
    m_downloadButtons[DownloadSchedule]->setEnabled(!m_parts.Main.CheckScheduleFile());
    m_downloadButtons[DownloadVote]->setEnabled(!m_parts.Main.CheckVoteFile());
    m_downloadButtons[DownloadResult]->setEnabled(!m_parts.Main.CheckResultFile());
}

void clsHomePage::SetBusy(bool blnBusy)
{
    m_roundBox->setEnabled(!blnBusy);
    m_kumiBox->setEnabled(!blnBusy);
}

void clsHomePage::RefreshGame()
{
    m_gameView->Refresh();
}

bool clsHomePage::AskBeforeDownload() const
{
    return m_chkDownloadMessage->isChecked();
}

void clsHomePage::SetAskBeforeDownload(bool blnAsk)
{
    m_chkDownloadMessage->setChecked(blnAsk);
}

void clsHomePage::DownloadRecord(int lngKind)
{
    if (!m_parts.Gate.MayRun(clsCommandGate::Command::Download)) {
        return;
    }
    if (m_parts.Main.Kaisaikai() == 0) {
        m_parts.Host.Message.ShowMessage(MsgIcon::Information, "開催回を設定して下さい", "");
        return;
    }
    const bool ask = AskBeforeDownload();
    {
        DisabledScope blocked(m_blocked);
        switch (lngKind) {
        case DownloadSchedule:
            m_parts.Main.GetSchedule(ask);
            break;
        case DownloadVote:
            m_parts.Main.GetVote(ask);
            break;
        case DownloadResult:
            m_parts.Main.GetResult(ask);
            break;
        default:
            break;
        }
    }
    UpdateDownloadButtons();
}

void clsHomePage::DownloadAll()
{
    if (!m_parts.Gate.MayRun(clsCommandGate::Command::Download)) {
        return;
    }
    frmDownloadAll::Setup setup{m_parts.Main.Settings(), m_parts.Main.ProgramDir(),
                                m_parts.Main.Kaisaikai(), [this](bool blnRunning) {
                                    if (blnRunning) {
                                        m_downloadLock = m_parts.Round.LockForDownload();
                                    } else {
                                        m_downloadLock.reset();
                                    }
                                }};
    auto* dialog = new frmDownloadAll(std::move(setup), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    connect(dialog, &frmDownloadAll::downloadFinished, this, [this](int lngFrom, int lngTo) {
        // The round shown may have got its files meanwhile.
        const int shown = m_parts.Main.Kaisaikai();
        if (shown >= lngFrom && shown <= lngTo) {
            m_parts.Main.ReloadStored();
        }
        UpdateDownloadButtons();
    });
    dialog->open();
}

void clsHomePage::DownloadTeamNames()
{
    if (!m_parts.Gate.MayRun(clsCommandGate::Command::Download)) {
        return;
    }
    if (!m_parts.Shell.CheckVirtualstoreAdmin()) {
        return;
    }
    bool updated = false;
    {
        DisabledScope blocked(m_blocked);
        updated = m_parts.Drovane.DownloadTeamName2(AskBeforeDownload());
    }
    if (updated) {
        m_parts.Main.ScheduleInitialize();
    }
}

void clsHomePage::EditTeamNames()
{
    if (!m_parts.Gate.MayRun(clsCommandGate::Command::Menu)) {
        return;
    }
    auto* dialog = new frmTeamName(m_parts.Host.Message, m_parts.ProgramDir, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Whatever the dialog did, the schedule reader reads the name files again.
    connect(dialog, &QDialog::finished, this, [this] { m_parts.Main.ScheduleInitialize(); });
    dialog->open();
}

bool clsHomePage::RoundFigures(clsTOdds::Values& values, clsTOdds::TeamNames& teams) const
{
    // The document refuses without a round, and says so.
    return m_parts.Gate.MayRun(clsCommandGate::Command::Menu) &&
           m_parts.Round.UserVoteValues(values, teams);
}

void clsHomePage::EditUserVote()
{
    clsTOdds::Values values{};
    clsTOdds::TeamNames teams;
    if (!RoundFigures(values, teams)) {
        return;
    }
    auto* dialog = new frmOdds(
        values, teams,
        [this](const clsTOdds::Values& lngValue) {
            return MayApplyDialog() && m_parts.Round.SetUserVote(lngValue);
        },
        window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void clsHomePage::EditProbability()
{
    clsTOdds::Values values{};
    clsTOdds::TeamNames teams;
    // The same round check and team names as the vote rates: probabilities are a round's.
    if (!RoundFigures(values, teams)) {
        return;
    }
    auto* dialog = new frmProbability(
        m_parts.Host.Message, m_parts.Round.Probability(), teams, m_parts.Round.Vote(),
        [this](const std::optional<ProbabilityRecord>& prob) {
            if (!MayApplyDialog()) {
                return false;
            }
            // Clearing what is not there is no change to save.
            return (!prob && !m_parts.Round.Probability()) || m_parts.Round.SetProbability(prob);
        },
        window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

bool clsHomePage::MayApplyDialog()
{
    // A run may have started meanwhile from another window: the dialog stays open with its
    // values, and the user is told why.
    if (m_parts.Gate.MayRun(clsCommandGate::Command::Menu)) {
        return true;
    }
    m_parts.Host.Message.ShowMessage(MsgIcon::Warning, std::string(clsEditContext::kRunningWarning),
                                     "");
    return false;
}
