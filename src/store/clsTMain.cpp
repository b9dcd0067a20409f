#include "store/clsTMain.h"

#include <algorithm>

clsTMain::clsTMain(const clsHost& host, const TotoSettings& settings, std::string strProgramDir)
    : m_host(host)
    , m_err(host.Message, "clsTMain")
    , m_settings(settings)
    , m_programDir(std::move(strProgramDir))
    , m_scheduleLoader(NewScheduleLoader())
    , m_voteLoader(std::make_unique<clsVote>(host, settings, m_programDir))
    , m_resultLoader(std::make_unique<clsResult>(host, settings, m_programDir))
{}

std::unique_ptr<clsSchedule> clsTMain::NewScheduleLoader() const
{
    return std::make_unique<clsSchedule>(m_host, m_settings, m_programDir);
}

void clsTMain::Initialize()
{
    m_kaisaikai = 0;
    m_kumiIndex = 0;
    m_scheduleLoader->Initialize();
    m_voteLoader->Initialize();
    m_resultLoader->Initialize();
    m_initialized = true;
}

void clsTMain::SetKaisaikai(std::int32_t lngKaisaikai)
{
    const std::int32_t value = std::clamp(lngKaisaikai, 0, kMaxKaisaikai);
    if (value == m_kaisaikai) {
        return;
    }
    m_kaisaikai = value;
    if (m_initialized) {
        Reload(true, true);
    }
}

void clsTMain::ReloadStored()
{
    if (m_initialized) {
        Reload(true, false);
    }
}

void clsTMain::SetKumi(const std::string& strKumi)
{
    if (strKumi == "A") {
        m_kumiIndex = 0;
    } else if (strKumi == "B") {
        m_kumiIndex = 1;
    } else {
        return;
    }
    if (m_initialized) {
        Reload(true, true);
    }
}

void clsTMain::Reload(bool blnLoadVote, bool blnClearVoteIfMissing)
{
    try {
        const std::int32_t round = m_kaisaikai;
        m_schedule = m_scheduleLoader->GetSchedule(round, m_kumi, clsLoaderBase::kFromFile, true)
                         ? m_scheduleLoader->Schedule()
                         : ScheduleRecord{};
        m_noGame = m_scheduleLoader->NoGame();
        if (blnLoadVote) {
            if (m_voteLoader->GetVote(round, m_kumi, clsLoaderBase::kFromFile, true)) {
                m_vote = m_voteLoader->Vote();
            } else if (blnClearVoteIfMissing) {
                m_vote = VoteRecord{};
            }
        }
        m_result = m_resultLoader->GetResult(round, m_kumi, clsLoaderBase::kFromFile, true)
                       ? m_resultLoader->Result()
                       : ResultRecord{};
        m_kaisaikaiChange.Raise(round, m_kumi);
    } catch (const std::exception& e) {
        m_err.ReportException("Reload", e);
    }
}

bool clsTMain::Download(std::string_view strOperation, clsLoaderBase& loader, bool blnLoadVote,
                        const std::function<bool(std::int32_t DType)>& loadAndTake)
{
    if (!m_initialized) {
        m_err.InitializeErr(strOperation);
        return false;
    }
    m_saveFailed = false;
    if (m_noGame) {
        return false;
    }
    const bool valid = loadAndTake(clsLoaderBase::kFromFile | clsLoaderBase::kDownload);
    m_saveFailed = loader.SaveFailed();
    if (valid) {
        Reload(blnLoadVote, false);
        return true;
    }
    loader.FalseDialog(m_kaisaikai);
    return false;
}

bool clsTMain::GetSchedule(bool blnDQuestion)
{
    return Download("GetSchedule", *m_scheduleLoader, false, [&](std::int32_t DType) {
        if (!m_scheduleLoader->GetSchedule(m_kaisaikai, m_kumi, DType, blnDQuestion)) {
            return false;
        }
        m_schedule = m_scheduleLoader->Schedule();
        return true;
    });
}

bool clsTMain::GetVote(bool blnDQuestion)
{
    return Download("GetVote", *m_voteLoader, true, [&](std::int32_t DType) {
        if (!m_voteLoader->GetVote(m_kaisaikai, m_kumi, DType, blnDQuestion)) {
            return false;
        }
        m_vote = m_voteLoader->Vote();
        return true;
    });
}

bool clsTMain::GetResult(bool blnDQuestion)
{
    return Download("GetResult", *m_resultLoader, false, [&](std::int32_t DType) {
        if (!m_resultLoader->GetResult(m_kaisaikai, m_kumi, DType, blnDQuestion)) {
            return false;
        }
        m_result = m_resultLoader->Result();
        return true;
    });
}

bool clsTMain::CheckScheduleFile() const
{
    return m_scheduleLoader->CheckScheduleFile(m_kaisaikai, m_kumi);
}

bool clsTMain::CheckVoteFile() const
{
    return m_voteLoader->CheckVoteFile(m_kaisaikai, m_kumi);
}

bool clsTMain::CheckResultFile() const
{
    return m_resultLoader->CheckResultFile(m_kaisaikai, m_kumi);
}

bool clsTMain::GetOldVoteFile(std::int32_t lngKaisaikai, DateTime SEndTime)
{
    if (!m_initialized) {
        m_err.InitializeErr("GetOldVoteFile");
        return false;
    }
    if (!m_voteLoader->GetOldVoteFile(lngKaisaikai, SEndTime)) {
        return false;
    }
    m_vote = m_voteLoader->Vote();
    Reload(false, false);
    return true;
}

void clsTMain::ScheduleInitialize()
{
    auto loader = NewScheduleLoader();
    loader->Initialize();
    m_scheduleLoader = std::move(loader);
}
