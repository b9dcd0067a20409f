#include "app/clsDocument.h"

#include "app/basMain.h"
#include "app/basVersion.h"
#include "app/basVoteRound.h"
#include "app/frmMenu.h"
#include "base/FlagScope.h"
#include "base/clsQuickSort.h"
#include "files/clsTClipImport.h"
#include "files/clsTFileCSV.h"
#include "lottery/clsTMultiPattern.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsTSingleFrame.h"
#include "lottery/clsToto.h"
#include "reference/clsTotoData.h"
#include "store/clsTMain.h"

#include <filesystem>

namespace {

// A state of the history holds all a file of the newest data version does.
constexpr std::int32_t kHistoryVersion = 1000;

std::string VersionText()
{
    return basMain::VersionText();
}

// The host with the document's message trail in place of its message box.
clsHost WithMessage(const clsHost& host, clsIMessage& message)
{
    return clsHost{message, host.Ask, host.Pump, host.Busy, host.Wait, host.Clipboard, host.Opener};
}

// Keeps the trail quiet for its lifetime (a save without dialogs).
class MuteScope
{
public:
    MuteScope(bool& blnMuted, bool blnMute)
        : m_muted(blnMuted)
        , m_was(blnMuted)
    {
        m_muted = blnMute;
    }
    ~MuteScope() { m_muted = m_was; }
    MuteScope(const MuteScope&) = delete;
    MuteScope& operator=(const MuteScope&) = delete;

private:
    bool& m_muted;
    bool m_was;
};
} // namespace

void clsDocument::MessageTrail::ShowMessage(MsgIcon icon, std::string_view strText,
                                            std::string_view strCaption)
{
    Last = strText;
    if (!Muted) {
        m_host.ShowMessage(icon, strText, strCaption);
    }
}

clsDocument::clsDocument(const clsHost& host, clsTMain& roundController,
                         std::optional<std::uint64_t> lngSeed)
    : m_host(host)
    , m_edit(
          host.Message, [this] { return Running(); }, [this] { RaiseChanged(PartRunState); })
    , m_err(host.Message, "frmMain")
    , m_main(roundController)
    , m_trail(host.Message)
    , m_drd(WithMessage(host, m_trail), VersionText(), std::string(basVersion::kLegalNotice))
    , m_tx(host.Message, host.Pump)
    , m_engine(lngSeed ? std::make_unique<clsTMsEngine>(host.Pump, m_trail, *lngSeed)
                       : std::make_unique<clsTMsEngine>(host.Pump, m_trail))
    , m_multi(host.Message)
    , m_valueCache(host.Message, host.Pump)
    , m_joukenPanels(host.Message, host.Clipboard)
    , m_tickets(host, roundController.ProgramDir())
    , m_enginePanels(host.Message, host.Clipboard)
{
    m_tx.Initialize(m_log, VersionText());
    m_engine->Initialize(m_log);
    m_roundChange = m_main.SubscribeKaisaikaiChange(
        [this](std::int32_t lngKaisaikai, const std::string& strKumi) {
            OnKaisaikaiChange(lngKaisaikai, strKumi);
        });
    m_jouken = m_joukenPanels.Gather();
    clsTSingle& sheet = m_tickets.Sheet();
    sheet.ChangeValue = [this](std::int32_t i, std::int32_t v) { OnSheetValue(i, v); };
    sheet.ChangeFrame = [this](const ::SingleFrame& f) { OnSheetFrame(f); };
    sheet.ChangeCount = [this](std::int32_t, const std::vector<std::int32_t>& list) {
        ReplaceSingles(list);
    };
    sheet.ChangeLock = [this](bool blnValue) { SetEditLock(blnValue); };
    m_undo.Reset(GatherRecord());
}

clsDocument::~clsDocument() = default;

void clsDocument::RaiseChanged(std::uint32_t lngParts)
{
    // The parts a user would lose by closing without saving; the log, the file name and the
    // run state are not work of their own.
    constexpr std::uint32_t kWorkParts = PartRound | PartVote | PartMulti | PartConditions |
                                         PartEngineSettings | PartProbability | PartSingles;
    // What a run reads: the shown result no longer follows from the work once one changes.
    constexpr std::uint32_t kRunInputs =
        PartRound | PartVote | PartMulti | PartConditions | PartEngineSettings | PartProbability;
    if (m_keepClean) {
        m_modified = false;
        m_resultStale = false;
    } else {
        if ((lngParts & kWorkParts) != 0) {
            m_modified = true;
        }
        if (!m_inRun && (lngParts & kRunInputs) != 0) {
            m_resultStale = true;
        }
    }
    if ((lngParts & kRunInputs) != 0) {
        RestartLive();
    }
    // A run changes the singles together with the log; any other change of them leaves the
    // budget figure describing tickets no longer there.
    if ((lngParts & PartSingles) != 0 && (lngParts & PartLog) == 0) {
        m_budgetReach.reset();
    }
    RecordHistory(lngParts);
    m_changed.Raise(lngParts);
}

void clsDocument::RecordHistory(std::uint32_t lngParts)
{
    constexpr std::uint32_t kWorkParts = PartRound | PartVote | PartMulti | PartConditions |
                                         PartEngineSettings | PartProbability | PartSingles;
    if (m_undoing || m_inRun || (lngParts & kWorkParts) == 0) {
        return;
    }
    // Another round's stores are not the ones the earlier states were made on.
    if (m_keepClean || (lngParts & PartRound) != 0) {
        m_undo.Reset(GatherRecord());
        if (!m_keepClean && m_modified) {
            m_undo.ForgetClean();
        }
        return;
    }
    std::string text;
    if ((lngParts & PartLog) != 0) {
        text = "検索";
    } else if ((lngParts & PartMulti) != 0) {
        text = "マークの変更";
    } else if ((lngParts & PartConditions) != 0) {
        text = "条件の変更";
    } else if ((lngParts & PartEngineSettings) != 0) {
        text = "圧縮設定の変更";
    } else if ((lngParts & PartProbability) != 0) {
        text = "予想確率の変更";
    } else if ((lngParts & PartVote) != 0) {
        text = "投票率の変更";
    } else {
        text = "シングルの変更";
    }
    m_undo.Changed(std::move(text), GatherRecord());
}

