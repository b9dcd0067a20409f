#pragma once
// The round controller of the main window: the current round number and group choice, the
// three records of that round, reloads and the download commands. The main window (frmMain)
// owns one for its lifetime, kelvra-cli's basCliWork one per command and its download command
// one per call; the document it is handed to follows its round changes.

#include "base/clsEvent.h"
#include "base/clsHost.h"
#include "store/clsResult.h"
#include "store/clsSchedule.h"
#include "store/clsVote.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class clsTMain
{
public:
    static constexpr std::int32_t kMaxKaisaikai = 9999;

    clsTMain(const clsHost& host, const TotoSettings& settings, std::string strProgramDir);

    // Round 0, first group entry, loaders initialized; reloads only start after this.
    void Initialize();
    // The round-number field: whole numbers 0..9999; a change of value reloads.
    void SetKaisaikai(std::int32_t lngKaisaikai);
    std::int32_t Kaisaikai() const { return m_kaisaikai; }
    // "A" selects the first group entry, "B" the second, anything else nothing; a selection
    // reloads. The files addressed stay the round's toto files: Kumi is never assigned.
    void SetKumi(const std::string& strKumi);
    std::int32_t KumiIndex() const { return m_kumiIndex; }
    const std::string& Kumi() const { return m_kumi; }
    // The folder SysData lies in: the reference files of a round's teams are read from there.
    const std::string& ProgramDir() const { return m_programDir; }
    // The operator's page addresses the loaders read from.
    const TotoSettings& Settings() const { return m_settings; }

    // The download commands; true when a valid record was taken.
    bool GetSchedule(bool blnDQuestion);
    bool GetVote(bool blnDQuestion);
    bool GetResult(bool blnDQuestion);
    // The last download command read a valid record but could not write its file (the
    // reloads after it do not clear this).
    bool SaveFailed() const { return m_saveFailed; }
    bool CheckScheduleFile() const;
    bool CheckVoteFile() const;
    bool CheckResultFile() const;
    bool GetOldVoteFile(std::int32_t lngKaisaikai, DateTime SEndTime);
    // A new schedule loader, so that its page reader reads the team names on disk again.
    void ScheduleInitialize();
    // Reads the current round's files again after something outside the controller filed
    // them (a download of past rounds); a vote status held but not filed stays, as after a
    // vote download.
    void ReloadStored();

    const ScheduleRecord& Schedule() const { return m_schedule; }
    const VoteRecord& Vote() const { return m_vote; }
    void SetVote(const VoteRecord& rec) { m_vote = rec; }
    const ResultRecord& Result() const { return m_result; }
    bool NoGame() const { return m_noGame; }

    clsSchedule& ScheduleLoader() { return *m_scheduleLoader; }
    clsVote& VoteLoader() { return *m_voteLoader; }
    clsResult& ResultLoader() { return *m_resultLoader; }

    using KaisaikaiChangeEvent = clsEvent<std::int32_t, const std::string&>;
    // Raised after every reload with the current round and group, to every listener (the
    // document and each round view follow it); a listener's exception is reported here.
    [[nodiscard]] clsSubscription SubscribeKaisaikaiChange(KaisaikaiChangeEvent::Handler fnHandler)
    {
        return m_kaisaikaiChange.Subscribe(std::move(fnHandler));
    }

private:
    void Reload(bool blnLoadVote, bool blnClearVoteIfMissing);
    // A download command: loadAndTake loads with the DType it is given and takes a valid
    // record; a reload follows, a failure shows the loader's reason.
    bool Download(std::string_view strOperation, clsLoaderBase& loader, bool blnLoadVote,
                  const std::function<bool(std::int32_t DType)>& loadAndTake);
    std::unique_ptr<clsSchedule> NewScheduleLoader() const;

    clsHost m_host;
    clsErrorReporter m_err;
    TotoSettings m_settings;
    std::string m_programDir;
    std::unique_ptr<clsSchedule> m_scheduleLoader;
    std::unique_ptr<clsVote> m_voteLoader;
    std::unique_ptr<clsResult> m_resultLoader;
    bool m_initialized = false;
    std::int32_t m_kaisaikai = 0;
    std::int32_t m_kumiIndex = 0;
    std::string m_kumi;
    ScheduleRecord m_schedule;
    VoteRecord m_vote;
    ResultRecord m_result;
    bool m_noGame = false;
    bool m_saveFailed = false;
    KaisaikaiChangeEvent m_kaisaikaiChange;
};
