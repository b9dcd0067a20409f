#include "engines/clsTMsSearchEngine.h"

#include "lottery/basBall.h"
#include "lottery/clsTMultiPattern.h"

#include <stdexcept>

using namespace basBall;

clsTMsSearchEngine::clsTMsSearchEngine(clsIPump& objPump, clsIMessage& objMessage,
                                       clsTRandom& objRandom, std::string strClass)
    : m_pump(objPump)
    , m_err(objMessage, std::move(strClass))
    , m_msg(objPump, objMessage)
    , m_random(objRandom)
{}

void clsTMsSearchEngine::Initialize(clsTMsgLog& objLog)
{
    m_msg.Initialize(objLog);
    m_log = &objLog;
    m_initialized = true;
}

bool clsTMsSearchEngine::EngineStart(std::span<const std::int32_t> lngSingle,
                                     std::int32_t lngSearchGrade,
                                     const EngineSettingsRecord& udtSettings,
                                     const MarkArray& lngMulti)
{
    ClearResult();
    m_cacheFailed = false;
    m_pausedMs = 0;
    m_lastError = ErrorRecord{};
    if (!m_initialized) {
        m_err.InitializeErr("EngineStart");
        return false;
    }
    m_settings = udtSettings;
    try {
        Search(lngSingle, lngSearchGrade, lngMulti);
        return true;
    } catch (const std::exception& e) {
        ClearResult();
        m_lastError = clsErrorReporter::FromException(e);
        return false;
    }
}

std::vector<std::int32_t>
clsTMsSearchEngine::ExtendedCandidates(std::span<const std::int32_t> lngTarget,
                                       std::int32_t lngExGrade, const MarkArray& lngMulti,
                                       clsIMessage& objMessage)
{
    std::vector<std::uint8_t> reach(kSingleCount, 0);
    for (const std::int32_t t : lngTarget) {
        ForEachInBall(t, lngExGrade, [&](std::int32_t x) { reach[x] = 1; });
    }
    clsTMultiPattern pattern(objMessage);
    pattern.SetValue(lngMulti);
    std::int32_t count = 0;
    std::vector<std::int32_t> multi;
    pattern.GetMulti(count, multi);
    std::vector<std::int32_t> candidates;
    for (std::int32_t i = 0; i < count; ++i) {
        if (reach[multi[i]] != 0) {
            candidates.push_back(multi[i]);
        }
    }
    return candidates;
}

std::int32_t clsTMsSearchEngine::ExtensionGrade(std::int32_t lngGrade) const
{
    if (lngGrade == 3 && m_settings.ExGrade3) {
        return 3;
    }
    return m_settings.ExGrade2 ? 2 : 0;
}

void clsTMsSearchEngine::CheckGrade(std::int32_t lngGrade)
{
    if (lngGrade != 2 && lngGrade != 3) {
        throw std::invalid_argument("保証等級は 2 か 3 です: " + std::to_string(lngGrade));
    }
}

void clsTMsSearchEngine::WhilePaused()
{
    if (!m_pause || m_stop) {
        return;
    }
    const std::int64_t from = m_pump.TickMs();
    while (m_pause && !m_stop) {
        m_pump.WaitForEvents(kPauseWaitMs);
    }
    m_pausedMs += m_pump.TickMs() - from;
}

bool clsTMsSearchEngine::YieldToWindow()
{
    WhilePaused();
    m_pump.DoEvents();
    return m_stop;
}

std::int64_t clsTMsSearchEngine::Deadline(std::int32_t lngSeconds) const
{
    return (RunTickMs() + 500) / 1000 * 1000 + static_cast<std::int64_t>(lngSeconds) * 1000;
}

void clsTMsSearchEngine::StopForCount()
{
    m_msg.Sp();
    m_msg.Msg("指定口数に達したので検索を終了します", true, true);
    m_stop = true;
}

void clsTMsSearchEngine::StopForTime()
{
    m_msg.Sp();
    m_msg.Msg("指定時間になったので検索を終了します", true, true);
    m_stop = true;
}

void clsTMsSearchEngine::Descend(std::int32_t lngFrom, std::int32_t lngLowest,
                                 const std::function<void(std::int32_t)>& fnStep)
{
    for (std::int32_t d = lngFrom; d >= lngLowest && !m_stop; --d) {
        fnStep(d);
        if (!m_stop && d <= m_settings.EndCount) {
            StopForCount();
        }
        YieldToWindow();
    }
}

void clsTMsSearchEngine::EndSize(bool blnTimedOut, const std::function<void()>& fnConfirm)
{
    m_msg.Value(0);
    if (m_stop) {
        m_msg.Msg("中断", true, false);
    } else {
        m_msg.Msg("確定", true, false);
        fnConfirm();
    }
    if (blnTimedOut) {
        StopForTime();
    }
}