bool clsDocument::Undo()
{
    if (!CanEdit() || !m_undo.CanUndo()) {
        return false;
    }
    RestoreHistory(*m_undo.Undo());
    return true;
}

bool clsDocument::Redo()
{
    if (!CanEdit() || !m_undo.CanRedo()) {
        return false;
    }
    RestoreHistory(*m_undo.Redo());
    return true;
}

void clsDocument::RestoreHistory(const DataFileRecord& rec)
{
    {
        FlagScope undoing(m_undoing);
        // The log as a file brings it back: every line ended, the last one too.
        DataFileRecord state = rec;
        if (!state.SakugenMessage.empty()) {
            state.SakugenMessage += "\r\n";
        }
        ApplyRecord(state, true, kHistoryVersion);
        RaiseChanged(PartAll & ~(PartRound | PartFile));
    }
    // Back where it was saved, the work is as its file holds it.
    m_modified = !m_undo.AtClean();
    m_changed.Raise(PartFile);
}

void clsDocument::RaiseShown(std::uint32_t lngParts)
{
    // Another tab shown wants the spread of its own rows.
    if ((lngParts & (PartConditions | PartMulti)) != 0) {
        RestartLive();
    }
    m_changed.Raise(lngParts);
}

void clsDocument::SetLiveCount(bool blnOn)
{
    m_liveOn = blnOn;
    if (blnOn) {
        RestartLive();
    } else {
        m_live.Stop();
        m_liveResult.reset();
    }
}

void clsDocument::RestartLive()
{
    if (!m_liveOn) {
        return;
    }
    clsTLiveCount::Request req;
    req.Jouken = m_joukenPanels.Gather();
    req.Marks = m_multi.Value();
    req.Vote = m_vote;
    req.Probability = m_probability;
    for (const JoukenKind kind : {JoukenKind::Honmei, JoukenKind::Ninki, JoukenKind::Mark}) {
        const clsXJoken1& table = m_joukenPanels.Table(kind);
        const std::int32_t lngTab = table.CurrentTab();
        ConditionTableEntry entry = table.GetEntry(lngTab);
        for (std::int32_t r = 0; r < entry.RowCount; ++r) {
            req.Rows.push_back({kind, lngTab, r, entry});
        }
    }
    m_live.Start(std::move(req));
}

bool clsDocument::PollLive()
{
    if (!m_liveOn) {
        return false;
    }
    if (std::optional<clsTLiveCount::Result> result = m_live.Take()) {
        m_liveResult = std::move(result);
        m_changed.Raise(PartLive);
    }
    return m_live.Pending();
}

bool clsDocument::SetProbability(const std::optional<ProbabilityRecord>& prob)
{
    if (!CanEdit()) {
        return false;
    }
    if (prob) {
        const std::string fault = prob->Check();
        if (!fault.empty()) {
            m_err.Report("SetProbability", fault);
            return false;
        }
    }
    m_probability = prob;
    RaiseChanged(PartProbability);
    return true;
}

bool clsDocument::Running() const
{
    return m_inRun || m_tx.Run() || m_engine->Run();
}

template <typename F> bool clsDocument::MultiCommand(F&& fn)
{
    if (!CanEdit()) {
        return false;
    }
    fn();
    RaiseChanged(PartMulti);
    return true;
}

bool clsDocument::SetMarks(const MarkArray& lngValue)
{
    return MultiCommand([&] { m_multi.SetValue(lngValue); });
}

bool clsDocument::MultiMouseDown(clsTMulti::Button button, std::int32_t lngRow, std::int32_t lngCol)
{
    return MultiCommand([&] { m_multi.MouseDown(button, lngRow, lngCol); });
}

bool clsDocument::MultiMarkAll(std::int32_t lngMark)
{
    return MultiCommand([&] { m_multi.MarkAll(lngMark); });
}

bool clsDocument::MultiMarkByVoteOrder()
{
    return MultiCommand([&] { m_multi.MarkByVoteOrder(); });
}

bool clsDocument::SetLeftClickMark(std::int32_t lngMark)
{
    return MultiCommand([&] { m_multi.SetLeftClickMark(lngMark); });
}

bool clsDocument::SetVote(const VoteRecord& vote)
{
    if (!CanEdit()) {
        return false;
    }
    m_vote = vote;
    m_multi.SetVoteRecord(m_vote);
    m_tickets.HandVote(m_vote);
    RaiseChanged(PartVote);
    return true;
}

void clsDocument::SetEngineCacheLimit(std::int64_t lngEntries)
{
    m_engine->SetCacheLimit(lngEntries);
}

void clsDocument::SetLogSink(clsIMsgSink* objSink)
{
    m_log.SetSink(objSink);
}

bool clsDocument::SetKaisaikai(std::int32_t lngKaisaikai)
{
    if (!CanEdit()) {
        return false;
    }
    m_main.SetKaisaikai(lngKaisaikai);
    return true;
}

bool clsDocument::SetKumi(const std::string& strKumi)
{
    if (!CanEdit()) {
        return false;
    }
    m_main.SetKumi(strKumi);
    return true;
}

