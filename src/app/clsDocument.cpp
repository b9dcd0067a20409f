#include "app/clsDocument.h"

#include "app/basMain.h"
#include "app/basVersion.h"
#include "base/clsQuickSort.h"
#include "lottery/clsTSingleFrame.h"
#include "store/clsTMain.h"

#include <filesystem>

namespace {
// Sets a flag for its lifetime, on every exit path.
class FlagScope
{
public:
    explicit FlagScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

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
    , m_err(host.Message, "frmMain")
    , m_main(roundController)
    , m_trail(host.Message)
    , m_drd(WithMessage(host, m_trail), VersionText(), std::string(basVersion::kLegalNotice))
    , m_tx(host.Message, host.Pump)
    , m_engine(lngSeed ? std::make_unique<clsTMsEngine>(host.Pump, m_trail, *lngSeed)
                       : std::make_unique<clsTMsEngine>(host.Pump, m_trail))
    , m_multi(host.Message)
    , m_enginePanels(host.Message, host.Clipboard)
{
    m_tx.Initialize(m_log, VersionText());
    m_engine->Initialize(m_log);
    m_roundChange = m_main.SubscribeKaisaikaiChange(
        [this](std::int32_t lngKaisaikai, const std::string& strKumi) {
            OnKaisaikaiChange(lngKaisaikai, strKumi);
        });
    m_jouken.Clear();
    m_jouken.MachigaiType = 0;
}

clsDocument::~clsDocument() = default;

void clsDocument::RaiseChanged(std::uint32_t lngParts)
{
    // The parts a user would lose by closing without saving; the log, the file name and the
    // run state are not work of their own.
    constexpr std::uint32_t kWorkParts = PartRound | PartVote | PartMulti | PartConditions |
                                         PartEngineSettings | PartProbability | PartSingles;
    if (m_keepClean) {
        m_modified = false;
    } else if ((lngParts & kWorkParts) != 0) {
        m_modified = true;
    }
    m_changed.Raise(lngParts);
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

bool clsDocument::SetTaishou(const CellFlags& blnValue)
{
    return MultiCommand([&] { m_multi.SetTaishou(blnValue); });
}

void clsDocument::SetMultiMenuChooser(std::function<int(const clsTMulti::Menu&)> fnChoose)
{
    m_multi.ShowMenu = std::move(fnChoose);
}

bool clsDocument::SetConditions(const ConditionSetRecord& jouken)
{
    if (!CanEdit()) {
        return false;
    }
    m_jouken = jouken;
    RaiseChanged(PartConditions);
    return true;
}

bool clsDocument::SetEngineSettings(const EngineSettingsRecord& settings)
{
    return EditEngineSettings([&](clsEnginePanels& panels) { panels.Apply(settings); });
}

bool clsDocument::SetVote(const VoteRecord& vote)
{
    if (!CanEdit()) {
        return false;
    }
    m_vote = vote;
    m_multi.SetVoteRecord(m_vote);
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
    m_jouken.Clear();
    m_jouken.MachigaiType = 0;
    m_enginePanels.Clear();
    m_engineSettings = m_enginePanels.Gather();
    m_currentFile.clear();
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

bool clsDocument::FileSaveDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog)
{
    if (RefusedWhileBusy()) {
        return false;
    }
    m_lastFailure.clear();
    m_trail.Last.clear();
    bool ok;
    {
        FlagScope lock(m_workLock);
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
    }
    bool ok;
    {
        FlagScope lock(m_workLock);
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
    // A data file is the whole work, as saved; a conditions file changes the work.
    MuteScope clean(m_keepClean, blnDataFlag);
    if (blnDataFlag) {
        New();
    } else {
        m_jouken.Clear();
        m_jouken.MachigaiType = 0;
    }
    ApplyRecord(rec, blnDataFlag, version);
    if (blnDataFlag) {
        m_currentFile = strFileName;
    }
    RaiseChanged(blnDataFlag ? PartAll : PartConditions);
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
    m_jouken = rec.Jouken;
    if (!blnDataFlag) {
        return;
    }
    m_enginePanels.Apply(ClampedToBoxes(rec.Engine));
    m_engineSettings = m_enginePanels.Gather();
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
    if (m_workLock) {
        return true;
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
            const ConditionSetRecord jouken = m_jouken;
            std::int32_t count = 0;
            std::vector<std::int32_t> singles;
            m_tx.RunExtraction(jouken, marks, count, singles);
            m_stoppedInExtraction = m_tx.Cancelled();
            m_multi.GetVisible(m_covered);
            // A run that keeps no single counts no winners: never the counters of an earlier run.
            std::array<std::int32_t, 6> tousen{};
            if (count >= 1) {
                m_engine->SetVoteRecord(m_vote);
                m_engine->SetProbability(m_probability);
                if (!m_engine->EngineRun(count, singles, m_engineSettings, marks, tousen)) {
                    ok = false;
                    m_lastFailure = "圧縮に失敗しました。";
                    if (!m_trail.Last.empty()) {
                        m_lastFailure += " " + m_trail.Last;
                    }
                }
                // The probability counts and the sort of a large set each take a while: the
                // window gets its events between them.
                m_host.Pump.DoEvents();
                if (count > 0) {
                    clsQuickSort sort(m_host.Message);
                    sort.LongSort(
                        std::span<std::int32_t>(singles.data(), static_cast<std::size_t>(count)),
                        true);
                    m_host.Pump.DoEvents();
                }
            }
            singles.resize(static_cast<std::size_t>(std::max(0, count)));
            {
                FlagScope lock(m_workLock);
                m_singleCount = count;
                m_singles = std::move(singles);
                RecountFrame();
            }
            m_msSingleCount = m_singleCount;
            m_msSingleFrame = m_singleFrame;
            m_msTousen = tousen;
            m_tx.UpdateMeisai(marks, m_singleCount, m_msTousen);
            m_tx.EndMsg(m_singleCount);
        } catch (const std::exception& e) {
            ok = false;
            m_lastFailure = clsErrorReporter::FromException(e).Description;
            m_err.ReportException("cmdRun_Click", e);
        }
        m_engine->EnginePause(false);
    }
    RaiseChanged(PartSingles | PartLog | PartRunState);
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
    if (!CanEdit()) {
        return false;
    }
    {
        FlagScope lock(m_workLock);
        m_singleCount = static_cast<std::int32_t>(lngSingle.size());
        m_singles = std::move(lngSingle);
        RecountFrame();
    }
    RaiseChanged(PartSingles);
    return true;
}

void clsDocument::OnKaisaikaiChange(std::int32_t lngKaisaikai, const std::string& strKumi)
{
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_schedule = m_main.Schedule();
    m_vote = m_main.Vote();
    m_result = m_main.Result();
    m_multi.SetVoteRecord(m_vote);
    m_roundLabel =
        " 第 " + (lngKaisaikai == 0 ? std::string(" ") : std::to_string(lngKaisaikai)) + " 回 ";
    if (!strKumi.empty()) {
        m_roundLabel += " [ " + strKumi + "組 ] ";
    }
    // Choosing the round of a new, untouched work is how it begins, not a change to lose.
    MuteScope clean(m_keepClean, m_keepClean || (m_currentFile.empty() && !m_modified));
    RaiseChanged(PartRound | PartVote);
}

std::string clsDocument::StatusText() const
{
    std::string s = m_roundLabel;
    if (m_vote.Kaisaikai != 0) {
        s += "　使用投票率：";
        if (m_vote.AsOf.IsZero()) {
            s += "ユーザー定義";
        } else if (m_vote.AsOf == m_vote.SaleEnd) {
            s += m_vote.AsOf.Format("yyyy/mm/dd") + " (最終)";
        } else {
            s += m_vote.AsOf.Format("yyyy/mm/dd hh:nn");
        }
    }
    return s;
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

std::string_view clsDocument::RunCaption() const
{
    if (!Running() || !clsTMsEngine::Pausable(m_engineSettings.MsEngine)) {
        return "検索開始";
    }
    return Paused() ? "検索再開" : "一時停止";
}

bool clsDocument::RunButtonEnabled() const
{
    if (!Running()) {
        return !m_workLock;
    }
    return clsTMsEngine::Pausable(m_engineSettings.MsEngine);
}
