#pragma once
// Fetches the schedule, final vote status and result of every round of a range that the store
// lacks, one request at a time with a pause between requests, and goes on after a round that
// fails. kelvra-cli's "download all" and the window's batch dialog make one per run; it may run
// on a worker thread, as it shows nothing: what the readers would say becomes the round's reason.

#include "base/clsIPump.h"
#include "reference/basTotoSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HistoryRound
{
    enum class State
    {
        // Something new was filed and the round is now complete.
        Stored,
        // All three were in the store already: no request was made.
        Complete,
        // The schedule says the round was not held: it has nothing more to fetch.
        NotHeld,
        // A piece could not be had (the pieces that could are filed all the same).
        Failed,
        // The stop came before this round was done; what it filed stays.
        Stopped
    };
    std::int32_t Kaisaikai = 0;
    State Outcome = State::Failed;
    // The kinds filed by this run: "開催情報", "投票状況", "くじ結果".
    std::vector<std::string> Filed;
    // "くじ結果: why", one per piece that failed.
    std::vector<std::string> Reasons;
};

struct HistorySummary
{
    std::vector<HistoryRound> Rounds;
    // Ended by a stop before the last round of the range; the rounds listed are whole.
    bool Stopped = false;
    std::int32_t Requests = 0;

    std::int32_t Count(HistoryRound::State state) const;
    // After a stop, which rounds of lngFrom..lngTo were never started; "" otherwise.
    std::string NotStartedText(std::int32_t lngFrom, std::int32_t lngTo) const;
};

class clsHistoryDownload
{
public:
    static constexpr std::int32_t kDefaultPauseMs = 1000;
    static constexpr std::int32_t kMaxPauseMs = 60000;
    // More than the operator has ever held in a year by far; a typo such as 1..9999 would
    // otherwise hammer the site for hours.
    static constexpr std::int32_t kMaxRounds = 500;

    // pump: DoEvents lets a stop signal reach StopRequested; WaitForEvents sleeps the pause.
    clsHistoryDownload(const TotoSettings& settings, std::string strProgramDir, clsIPump& pump);

    // Why the range cannot be fetched, "" when it can.
    static std::string CheckRange(std::int32_t lngFrom, std::int32_t lngTo);

    void SetPauseMs(std::int32_t lngMs) { m_pauseMs = lngMs < 0 ? 0 : lngMs; }
    std::int32_t PauseMs() const { return m_pauseMs; }

    // Asked before every request and during the pauses; a stop never cuts a file short, as
    // each piece is filed whole once its page has been read.
    std::function<bool()> StopRequested;
    // Told after each round with the rounds done so far and the size of the range.
    std::function<void(const HistoryRound&, std::int32_t lngDone, std::int32_t lngTotal)> RoundDone;

    // Ascending from lngFrom to lngTo; a range CheckRange refuses gives an empty summary.
    HistorySummary Download(std::int32_t lngFrom, std::int32_t lngTo);

private:
    // Waits out the pause after the previous request; false when a stop came first.
    bool BeforeRequest(std::int32_t lngRequests);
    bool Stopping();

    TotoSettings m_settings;
    std::string m_programDir;
    clsIPump& m_pump;
    std::int32_t m_pauseMs = kDefaultPauseMs;
};