bool clsDocument::New()
{
    if (!CanEdit()) {
        return false;
    }
    MuteScope clean(m_keepClean, true);
    m_multi.Clear();
    m_probability.reset();
    m_result = m_main.Result();
    Run(); // with no marks the run leaves an empty ticket set
    m_log.Clear();
    ClearJouken();
    m_enginePanels.Clear();
    m_engineSettings = m_enginePanels.Gather();
    m_currentFile.clear();
    m_currentStamp.reset();
    RaiseChanged(PartAll);
    return true;
}

DataFileRecord clsDocument::GatherRecord() const
{
    DataFileRecord rec;
    rec.Kaisaikai = m_kaisaikai;
    rec.Kumi = m_kumi;
    rec.VoteTime = m_vote.AsOf;
    rec.Multi = m_multi.Value();
    rec.Probability = m_probability;
    rec.Jouken = m_jouken;
    rec.Engine = m_engineSettings;
    rec.MsSingleCount = m_msSingleCount;
    rec.MsSingleFrame = m_msSingleFrame;
    rec.MsTousen = m_msTousen;
    rec.SingleCount = m_singleCount;
    rec.SingleFrame = m_singleFrame;
    rec.Singles = m_singles;
    rec.SakugenMessage = m_log.Text();
    rec.Vote = m_vote;
    return rec;
}

bool clsDocument::RefusedWhileBusy()
{
    if (CanEdit()) {
        return false;
    }
    m_lastFailure = std::string(kBusyWarning);
    return true;
}

bool clsDocument::IsCurrentFile(const std::string& strFileName) const
{
    if (m_currentFile.empty()) {
        return false;
    }
    if (strFileName == m_currentFile) {
        return true;
    }
    std::error_code ec;
    return std::filesystem::equivalent(strFileName, m_currentFile, ec);
}

bool clsDocument::MayOverwrite(const std::string& strFileName, bool blnDialog)
{
    if (!m_currentStamp || !IsCurrentFile(strFileName)) {
        return true;
    }
    // A file gone meanwhile loses nothing by being written again.
    const auto now = FileStamp::Of(strFileName);
    if (!now || *now == *m_currentStamp) {
        return true;
    }
    if (blnDialog && m_host.Ask.YesNo(strFileName + "\r\n" + std::string(kChangedOnDiskQuestion),
                                      std::string(kAppTitle), false)) {
        return true;
    }
    m_lastFailure = strFileName +
                    " は読み込んだ後に他のプログラムによって変更されています。上書きせず、"
                    "保存しませんでした。";
    return false;
}

bool clsDocument::FileSaveDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog)
{
    if (RefusedWhileBusy()) {
        return false;
    }
    m_lastFailure.clear();
    m_trail.Last.clear();
    if (blnDataFlag && !MayOverwrite(strFileName, blnDialog)) {
        return false;
    }
    const bool sameFile = IsCurrentFile(strFileName);
    bool ok;
    {
        clsEditContext::LockScope lock(m_edit);
        // Asked without dialogs, the file class still tells why, to the trail alone.
        MuteScope mute(m_trail.Muted, !blnDialog);
        ok = m_drd.Save(strFileName, blnDataFlag, GatherRecord(), true);
    }
    if (!ok) {
        m_lastFailure =
            m_trail.Last.empty() ? strFileName + " に保存できませんでした。" : m_trail.Last;
    }
    if (blnDataFlag) {
        m_currentFile = strFileName; // even after a failed save, as the title shows
        if (ok) {
            m_modified = false;
            m_undo.MarkClean();
        }
        // A failed save left the current file as it was; any other file is now as it stands.
        if (ok || !sameFile) {
            m_currentStamp = FileStamp::Of(strFileName);
        }
        RaiseChanged(PartFile);
    }
    return ok;
}

bool clsDocument::FileLoadDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog)
{
    if (RefusedWhileBusy()) {
        return false;
    }
    m_lastFailure.clear();
    m_trail.Last.clear();
    // Asked without dialogs (a batch run), the file class tells why to the trail alone: a box
    // would hold the batch up until someone came to close it.
    MuteScope mute(m_trail.Muted, !blnDialog);
    // Taken before the file is read: a change made while it is read is noticed by the next save.
    const auto stamp = blnDataFlag ? FileStamp::Of(strFileName) : std::nullopt;
    std::int32_t version = 0;
    if (!m_drd.DataTypeCheck(strFileName, blnDataFlag, version)) {
        // A file that could not be read says why; one of another kind gets the window's words.
        m_lastFailure = m_trail.Last.empty() ? "Kelvraのファイルではありません。" : m_trail.Last;
        if (blnDialog) {
            m_host.Message.ShowMessage(MsgIcon::Warning, "Kelvraのファイルではありません。",
                                       "ファイルタイプ警告");
        }
        return false;
    }
    // The record a fresh document would gather: the file is read into it, and the work is only
    // replaced once the whole file has been read, so a broken file loses nothing.
    DataFileRecord rec = GatherRecord();
    rec.Jouken.Clear();
    rec.Jouken.MachigaiType = 0;
    if (blnDataFlag) {
        rec.Multi = MarkArray{};
        rec.Probability.reset();
        rec.Engine = EngineSettingsRecord{};
        rec.MsSingleCount = 0;
        rec.MsSingleFrame = ::SingleFrame{};
        rec.MsTousen = {};
        rec.SingleCount = 0;
        rec.SingleFrame = ::SingleFrame{};
        rec.Singles.clear();
        rec.SakugenMessage.clear();
        // Nor the vote status of the work before: a file without its own would take it over,
        // another round's status with it.
        rec.Vote = VoteRecord{};
        rec.VoteTime = DateTime();
    }
    bool ok;
    {
        clsEditContext::LockScope lock(m_edit);
        ok = m_drd.Load(strFileName, rec);
    }
    if (!ok) {
        m_lastFailure = "ファイルの読込に失敗しました。";
        if (!m_trail.Last.empty()) {
            m_lastFailure += " " + m_trail.Last;
        }
        if (blnDialog) {
            m_host.Message.ShowMessage(MsgIcon::Warning, "ファイルの読込に失敗しました。",
                                       std::string(kAppTitle));
        }
        return false;
    }
    if (blnDataFlag && version > 4) {
        if (const auto why = basVoteRound::DropForeignVote(rec)) {
            m_trail.ShowMessage(MsgIcon::Warning, strFileName + "\r\n" + *why,
                                std::string(kAppTitle));
        }
    }
    // A data file is the whole work, as saved; a conditions file changes the work.
    MuteScope clean(m_keepClean, blnDataFlag);
    const CellFlags taishou = m_multi.Taishou();
    if (blnDataFlag) {
        New();
    }
    ApplyRecord(rec, blnDataFlag, version);
    if (blnDataFlag) {
        m_currentFile = strFileName;
        m_currentStamp = stamp;
    }
    RaiseChanged(blnDataFlag                    ? PartAll
                 : m_multi.Taishou() == taishou ? PartConditions
                                                : PartConditions | PartMulti);
    return true;
}

