#pragma once
// The work on one round, without any window: the round's records, the marks, the conditions,
// the engine settings, the ticket set with its frames and counters and the run log; loading and
// saving data and conditions files, and the run. The one owner of that work: it keeps the
// files, the title, the unsaved-changes flag, the change event and the edit context, and hands
// out one facet per concern (round, tickets, checker, marks, conditions, run), through which
// views read the work and change it; every change raises Changed with the parts it changed.
// The main window (frmMain) owns one for its lifetime and kelvra-cli's basCliWork one per
// command, each together with the round controller it is given.

#include "app/DocumentParts.h"
#include "app/clsCheckFacet.h"
#include "app/clsConditionsFacet.h"
#include "app/clsEditContext.h"
#include "app/clsMarksFacet.h"
#include "app/clsRoundFacet.h"
#include "app/clsSearchFacet.h"
#include "app/clsTicketSet.h"
#include "app/clsTicketsFacet.h"
#include "app/clsUndoStack.h"
#include "base/FileStamp.h"
#include "base/clsErrorReporter.h"
#include "base/clsEvent.h"
#include "base/clsHost.h"
#include "base/clsIMenuChooser.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsTLiveCount.h"
#include "conditions/clsTMsgLog.h"
#include "conditions/clsTX.h"
#include "engines/clsEnginePanels.h"
#include "engines/clsTKouseiBunseki.h"
#include "engines/clsTMsEngine.h"
#include "files/DataFileRecord.h"
#include "files/clsStringConvert.h"
#include "files/clsTFileDRD.h"
#include "lottery/ResultRecord.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/clsTMulti.h"
#include "lottery/clsTValueCache.h"
#include "results/clsTOdds.h"
#include "store/clsBacktest.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsTMain;

class clsDocument : public DocumentParts
{
public:
    // lngSeed: a fixed seed for the random generator (reproducible runs); none seeds from the
    // clock. The document listens to the controller's round changes.
    clsDocument(const clsHost& host, clsTMain& roundController,
                std::optional<std::uint64_t> lngSeed = std::nullopt);
    ~clsDocument();
    clsDocument(const clsDocument&) = delete;
    clsDocument& operator=(const clsDocument&) = delete;

    // Every listener is called after each command with the parts it changed (lngParts, a set of
    // Part bits), for as long as its subscription lives.
    [[nodiscard]] clsSubscription SubscribeChanged(ChangedEvent::Handler fnHandler)
    {
        return m_changed.Subscribe(std::move(fnHandler));
    }

    // False while a run or a file load or save is under way: the commands that change the work
    // then refuse (return false, change nothing), as a run reads the work while it pumps events.
    bool CanEdit() const { return m_edit.CanEdit(); }
    // May this edit or command run now: the run, the work lock and the batch in one place.
    const clsEditContext& Edit() const { return m_edit; }
    clsEditContext& Edit() { return m_edit; }

    // What a command refused by CanEdit says (LastFailure of a load or save; the window shows it).
    static constexpr std::string_view kBusyWarning = clsEditContext::kRunningWarning;

    // Clears marks, run result, messages, conditions and engine settings; forgets the file.
    bool New();
    // Everything the files, the clipboard report and batch runs take from the work.
    DataFileRecord GatherRecord() const;

    // Undo and redo of the work's changes (marks, conditions, settings, the set, the vote
    // rates and own probabilities, a run's result). A round change, New and loads start a new
    // history. Refused (false) while the work is busy or there is no step.
    bool Undo();
    bool Redo();
    const clsUndoStack& History() const { return m_undo; }

