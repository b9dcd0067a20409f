#pragma once
// The home page: the round view of the round chosen here, the round and group boxes, the official
// downloads, the overseas team names and the player's own figures of the round. Its buttons run
// through the main window's command gate; a download keeps the window's pages disabled until it
// ends.

#include "app/DocumentParts.h"
#include "app/clsEditContext.h"
#include "base/clsHost.h"
#include "results/clsTOdds.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class clsCommandGate;
class clsRoundFacet;
class clsDrovaneDownload;
class clsGameView;
class clsShell;
class clsTGame;
class clsTMain;

class clsHomePage : public QWidget
{
    Q_OBJECT

public:
    enum Download
    {
        DownloadSchedule = 0,
        DownloadVote = 1,
        DownloadResult = 2
    };

    // The working parts the page's commands use; all outlive the page.
    struct Parts
    {
        clsHost Host;
        clsRoundFacet& Round;
        clsTMain& Main;
        clsTGame& Game;
        const clsCommandGate& Gate;
        clsShell& Shell;
        clsDrovaneDownload& Drovane;
        std::string ProgramDir;
    };

    // objBlocked: what a download disables while it pumps events (the window's pages).
    clsHomePage(Parts parts, QWidget* objBlocked, QWidget* parent = nullptr);
    ~clsHomePage() override;

    // The document's parts the round view shows.
    static constexpr std::uint32_t kGameParts =
        DocumentParts::PartRound | DocumentParts::PartVote | DocumentParts::PartProbability;

    // Follows a change of the document's parts: the round view's figures, and for a new round
    // the boxes and the download buttons.
    void ShowDocument(std::uint32_t lngParts);
    // The round and group the boxes show, set without driving the controller.
    void ShowRound(int lngKaisaikai, const std::string& strKumi);
    // The round the boxes select, driving the controller as the user's choice does.
    void SelectRound(int lngKaisaikai);
    // A download button is enabled while its file is missing.
    void UpdateDownloadButtons();
    // While a run, the work lock or a batch holds the work, the round cannot change.
    void SetBusy(bool blnBusy);
    void RefreshGame();
    // The "ダウンロード時に確認" tick.
    bool AskBeforeDownload() const;
    void SetAskBeforeDownload(bool blnAsk);

private slots:
    // The download buttons (開催情報, 投票状況, くじ結果).
    void DownloadRecord(int lngKind);
    // 過去の回をまとめてダウンロード: the dialog that fetches a range of rounds.
    void DownloadAll();
    void DownloadTeamNames();
    void EditTeamNames();
    // 投票率: the vote rates typed in the dialog become the document's vote status.
    void EditUserVote();
    // 予想確率: the player's own probabilities, typed, from odds or from the vote rates.
    void EditProbability();

private:
    // Whether a dialog's confirmed values may reach the document now; says why not.
    bool MayApplyDialog();
    QWidget* BuildRoundGroup();
    QWidget* BuildDownloadGroup();
    QWidget* BuildLink();
    // The round's vote values and team names the figure dialogs start from; false when the
    // gate or the document refuses.
    bool RoundFigures(clsTOdds::Values& values, clsTOdds::TeamNames& teams) const;

    Parts m_parts;
    QWidget* m_blocked;
    clsGameView* m_gameView = nullptr;
    QSpinBox* m_roundBox = nullptr;
    QComboBox* m_kumiBox = nullptr;
    std::array<QPushButton*, 3> m_downloadButtons{};
    QCheckBox* m_chkDownloadMessage = nullptr;
    // Held while the dialog's run writes the store.
    std::unique_ptr<clsEditContext::LockScope> m_downloadLock;
};