void clsDocument::ApplyRecord(const DataFileRecord& rec, bool blnDataFlag,
                              std::int32_t lngDataVersion)
{
    if (blnDataFlag) {
        m_main.SetKaisaikai(rec.Kaisaikai);
        m_kaisaikai = m_main.Kaisaikai();
        if (lngDataVersion > 4) {
            m_vote = rec.Vote;
            m_main.SetVote(rec.Vote);
        } else if (m_main.GetOldVoteFile(rec.Kaisaikai, rec.VoteTime)) {
            m_vote = m_main.Vote();
        }
        m_multi.SetVoteRecord(m_vote);
        m_multi.SetValue(rec.Multi);
        m_probability = rec.Probability;
    }
    if (!blnDataFlag) {
        ClearJouken(); // a data file was cleared by New
    }
    ApplyJouken(rec.Jouken);
    if (!blnDataFlag) {
        return;
    }
    m_enginePanels.Apply(ClampedToBoxes(rec.Engine));
    m_engineSettings = m_enginePanels.Gather();
    m_budgetReach.reset();
    m_msSingleCount = rec.MsSingleCount;
    m_msSingleFrame = rec.MsSingleFrame;
    m_msTousen = rec.MsTousen;
    m_singleCount = rec.SingleCount;
    m_singleFrame = rec.SingleFrame;
    m_singles.assign(rec.Singles.begin(),
                     rec.Singles.begin() + std::min<std::size_t>(rec.Singles.size(),
                                                                 static_cast<std::size_t>(std::max(
                                                                     0, rec.SingleCount))));
    std::vector<std::string> lines;
    std::int32_t selected = -1;
    m_convert.StringtoListbox(rec.SakugenMessage, lines, selected);
    m_log.SetLines(std::move(lines));
    m_multi.GetVisible(m_covered);
    m_tx.CountMeisaiClear();
    m_tx.UpdateMeisai(m_multi.Value(), m_msSingleCount, m_msTousen);
    m_tickets.HandVote(m_vote);
    // The checker pumps events on a large set: nothing may change the set it reads meanwhile.
    clsEditContext::LockScope lock(m_edit);
    HandSingles();
}

bool clsDocument::Run()
{
    if (Running()) {
        // Only a search that waits can pause, and only until its engine step has ended: a
        // pause asked during the extraction is held for the engine.
        if (clsTMsEngine::Pausable(m_engineSettings.MsEngine) &&
            (m_tx.Run() || m_engine->RunningEngine() != clsTMsEngine::EngineKind::None)) {
            m_engine->EnginePause(!m_engine->PauseRequested());
            RaiseChanged(PartRunState);
        }
        return true;
    }
    m_engine->EnginePause(false);
    if (m_edit.WorkLock()) {
        return true;
    }
    // The run works the same count out: a live count under way would only take its processor.
    bool liveStopped = false;
    if (m_liveOn && PollLive()) {
        m_live.Stop();
        liveStopped = true;
    }
    m_engineSettings = m_enginePanels.Gather();
    m_lastFailure.clear();
    m_trail.Last.clear();
    m_stoppedInExtraction = false;
    bool ok = true;
    {
        // Running from the first line on, so that what the listeners are told now holds.
        FlagScope running(m_inRun);
        RaiseChanged(PartRunState);
        BusyScope busy(m_host.Busy);
        try {
            m_tx.SetVoteRecord(m_vote);
            m_tx.SetProbability(m_probability);
            m_tx.CountMeisaiClear();
            const MarkArray marks = m_multi.Value();
            // Exactly what the panels show.
            m_jouken = m_joukenPanels.Gather();
            const ConditionSetRecord jouken = m_jouken;
            std::int32_t count = 0;
            std::vector<std::int32_t> singles;
            m_tx.RunExtraction(jouken, marks, count, singles);
            m_stoppedInExtraction = m_tx.Cancelled();
            m_multi.GetVisible(m_covered);
            // A run that keeps no single counts no winners: never the counters of an earlier run.
            std::array<std::int32_t, 6> tousen{};
            // Nor the budget figure of an earlier run.
            std::optional<clsTMsEngine5::Reach> reach;
            if (count >= 1) {
                m_engine->SetVoteRecord(m_vote);
                m_engine->SetProbability(m_probability);
                if (!m_engine->EngineRun(count, singles, m_engineSettings, marks, tousen)) {
                    ok = false;
                    m_lastFailure = "圧縮に失敗しました。";
                    const std::string& why =
                        m_engine->LastFailure().empty() ? m_trail.Last : m_engine->LastFailure();
                    if (!why.empty()) {
                        m_lastFailure += " " + why;
                    }
                }
                reach = m_engine->LastReach();
                // The probability counts and the sort of a large set each take a while: the
                // window gets its events between them.
                m_host.Pump.DoEvents();
                if (ok && count > 0) {
                    clsQuickSort sort(m_host.Message);
                    sort.LongSort(
                        std::span<std::int32_t>(singles.data(), static_cast<std::size_t>(count)),
                        true);
                    m_host.Pump.DoEvents();
                }
            }
            // A failed compression replaces nothing: the set in hand may be the result of a long
            // search, and the log tells why this run kept none.
            if (ok) {
                singles.resize(static_cast<std::size_t>(std::max(0, count)));
                {
                    clsEditContext::LockScope lock(m_edit, false);
                    m_singleCount = count;
                    m_singles = std::move(singles);
                    RecountFrame();
                    HandSingles();
                }
                m_msSingleCount = m_singleCount;
                m_msSingleFrame = m_singleFrame;
                m_msTousen = tousen;
                m_budgetReach = reach;
                m_tx.UpdateMeisai(marks, m_singleCount, m_msTousen);
                m_tx.EndMsg(m_singleCount);
            }
        } catch (const std::exception& e) {
            ok = false;
            m_lastFailure = clsErrorReporter::FromException(e).Description;
            m_err.ReportException("cmdRun_Click", e);
        }
        m_engine->EnginePause(false);
    }
    m_resultStale = false;
    RaiseChanged(PartSingles | PartLog | PartRunState);
    if (liveStopped) {
        RestartLive();
    }
    return ok;
}