    // A data file saved over the current file notices when another program changed that file
    // since it was loaded or last saved (size and time on disk): with dialogs it asks whether to
    // overwrite it (kChangedOnDiskQuestion, default no), without them it refuses; either way a
    // save not made leaves the work unsaved. Saving to another file, or a first save, asks
    // nothing.
    bool FileSaveDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog);
    static constexpr std::string_view kChangedOnDiskQuestion =
        "このファイルは読み込んだ後に他のプログラムによって変更されています。上書きしますか？";
    // A file that fails its type check or its load leaves the work exactly as it was. The
    // engine settings are taken as the compression boxes would show them (ClampedToBoxes).
    bool FileLoadDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog);

    // Why the last failed load, save or run failed, for front ends that show no dialogs (a
    // failed load or save with blnDialog false says nothing else). Empty after a success.
    const std::string& LastFailure() const { return m_lastFailure; }
    // The window title: " Drovane  Kelvra", with " - [file]" when there is a current file and
    // " *" while the work has unsaved changes.
    std::string Title() const { return TitleFor(m_currentFile, m_modified); }
    // The same for a given current file (empty for none): the one place the title is built.
    static std::string TitleFor(const std::string& strCurrentFile, bool blnModified = false);
    const std::string& CurrentFile() const { return m_currentFile; }
    // The multi grid's menus (frmMenu's mnuMulti, mnuMultiT) go through this chooser; null
    // dismisses them. The chooser must outlive the document or be reset first.
    void SetMenuChooser(clsIMenuChooser* objChooser);
    // The platform services the document reports through.
    const clsHost& Host() const { return m_host; }
    // Set by every command that changes the work (marks, conditions, settings, tickets, round,
    // vote, probabilities, a run's result); cleared by New, a data-file load and a successful
    // data-file save.
    bool Modified() const { return m_modified; }
    static constexpr std::string_view kSaveChangesQuestion = "変更を保存しますか？";
    // What New, Open, a CSV open and closing ask first: with unsaved changes, "変更を保存しま
    // すか？" (保存 / 保存しない / キャンセル). 保存 runs fnSave (the window picks the file) and
    // goes on only when it saved; 保存しない goes on; キャンセル does not. True: go on.
    bool QuerySaveChanges(const std::function<bool()>& fnSave,
                          AskAnswer ansDefault = AskAnswer::Yes);

    // The concerns of the work, each a narrow facet a view includes alone.
    clsRoundFacet& Round() { return m_roundFacet; }
    const clsRoundFacet& Round() const { return m_roundFacet; }
    clsTicketsFacet& Tickets() { return m_ticketsFacet; }
    const clsTicketsFacet& Tickets() const { return m_ticketsFacet; }
    clsCheckFacet& Check() { return m_checkFacet; }
    const clsCheckFacet& Check() const { return m_checkFacet; }
    clsMarksFacet& Marks() { return m_marksFacet; }
    const clsMarksFacet& Marks() const { return m_marksFacet; }
    clsConditionsFacet& Conditions() { return m_conditionsFacet; }
    const clsConditionsFacet& Conditions() const { return m_conditionsFacet; }
    clsSearchFacet& Search() { return m_searchFacet; }
    const clsSearchFacet& Search() const { return m_searchFacet; }

