#pragma once
// The work on one round, without any window: the round's records, the marks, the conditions,
// the engine settings, the ticket set with its frames and counters and the run log; loading and
// saving data and conditions files, and the run. The main window (or kelvra-cli) owns one for
// its lifetime, together with the round controller it is given.

#include "base/clsErrorReporter.h"
#include "base/clsHost.h"
#include "conditions/clsTMsgLog.h"
#include "conditions/clsTX.h"
#include "engines/clsTMsEngine.h"
#include "files/DataFileRecord.h"
#include "files/clsStringConvert.h"
#include "files/clsTFileDRD.h"
#include "lottery/ResultRecord.h"
#include "lottery/ScheduleRecord.h"
#include "lottery/clsTMulti.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class clsTMain;

class clsDocument
{
public:
    // lngSeed: a fixed seed for the random generator (reproducible runs); none seeds from the
    // clock. The document listens to the controller's round changes.
    clsDocument(const clsHost& host, clsTMain& roundController,
                std::optional<std::uint64_t> lngSeed = std::nullopt);
    ~clsDocument();
    clsDocument(const clsDocument&) = delete;
    clsDocument& operator=(const clsDocument&) = delete;

    // Clears marks, run result, messages, conditions and engine settings; forgets the file.
    void New();
    // Everything the files, the clipboard report and batch runs take from the work.
    DataFileRecord GatherRecord() const;

    bool FileSaveDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog);
    // A file that fails its type check or its load leaves the work exactly as it was. The
    // engine settings are taken as the compression boxes would show them (ClampedToBoxes).
    bool FileLoadDRD(const std::string& strFileName, bool blnDataFlag, bool blnDialog);

    // The run command: extraction, compression, sort, frames, counters and closing lines.
    // While a run is under way it toggles the pause of the pausable engines instead. False when
    // the run failed and was reported (an engine that could not get its memory): the set then
    // holds what the frame left, not a search result, and is not to be saved as one.
    bool Run();
    // The stop command.
    void Cancel();
    // The last Run was stopped during the extraction, so it holds no set worth saving.
    bool RunStoppedInExtraction() const { return m_stoppedInExtraction; }
    bool Running() const;
    bool Paused() const { return m_paused; }

    // Why the last failed load, save or run failed, for front ends that show no dialogs (a
    // failed load or save with blnDialog false says nothing else). Empty after a success.
    const std::string& LastFailure() const { return m_lastFailure; }

    // From the round controller: copies its records and builds the round label.
    void OnKaisaikaiChange(std::int32_t lngKaisaikai, const std::string& strKumi);

    // " Drovane  Kelvra", with " - [file]" when there is a current file.
    std::string Title() const;
    // The status bar text: the round label and the vote status in use.
    std::string StatusText() const;

    // The ticket set replaced as a whole (CSV, clipboard, sheet edits); the frame is recounted.
    void SetSingles(std::vector<std::int32_t> lngSingle);

    std::int32_t Kaisaikai() const { return m_kaisaikai; }
    const std::string& Kumi() const { return m_kumi; }
    const ScheduleRecord& Schedule() const { return m_schedule; }
    const VoteRecord& Vote() const { return m_vote; }
    void SetVote(const VoteRecord& vote) { m_vote = vote; }
    const ResultRecord& Result() const { return m_result; }
    // The player's own probabilities, none until set or loaded. Setting checks the record
    // (false, reported, for one that fails: the old ones stay) and raises Changed; none clears.
    const std::optional<ProbabilityRecord>& Probability() const { return m_probability; }
    bool SetProbability(const std::optional<ProbabilityRecord>& prob);
    clsTMulti& Multi() { return m_multi; }
    ConditionSetRecord& Jouken() { return m_jouken; }
    EngineSettingsRecord& EngineSettings() { return m_engineSettings; }
    clsTMsgLog& Log() { return m_log; }
    clsTX& Extraction() { return m_tx; }
    clsTMsEngine& Engine() { return *m_engine; }
    std::int32_t MsSingleCount() const { return m_msSingleCount; }
    const LongFrame& MsSingleFrame() const { return m_msSingleFrame; }
    const std::array<std::int32_t, 6>& MsTousen() const { return m_msTousen; }
    std::int32_t SingleCount() const { return m_singleCount; }
    const LongFrame& SingleFrame() const { return m_singleFrame; }
    const std::vector<std::int32_t>& Singles() const { return m_singles; }
    const CellFlags& Covered() const { return m_covered; }
    const std::string& CurrentFile() const { return m_currentFile; }
    const std::string& RoundLabel() const { return m_roundLabel; }
    bool WorkLock() const { return m_workLock; }

    // The document changed as a whole (load, new, run): views redraw.
    std::function<void()> Changed;

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

    void ApplyRecord(const DataFileRecord& rec, bool blnDataFlag, std::int32_t lngDataVersion);
    void RecountFrame();
    void RaiseChanged() const;

    clsHost m_host;
    clsErrorReporter m_err;
    clsTMain& m_main;
    MessageTrail m_trail;
    clsStringConvert m_convert;
    clsTFileDRD m_drd;
    clsTMsgLog m_log;
    clsTX m_tx;
    std::unique_ptr<clsTMsEngine> m_engine;
    clsTMulti m_multi;

    std::int32_t m_kaisaikai = 0;
    std::string m_kumi;
    ScheduleRecord m_schedule;
    VoteRecord m_vote;
    ResultRecord m_result;
    std::optional<ProbabilityRecord> m_probability;
    ConditionSetRecord m_jouken;
    EngineSettingsRecord m_engineSettings;
    std::int32_t m_msSingleCount = 0;
    LongFrame m_msSingleFrame{};
    std::array<std::int32_t, 6> m_msTousen{};
    std::int32_t m_singleCount = 0;
    LongFrame m_singleFrame{};
    std::vector<std::int32_t> m_singles;
    CellFlags m_covered{};
    std::string m_currentFile;
    std::string m_roundLabel;
    bool m_paused = false;
    bool m_stoppedInExtraction = false;
    bool m_workLock = false;
    std::string m_lastFailure;
};