void clsDocument::Cancel()
{
    m_tx.Cancel();
    m_engine->EngineStop();
}

void clsDocument::RecountFrame()
{
    clsTSingleFrame frame(m_host.Message);
    ::SingleFrame f{};
    frame.GetSingleFrame(m_singleCount, m_singles, f);
    m_singleFrame = f;
}

bool clsDocument::SetSingles(std::vector<std::int32_t> lngSingle)
{
    return CanEdit() && ReplaceSingles(std::move(lngSingle));
}

void clsDocument::OnKaisaikaiChange(std::int32_t lngKaisaikai, const std::string& strKumi)
{
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_schedule = m_main.Schedule();
    m_vote = m_main.Vote();
    m_result = m_main.Result();
    m_multi.SetVoteRecord(m_vote);
    m_tickets.HandVote(m_vote);
    m_tickets.HandResult(m_kaisaikai, m_kumi, m_result);
    m_roundLabel =
        " 第 " + (lngKaisaikai == 0 ? std::string(" ") : std::to_string(lngKaisaikai)) + " 回 ";
    if (!strKumi.empty()) {
        m_roundLabel += " [ " + strKumi + "組 ] ";
    }
    // Choosing the round of a new, untouched work is how it begins, not a change to lose.
    MuteScope clean(m_keepClean, m_keepClean || (m_currentFile.empty() && !m_modified));
    const ConditionSetRecord before = m_jouken;
    ScheduleJouken();
    m_jouken = m_joukenPanels.Gather();
    const std::uint32_t lngTaishou = FollowTaishou() ? PartMulti : 0u;
    RaiseChanged(PartRound | PartVote | (m_jouken == before ? 0u : PartConditions) | lngTaishou);
}

std::string clsDocument::TitleFor(const std::string& strCurrentFile, bool blnModified)
{
    std::string s = " Drovane  Kelvra";
    if (!strCurrentFile.empty()) {
        s += " - [" + std::filesystem::path(strCurrentFile).filename().string() + "]";
    }
    if (blnModified) {
        s += " *";
    }
    return s;
}

// Unsaved changes, the compression panels and the run button.

bool clsDocument::QuerySaveChanges(const std::function<bool()>& fnSave, AskAnswer ansDefault)
{
    if (!CanEdit()) {
        return false; // nothing can be saved or dropped under a run or a file operation
    }
    if (!m_modified) {
        return true;
    }
    switch (m_host.Ask.YesNoCancel(kSaveChangesQuestion, kAppTitle, "保存", "保存しない",
                                   "キャンセル", ansDefault)) {
    case AskAnswer::Yes:
        // A save that failed, or one the user cancelled in its dialog, keeps the work open.
        return fnSave && fnSave() && !m_modified;
    case AskAnswer::No:
        return true;
    case AskAnswer::Cancel:
        break;
    }
    return false;
}

bool clsDocument::EditEngineSettings(const std::function<void(clsEnginePanels&)>& fnEdit)
{
    if (!CanEdit()) {
        return false;
    }
    fnEdit(m_enginePanels);
    const EngineSettingsRecord gathered = m_enginePanels.Gather();
    if (gathered != m_engineSettings) {
        m_engineSettings = gathered;
        RaiseChanged(PartEngineSettings);
    }
    return true;
}

bool clsDocument::Paused() const
{
    return Running() && m_engine->PauseRequested();
}

bool clsDocument::Pausable() const
{
    return clsTMsEngine::Pausable(m_engineSettings.MsEngine);
}

// Pop-up menus and the composition analysis.