private:
    // The facets are the document's own views of the work: they reach it through the
    // operations below.
    friend class clsRoundFacet;
    friend class clsTicketsFacet;
    friend class clsCheckFacet;
    friend class clsMarksFacet;
    friend class clsConditionsFacet;
    friend class clsSearchFacet;

    // The run command: extraction, compression, sort, frames, counters and closing lines.
    // While a run is under way it toggles the pause of the pausable engines instead. False when
    // the run failed and was reported (an engine that could not get its memory): the set then
    // holds what the frame left, not a search result, and is not to be saved as one.
    bool Run();
    // The stop command.
    void Cancel();
    // The last Run was stopped during the extraction, so it holds no set worth saving.
    bool RunStoppedInExtraction() const { return m_stoppedInExtraction; }
    // The run result shown (breakdown, counts) was made from other marks, conditions, settings,
    // round or votes than the work now holds; a run, New or a data-file load makes it current.
    bool ResultStale() const { return m_resultStale; }
    bool Running() const;

    // The round commands, passed to the round controller; the document follows its event.
    bool SetKaisaikai(std::int32_t lngKaisaikai);
    bool SetKumi(const std::string& strKumi);

    // The ticket set replaced as a whole (CSV, clipboard, sheet edits); the frame is recounted.
    bool SetSingles(std::vector<std::int32_t> lngSingle);
    // The marks replaced as a whole.
    bool SetMarks(const MarkArray& lngValue);
    // The multi grid's own commands (clsTMulti); menus are shown through the chooser given to
    // SetMenuChooser, none cancels them.
    bool MultiMouseDown(clsTMulti::Button button, std::int32_t lngRow, std::int32_t lngCol);
    bool MultiMarkAll(std::int32_t lngMark);
    bool MultiMarkByVoteOrder();
    bool SetLeftClickMark(std::int32_t lngMark);
    // The vote status in use for this work (the round controller keeps its own).
    bool SetVote(const VoteRecord& vote);
    // The player's own probabilities, none until set or loaded. Setting checks the record
    // (false, reported, for one that fails: the old ones stay) and raises Changed; none clears.
    bool SetProbability(const std::optional<ProbabilityRecord>& prob);
    // The most entries the trial search's cache may take (memory); no change to the work.
    void SetEngineCacheLimit(std::int64_t lngEntries);
    // The run log's view; null detaches it. The log tells it every line as it is written.
    void SetLogSink(clsIMsgSink* objSink);

    // Ticket-set commands. Each replaces the set as a whole under the work lock, recounts its
    // frame and hands both to the sheet and the checker in the same step (PartSingles); refused
    // (false, nothing changed) unless CanEdit.
    using SortKind = clsTicketSet::SortKind;
    // The CSV file's tickets as a new work (and its round, when the file name tells one). The
    // work is only replaced once the whole file has been read: a bad file loses nothing.
    bool CsvOpen(const std::string& strFileName);
    // The CSV file's tickets in place of the set; the rest of the work stays.
    bool CsvReplace(const std::string& strFileName);
    bool CsvSave(const std::string& strFileName);
    bool CsvAdd(const std::string& strFileName);
    bool CsvDel(const std::string& strFileName);
    // The clipboard's ticket lines in place of the set: their count, told to the user; 0 (no
    // change, no message) when the clipboard holds none.
    std::int32_t ClipImport();
    // Needs at least one single, and for the payout and popularity kinds a vote with a round;
    // the expected-value and chance kinds need the player's own probabilities.
    bool SortSingles(SortKind kind);
    bool SortAscending() const { return m_sortAscending; }
    void SetSortAscending(bool blnValue);
    // By the checker's grades (most hits first when ascending).
    bool SortByWinnings();
    bool RemoveDuplicateSingles();
    // The user vote-rate dialog's values (the vote rates x 100) and team names. False, with
    // "開催回を設定して下さい", without a round: such rates would have no round to serve.
    bool UserVoteValues(clsTOdds::Values& lngValue, clsTOdds::TeamNames& strTeams) const;
    // The confirmed values as the user-defined vote status (PartVote).
    bool SetUserVote(const clsTOdds::Values& lngValue);
    // The sheet: edits come back to the document through the sheet's events; paging and
    // selection change no work and are told to the sheet's sink.
    const clsTSingle& Sheet() const { return m_tickets.Sheet(); }
    void SetSheetSink(clsTSingleSink* pSink) { m_tickets.Sheet().Initialize(pSink); }
    bool SheetCellClick(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch);
    bool SheetAdd();
    bool SheetSelectDelete();
    void SheetNoClick(std::int32_t lngSlot) { m_tickets.Sheet().NoClick(lngSlot); }
    void SheetMovePage(std::int32_t lngPage) { m_tickets.Sheet().MovePage(lngPage); }
    void SheetSelectAll(bool blnValue) { m_tickets.Sheet().SetAllSelect(blnValue); }
    bool EditLock() const { return m_tickets.Sheet().EditLock(); }
    void SetEditLock(bool blnValue);
    // The checker (grading, reveal, hand entry, paging); its Refreshed tells the check page.
    const clsTResult& Checker() const { return m_tickets.Checker(); }
    bool ShowAllResults() const { return m_tickets.ShowAllResults(); }
    // シングル構成を％で表示: the count grids of the run, the single page and the check page show
    // row percentages instead of counts. A way of showing the work, kept across New and loads,
    // and no unsaved change (PartView).
    bool SinglePercent() const { return m_singlePercent; }
    void SetSinglePercent(bool blnValue);

    std::int32_t Kaisaikai() const { return m_kaisaikai; }
    const std::string& Kumi() const { return m_kumi; }
    const ScheduleRecord& Schedule() const { return m_schedule; }
    const VoteRecord& Vote() const { return m_vote; }
    const ResultRecord& Result() const { return m_result; }
    const std::optional<ProbabilityRecord>& Probability() const { return m_probability; }
    // The value object under the player's own probabilities and the vote status (without one,
    // the round still decides which grades pay): one for the single page, the run area, the
    // sorts and kelvra-cli value, its tables built once per change. nullptr without
    // probabilities, when they cannot be used, and while a build processes events; a view
    // turned away then is told by a PartView change when the build has ended.
    clsTValue* PreparedValue();
    // The ticket set's chance and worth; false as above.
    bool GetSetValue(clsTValue::SetValue& sv);
    const clsTMulti& Multi() const { return m_multi; }
    const EngineSettingsRecord& EngineSettings() const { return m_engineSettings; }
    const clsTMsgLog& Log() const { return m_log; }
    const clsTX& Extraction() const { return m_tx; }
    std::int32_t SingleCount() const { return m_singleCount; }
    const ::SingleFrame& SingleFrame() const { return m_singleFrame; }
    const std::vector<std::int32_t>& Singles() const { return m_singles; }
    const CellFlags& Covered() const { return m_covered; }
    const std::string& RoundLabel() const { return m_roundLabel; }

    // Row lngRow of tab lngTab of the kind's table as the panels show it, on the current marks
    // and vote status. False after a report when there is no such tab or row.
    bool KouseiBunseki(JoukenKind kind, std::int32_t lngTab, std::int32_t lngRow,
                       clsTKouseiBunseki::Analysis& result) const;

    // The multi page: the number of singles the marks hold.
    std::int32_t MultiCount() const;

    // What the conditions keep, counted on a thread of its own after every change of a run's
    // inputs or of the tabs shown, once the window asks for it (SetLiveCount). PollLive takes a
    // finished count and raises PartLive; true while a count is under way.
    void SetLiveCount(bool blnOn);
    bool PollLive();
    const std::optional<clsTLiveCount::Result>& LiveResult() const { return m_liveResult; }
    bool LiveBusy() const { return m_liveOn && m_live.Pending(); }

    // Condition panels: their models, edited only here; the record above is what they hold.
    const clsJoukenPanels& JoukenPanels() const { return m_joukenPanels; }
    // Runs the edit on the panels (refused unless CanEdit), gathers them into the record and
    // raises PartConditions, with PartMulti when the multi's target cells changed.
    bool EditJouken(const std::function<void(clsJoukenPanels&)>& fnEdit);
    // The condition tab shown: 0 金額, 1 本命, 2 人気, 3 勝敗, 4 補正. On a table page the multi's
    // target cells are the table's; on the others every cell is one. New and loads show page 0.
    bool SetJoukenPage(std::int32_t lngPage);
    // Shows tab lngTab of the kind's table. Like the page, a view of the conditions, not a
    // change of them: the work stays unmodified.
    bool ShowJoukenTab(JoukenKind kind, std::int32_t lngTab);
    std::int32_t JoukenPage() const { return m_joukenPage; }

    // Unsaved changes, the compression panels and the run button.
    const clsEnginePanels& EnginePanels() const { return m_enginePanels; }
    // Refused unless CanEdit; runs the edit, gathers the panels into the engine settings and
    // raises PartEngineSettings when they changed.
    bool EditEngineSettings(const std::function<void(clsEnginePanels&)>& fnEdit);
    // A pause is in force (or held for the search that is about to start).
    bool Paused() const;
    // The engine of the settings in use can pause (a search that waits).
    bool Pausable() const;

    // The check page. Its commands raise PartCheck, which is no work of its own: a hand entry
    // is kept in the round's hand-entry file, never in the data file. Marking and revealing are
    // refused (false) unless CanEdit; paging and the count grid change nothing and always run.
    // A left click on outcome cell (code, match) of the entry grid.
    bool ResultEntryClick(std::int32_t lngOutcome, std::int32_t lngMatch);
    // A right click on a match row: the result pop-up menu (mnuPopup7, "中止") through the
    // chooser; "中止" cancels the match.
    bool ResultEntryMenu(std::int32_t lngMatch);
    // 全ての結果を表示 / 次の結果を表示: only with an official result not yet shown whole.
    bool ResultViewEnabled() const;
    bool ResultViewAll();
    bool ResultViewNext();
    void ResultMovePage(std::int32_t lngPage);
    // A click on the count grid (hides it unless it shows percentages), and the second round
    // view's vote table (shows it again).
    void ResultCountClick();
    void SetResultCountVisible(bool blnValue);
    // "常に全ての結果を表示する": every result taken from now on is shown whole.
    void ChangeShowAllResults(bool blnValue);