void clsDocument::SetMenuChooser(clsIMenuChooser* objChooser)
{
    m_menuChooser = objChooser;
    if (objChooser == nullptr) {
        m_multi.ShowMenu = nullptr;
        return;
    }
    m_multi.ShowMenu = [objChooser](clsTMulti::MenuKind kind, std::int32_t lngCurrent) {
        frmMenu menu;
        switch (kind) {
        case clsTMulti::MenuKind::LeftClick:
            menu.SetMultiDefault(lngCurrent);
            return menu.Show(frmMenu::Kind::Multi, *objChooser);
        case clsTMulti::MenuKind::Mark:
            menu.SetMultiOne(lngCurrent);
            return menu.Show(frmMenu::Kind::Multi, *objChooser);
        case clsTMulti::MenuKind::Whole:
            return menu.Show(frmMenu::Kind::MultiT, *objChooser);
        }
        return std::int32_t{0};
    };
}

bool clsDocument::KouseiBunseki(JoukenKind kind, std::int32_t lngTab, std::int32_t lngRow,
                                clsTKouseiBunseki::Analysis& result) const
{
    if (lngTab < 0 || lngTab >= kJoukenTabs) {
        m_err.Report("KouseiBunseki", "タブ番号が範囲外です: " + std::to_string(lngTab));
        return false;
    }
    // The tab as its table shows it, row titles filled in.
    const ConditionTableEntry entry = m_joukenPanels.Table(kind).GetEntry(lngTab);
    return clsTKouseiBunseki::Run(m_host.Message, m_host.Busy, kind, entry, lngRow, m_multi.Value(),
                                  m_vote, result);
}

// The multi page's counts.

std::int32_t clsDocument::MultiCount() const
{
    clsTMultiPattern pattern(m_host.Message);
    pattern.SetValue(m_multi.Value());
    return pattern.MultiCount();
}

// Condition panels.

bool clsDocument::EditJouken(const std::function<void(clsJoukenPanels&)>& fnEdit)
{
    if (!CanEdit()) {
        return false;
    }
    fnEdit(m_joukenPanels);
    m_jouken = m_joukenPanels.Gather();
    RaiseChanged(PartConditions | (FollowTaishou() ? PartMulti : 0u));
    return true;
}

bool clsDocument::SetJoukenPage(std::int32_t lngPage)
{
    if (lngPage < 0 || lngPage > 4) {
        m_err.Report("SetJoukenPage", "条件のページが範囲外です: " + std::to_string(lngPage));
        return false;
    }
    if (!CanEdit()) {
        return false;
    }
    m_joukenPage = lngPage;
    RaiseShown(PartConditions | (FollowTaishou() ? PartMulti : 0u));
    return true;
}

bool clsDocument::ShowJoukenTab(JoukenKind kind, std::int32_t lngTab)
{
    if (!CanEdit()) {
        return false;
    }
    m_joukenPanels.Table(kind).ShowTab(lngTab);
    RaiseShown(PartConditions | (FollowTaishou() ? PartMulti : 0u));
    return true;
}

void clsDocument::ClearJouken()
{
    // Cleared tables show tab 0 and wait for the round's J1/J2 matches: hand them over again,
    // or a New on the same round would leave those tabs without any.
    m_joukenPanels.Clear();
    ScheduleJouken();
    m_joukenPage = 0;
    m_jouken = m_joukenPanels.Gather();
    FollowTaishou();
}

bool clsDocument::ApplyJouken(const ConditionSetRecord& jouken)
{
    m_joukenPanels.Apply(jouken);
    m_jouken = m_joukenPanels.Gather();
    return FollowTaishou();
}

void clsDocument::ScheduleJouken()
{
    // Without the division list (the start-up check names it) the tabs stay without matches,
    // rather than a message for every match of every round.
    if (m_schedule.Kaisaikai == 0 ||
        !std::filesystem::exists(std::filesystem::path(m_main.ProgramDir()) / "SysData" /
                                 "J1J2.dat")) {
        return;
    }
    // Read afresh: team names added since the last round are in the files now.
    const clsTotoData totoData(m_host.Message, m_main.ProgramDir());
    m_joukenPanels.SetScheduleRecord(m_schedule, totoData);
}

bool clsDocument::FollowTaishou()
{
    CellFlags taishou{};
    if (m_joukenPage >= 1 && m_joukenPage <= 3) {
        m_joukenPanels.Table(static_cast<JoukenKind>(m_joukenPage)).GetTaisho(taishou);
    } else {
        for (auto& row : taishou) {
            row.fill(true);
        }
    }
    if (taishou == m_multi.Taishou()) {
        return false;
    }
    m_multi.SetTaishou(taishou);
    return true;
}

// Ticket-set commands.

void clsDocument::HandSingles()
{
    const auto n = std::min<std::size_t>(m_singles.size(),
                                         static_cast<std::size_t>(std::max(0, m_singleCount)));
    m_tickets.Hand(std::span<const std::int32_t>(m_singles.data(), n), m_singleFrame, m_covered);
}

bool clsDocument::ReplaceSingles(std::vector<std::int32_t> lngSingle)
{
    for (std::size_t i = 0; i < lngSingle.size(); ++i) {
        if (!clsTNumber::IsValidNo(lngSingle[i])) {
            m_err.Report("SetSingles", std::to_string(i + 1) + " 番目のシングル番号が範囲外です（" +
                                           std::to_string(lngSingle[i]) + "）。");
            return false;
        }
    }
    {
        clsEditContext::LockScope lock(m_edit);
        m_singleCount = static_cast<std::int32_t>(lngSingle.size());
        m_singles = std::move(lngSingle);
        RecountFrame();
        HandSingles();
    }
    RaiseChanged(PartSingles);
    return true;
}

bool clsDocument::CsvReplace(const std::string& strFileName)
{
    std::vector<std::int32_t> list;
    return CsvRead(strFileName, CsvOp::Load, list) && ReplaceSingles(std::move(list));
}

bool clsDocument::CsvOpen(const std::string& strFileName)
{
    std::vector<std::int32_t> list;
    // Only a file read whole starts the new work.
    if (!CsvRead(strFileName, CsvOp::Load, list)) {
        return false;
    }
    New();
    if (!ReplaceSingles(std::move(list))) {
        return false;
    }
    const std::int32_t kaisaikai = clsTFileCSV::GetKaisaikai(strFileName);
    if (kaisaikai > 0) {
        m_main.SetKaisaikai(kaisaikai);
    }
    return true;
}

bool clsDocument::CsvSave(const std::string& strFileName)
{
    if (!CanEdit()) {
        return false;
    }
    clsEditContext::LockScope lock(m_edit);
    clsTFileCSV csv(m_host);
    return csv.CsvSave(strFileName, m_singleCount, m_singles);
}

bool clsDocument::CsvAdd(const std::string& strFileName)
{
    std::vector<std::int32_t> list;
    return CsvRead(strFileName, CsvOp::Add, list) && ReplaceSingles(std::move(list));
}

bool clsDocument::CsvDel(const std::string& strFileName)
{
    std::vector<std::int32_t> list;
    return CsvRead(strFileName, CsvOp::Del, list) && ReplaceSingles(std::move(list));
}

bool clsDocument::CsvRead(const std::string& strFileName, CsvOp op,
                          std::vector<std::int32_t>& lngList)
{
    if (!CanEdit()) {
        return false;
    }
    std::int32_t count = op == CsvOp::Load ? 0 : m_singleCount;
    lngList = op == CsvOp::Load ? std::vector<std::int32_t>{} : m_singles;
    bool ok = false;
    {
        clsEditContext::LockScope lock(m_edit);
        clsTFileCSV csv(m_host);
        switch (op) {
        case CsvOp::Load:
            ok = csv.CsvLoad(strFileName, count, lngList);
            break;
        case CsvOp::Add:
            ok = csv.CsvAdd(strFileName, count, lngList);
            break;
        case CsvOp::Del:
            ok = csv.CsvDel(strFileName, count, lngList);
            break;
        }
    }
    if (!ok) {
        return false;
    }
    lngList.resize(static_cast<std::size_t>(count));
    return true;
}

std::int32_t clsDocument::ClipImport()
{
    if (!CanEdit()) {
        return 0;
    }
    std::vector<std::int32_t> list;
    const std::int32_t n = clsTClipImport(m_host.Clipboard).Import(0, list);
    if (n <= 0 || !ReplaceSingles(std::move(list))) {
        return 0;
    }
    m_host.Message.ShowMessage(MsgIcon::Information, std::to_string(n) + "口取り込みしました",
                               std::string(kAppTitle));
    return n;
}

bool clsDocument::SortSingles(SortKind kind)
{
    if (!CanEdit() || m_singleCount <= 0 ||
        !clsTicketSet::SortAvailable(kind, m_vote.Kaisaikai, clsToto::GetMaxGrade(m_kaisaikai),
                                     m_probability.has_value())) {
        return false;
    }
    std::vector<std::int32_t> list = m_singles;
    bool ok;
    {
        clsEditContext::LockScope lock(m_edit);
        ok = m_tickets.Sort(list, kind, m_sortAscending, m_vote, PreparedValue());
    }
    if (!ok || !ReplaceSingles(std::move(list))) {
        return false;
    }
    ShowFirstPage();
    return true;
}

VoteRecord clsDocument::ValueVote() const
{
    // The work's round decides which grades pay, with or without a vote status.
    VoteRecord vote = m_vote;
    vote.Kaisaikai = m_kaisaikai;
    return vote;
}

template <typename F> auto clsDocument::AskValue(F&& fn)
{
    auto answer = [&] {
        clsEditContext::LockScope lock(m_edit, false);
        return fn();
    }();
    if (m_valueCache.TakeRefused()) {
        RaiseChanged(PartView);
    }
    return answer;
}

clsTValue* clsDocument::PreparedValue()
{
    if (!m_probability) {
        return nullptr;
    }
    return AskValue([this] { return m_valueCache.Value(*m_probability, ValueVote()); });
}

bool clsDocument::GetSetValue(clsTValue::SetValue& sv)
{
    if (!m_probability) {
        return false;
    }
    return AskValue(
        [&] { return m_valueCache.SetValue(*m_probability, ValueVote(), m_singles, sv); });
}

void clsDocument::SetSortAscending(bool blnValue)
{
    m_sortAscending = blnValue;
}

bool clsDocument::SortByWinnings()
{
    if (!CanEdit() || m_singleCount <= 0) {
        return false;
    }
    std::vector<std::int32_t> list = m_singles;
    if (!m_tickets.Checker().GradeSort(list, m_sortAscending) || !ReplaceSingles(std::move(list))) {
        return false;
    }
    ShowFirstPage();
    return true;
}

void clsDocument::ShowFirstPage()
{
    // A new order reads from its beginning: the page the player was on now holds other singles.
    m_tickets.Sheet().MovePage(0);
}

bool clsDocument::RemoveDuplicateSingles()
{
    if (!CanEdit() || m_singleCount <= 0) {
        return false;
    }
    std::vector<std::int32_t> list = m_singles;
    return m_tickets.Sheet().DeleteDuplicate(list) && ReplaceSingles(std::move(list));
}

bool clsDocument::UserVoteValues(clsTOdds::Values& lngValue, clsTOdds::TeamNames& strTeams) const
{
    if (m_kaisaikai <= 0) {
        m_host.Message.ShowMessage(MsgIcon::Information, "開催回を設定して下さい",
                                   std::string(kAppTitle));
        return false;
    }
    lngValue = clsTOdds::FromVoteRecord(m_vote);
    strTeams = clsTOdds::TeamsFromVoteRecord(m_vote);
    // A user-defined vote has no names: the schedule's are the ones the user knows.
    for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
        if (strTeams[m][0].empty() && strTeams[m][1].empty()) {
            strTeams[m][0] = m_schedule.Match[m].Home;
            strTeams[m][1] = m_schedule.Match[m].Away;
        }
    }
    return true;
}