private:
    // Between the host and the file class and engine frame: keeps the text of the last box
    // they showed, so that a failure can be told without a dialog; shows it unless muted.
    class MessageTrail final : public clsIMessage
    {
    public:
        explicit MessageTrail(clsIMessage& host)
            : m_host(host)
        {}
        void ShowMessage(MsgIcon icon, std::string_view strText,
                         std::string_view strCaption) override;
        bool Muted = false;
        std::string Last;

    private:
        clsIMessage& m_host;
    };

    // From the round controller: copies its records and builds the round label.
    void OnKaisaikaiChange(std::int32_t lngKaisaikai, const std::string& strKumi);
    // True, with LastFailure set, when CanEdit refuses a load or save.
    bool RefusedWhileBusy();
    void ApplyRecord(const DataFileRecord& rec, bool blnDataFlag, std::int32_t lngDataVersion);
    void RecountFrame();
    void RaiseChanged(std::uint32_t lngParts);
    // The parts are only shown differently (a page, a tab): the views follow, the work is as
    // it was.
    void RaiseShown(std::uint32_t lngParts);
    VoteRecord ValueVote() const;
    // Runs a question to the value cache under the silent work lock: its events change nothing.
    template <typename F> auto AskValue(F&& fn);
    // Runs a multi grid command and raises PartMulti.
    template <typename F> bool MultiCommand(F&& fn);
    // Condition panels: the record puts into them, the round's J1/J2 tabs, the target cells.
    void ClearJouken();
    // True when the multi's target cells moved.
    bool ApplyJouken(const ConditionSetRecord& jouken);
    void ScheduleJouken();
    bool FollowTaishou();
    // A new live count for the work as it now is; the one under way is abandoned.
    void RestartLive();
    // Takes the work after a change into the history.
    void RecordHistory(std::uint32_t lngParts);
    // Puts back a state of the history.
    void RestoreHistory(const DataFileRecord& rec);

    clsHost m_host;
    clsEditContext m_edit;
    clsErrorReporter m_err;
    clsTMain& m_main;
    MessageTrail m_trail;
    clsStringConvert m_convert;
    clsTFileDRD m_drd;
    clsTMsgLog m_log;
    clsTX m_tx;
    std::unique_ptr<clsTMsEngine> m_engine;
    // What the budget engine reached for the set in hand; dropped once the set changes.
    std::optional<clsTMsEngine5::Reach> m_budgetReach;
    clsTMulti m_multi;

    std::int32_t m_kaisaikai = 0;
    std::string m_kumi;
    ScheduleRecord m_schedule;
    VoteRecord m_vote;
    ResultRecord m_result;
    std::optional<ProbabilityRecord> m_probability;
    clsTValueCache m_valueCache;
    ConditionSetRecord m_jouken;
    clsJoukenPanels m_joukenPanels;
    std::int32_t m_joukenPage = 0;
    EngineSettingsRecord m_engineSettings;
    std::int32_t m_msSingleCount = 0;
    ::SingleFrame m_msSingleFrame{};
    std::array<std::int32_t, 6> m_msTousen{};
    std::int32_t m_singleCount = 0;
    ::SingleFrame m_singleFrame{};
    std::vector<std::int32_t> m_singles;
    CellFlags m_covered{};
    std::string m_currentFile;
    // The current file as it was loaded or last saved: what a save over it compares with.
    std::optional<FileStamp> m_currentStamp;
    bool IsCurrentFile(const std::string& strFileName) const;
    // False (LastFailure set) when the current file changed on disk and is not to be
    // overwritten.
    bool MayOverwrite(const std::string& strFileName, bool blnDialog);
    std::string m_roundLabel;
    bool m_inRun = false;
    bool m_stoppedInExtraction = false;
    bool m_resultStale = false;
    std::string m_lastFailure;
    // Ticket-set commands: the one way a new list reaches the document and both views.
    bool ReplaceSingles(std::vector<std::int32_t> lngSingle);
    void ShowFirstPage();
    // A CSV file read under the work lock into lngList: its singles alone (Load), or the set with
    // them added or taken out. The set itself is not changed here.
    enum class CsvOp
    {
        Load,
        Add,
        Del
    };
    bool CsvRead(const std::string& strFileName, CsvOp op, std::vector<std::int32_t>& lngList);
    void HandSingles();
    void OnSheetValue(std::int32_t lngIndex, std::int32_t lngValue);
    void OnSheetFrame(const ::SingleFrame& lngFrame);
    clsTicketSet m_tickets;
    bool m_sortAscending = false;
    bool m_sheetEdited = false;
    bool m_singlePercent = false;
    // Unsaved changes and the compression panels.
    clsEnginePanels m_enginePanels;
    bool m_modified = false;
    // Set while New or a data-file load rebuilds the work: what they raise is no change.
    bool m_keepClean = false;
    ChangedEvent m_changed;
    // The check page: the result pop-up menu is shown through the chooser of SetMenuChooser.
    clsIMenuChooser* m_menuChooser = nullptr;
    clsRoundFacet m_roundFacet{*this};
    clsTicketsFacet m_ticketsFacet{*this};
    clsCheckFacet m_checkFacet{*this};
    clsMarksFacet m_marksFacet{*this};
    clsConditionsFacet m_conditionsFacet{*this};
    clsSearchFacet m_searchFacet{*this};
    // 256 MB: about forty sets of 1.6 million tickets.
    clsUndoStack m_undo{std::size_t{256} << 20};
    bool m_undoing = false;
    // Last, so that its thread has stopped before anything else goes.
    bool m_liveOn = false;
    std::optional<clsTLiveCount::Result> m_liveResult;
    clsTLiveCount m_live;
    // The back-test reads copies only; it ends before the work it was started from goes.
    clsBacktest m_backtest;
    // Last, so that it ends first: no round change reaches a half-destroyed document.
    clsSubscription m_roundChange;
};