bool clsDocument::SetUserVote(const clsTOdds::Values& lngValue)
{
    if (!CanEdit()) {
        return false;
    }
    if (m_kaisaikai <= 0) {
        m_host.Message.ShowMessage(MsgIcon::Information, "開催回を設定して下さい",
                                   std::string(kAppTitle));
        return false;
    }
    // The dialog enables OK by the same check.
    const std::string fault = clsTOdds::CheckVoteValues(lngValue);
    if (!fault.empty()) {
        m_err.Report("SetUserVote", fault);
        return false;
    }
    m_vote = clsTOdds::ToVoteRecord(lngValue, m_kaisaikai, m_kumi);
    m_multi.SetVoteRecord(m_vote);
    m_tickets.HandVote(m_vote);
    RaiseChanged(PartVote);
    return true;
}

bool clsDocument::SheetCellClick(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch)
{
    if (!CanEdit()) {
        return false;
    }
    m_sheetEdited = false;
    m_tickets.Sheet().CellClick(lngSlot, lngCode, lngMatch);
    if (m_sheetEdited) {
        RaiseChanged(PartSingles);
    }
    return true;
}

bool clsDocument::SheetAdd()
{
    if (!CanEdit()) {
        return false;
    }
    m_tickets.Sheet().Add();
    return true;
}

bool clsDocument::SheetSelectDelete()
{
    if (!CanEdit()) {
        return false;
    }
    m_tickets.Sheet().SelectDelete();
    return true;
}

void clsDocument::SetEditLock(bool blnValue)
{
    m_tickets.Sheet().SetEditLock(blnValue);
    // The lock guards the sheet; it is not saved, so ticking it leaves no unsaved change.
    RaiseChanged(PartView);
}

void clsDocument::OnSheetValue(std::int32_t lngIndex, std::int32_t lngValue)
{
    if (lngIndex < 0 || lngIndex >= m_singleCount || !clsTNumber::IsValidNo(lngValue)) {
        return;
    }
    clsEditContext::LockScope lock(m_edit, false);
    m_singles[static_cast<std::size_t>(lngIndex)] = lngValue;
    m_tickets.Checker().SetValue(lngIndex, lngValue);
    m_sheetEdited = true;
}

void clsDocument::OnSheetFrame(const ::SingleFrame& lngFrame)
{
    m_singleFrame = lngFrame;
    m_tickets.HandFrame(m_singleFrame, m_covered);
    m_sheetEdited = true;
}

void clsDocument::SetSinglePercent(bool blnValue)
{
    m_singlePercent = blnValue;
    m_tx.SinglePercent(blnValue);
    m_tickets.Sheet().SetSinglePercent(blnValue);
    m_tickets.Checker().SetPercent(blnValue);
    RaiseChanged(PartView);
}

// The check page.

bool clsDocument::ResultEntryClick(std::int32_t lngOutcome, std::int32_t lngMatch)
{
    if (!CanEdit() || lngOutcome < 0 || lngOutcome > 2 || lngMatch < 0 ||
        lngMatch >= clsToto::kMatchCount) {
        return false;
    }
    m_tickets.Checker().Entry().LeftClick(lngOutcome, lngMatch);
    RaiseChanged(PartCheck);
    return true;
}

bool clsDocument::ResultEntryMenu(std::int32_t lngMatch)
{
    if (!CanEdit() || lngMatch < 0 || lngMatch >= clsToto::kMatchCount) {
        return false;
    }
    m_tickets.Checker().Entry().RightClick(lngMatch);
    if (m_menuChooser == nullptr) {
        return false;
    }
    PopupMenu menu;
    menu.Name = "mnuPopup7";
    PopupMenuItem cancel;
    cancel.Caption = "中止";
    cancel.Index = 1;
    menu.Items.push_back(cancel);
    const PopupMenuItem* chosen = m_menuChooser->Choose(menu);
    // The menu may have pumped events: the work must still be free to change.
    if (chosen == nullptr || chosen->Index <= 0 || !CanEdit()) {
        return false;
    }
    m_tickets.Checker().SetPopup(chosen->Index - 1);
    RaiseChanged(PartCheck);
    return true;
}

bool clsDocument::ResultViewEnabled() const
{
    const clsTResult& checker = m_tickets.Checker();
    return checker.HasOfficial() && !checker.FullResult();
}

bool clsDocument::ResultViewAll()
{
    if (!CanEdit() || !ResultViewEnabled()) {
        return false;
    }
    m_tickets.Checker().SetAlltData();
    RaiseChanged(PartCheck);
    return true;
}

bool clsDocument::ResultViewNext()
{
    if (!CanEdit() || !ResultViewEnabled()) {
        return false;
    }
    m_tickets.Checker().SetNextData();
    RaiseChanged(PartCheck);
    return true;
}

void clsDocument::ResultMovePage(std::int32_t lngPage)
{
    m_tickets.Checker().MovePage(lngPage);
    RaiseChanged(PartCheck);
}

void clsDocument::ResultCountClick()
{
    m_tickets.Checker().CountClick();
    RaiseChanged(PartCheck);
}

void clsDocument::SetResultCountVisible(bool blnValue)
{
    m_tickets.Checker().SetCountVisible(blnValue);
    RaiseChanged(PartCheck);
}

void clsDocument::ChangeShowAllResults(bool blnValue)
{
    m_tickets.SetShowAllResults(blnValue);
    RaiseChanged(PartCheck);
}
