#pragma once
// The extraction run controller: expands the multi, runs the payout and condition passes and
// the error correction in order, writes the run log and fills the breakdown. The document
// (clsDocument) owns one for its lifetime; a run goes from start to end inside RunExtraction.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/ConditionSetRecord.h"
#include "conditions/clsTMeisai.h"
#include "conditions/clsTMsg.h"
#include "conditions/clsTX1.h"
#include "lottery/clsTCount.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class clsTX
{
public:
    using MarkArray = clsTX1::MarkArray;

    clsTX(clsIMessage& objMessage, clsIPump& objPump);

    // Binds the run log; strVersion is the program's version text for the first log line.
    void Initialize(clsTMsgLog& objLog, std::string strVersion);

    bool Run() const { return m_running; }
    void Cancel();
    // The last extraction was stopped by Cancel: its empty result is no result.
    bool Cancelled() const { return m_cancel; }
    // The count grid under the log: percentages instead of counts.
    void SinglePercent(bool blnValue) { m_count.SetPercent(blnValue); }
    void SetSingleFrame(const SingleFrame& lngValue, bool blnVisible);
    void CountMeisaiClear();
    void EndMsg(std::int32_t lngSCount);
    void SetVoteRecord(const VoteRecord& vote);
    // The player's own probabilities, for the limits on expected value and 1st-grade chance.
    void SetProbability(const std::optional<ProbabilityRecord>& prob);
    void RunExtraction(const ConditionSetRecord& jouken, const MarkArray& lngValue,
                       std::int32_t& lngSCount, std::vector<std::int32_t>& lngSingle);
    void UpdateMeisai(const MarkArray& lngValue, std::int32_t lngSCount,
                      const std::array<std::int32_t, 6>& lngTousen);

    clsTMsg& Msg() { return m_msg; }
    clsTMeisai& Meisai() { return m_meisai; }
    clsTCount& Count() { return m_count; }
    const clsTMeisai& Meisai() const { return m_meisai; }
    const clsTCount& Count() const { return m_count; }
    clsTX1& Worker() { return m_worker; }

private:
    void Body(const ConditionSetRecord& jouken, std::int32_t& lngSCount,
              std::vector<std::int32_t>& lngSingle);
    void ValuePasses(const ValueLimits& limits, std::int32_t& lngSCount,
                     std::vector<std::int32_t>& lngSingle, bool blnMachigai,
                     std::vector<clsTX1::MachigaiCounter>& bytMachigai);
    void LogPassStart(const std::string& strLabel, std::int32_t lngPre);
    void LogPassEnd(const std::string& strLabel, std::int32_t lngPre, std::int32_t lngAfter);
    void Correction(const ConditionSetRecord& jouken, std::int32_t lngSCount,
                    std::vector<std::int32_t>& lngSingle,
                    const std::vector<clsTX1::MachigaiCounter>& bytMachigai,
                    const std::vector<clsTX1::MachigaiCounter>& bytKyoyou, std::int32_t& lngKept);

    clsErrorReporter m_err;
    clsIPump& m_pump;
    clsTMsg m_msg;
    clsTX1 m_worker;
    clsTMeisai m_meisai;
    clsTCount m_count;
    std::string m_version;
    bool m_initialized = false;
    bool m_running = false;
    bool m_cancel = false;
    bool m_anyPass = false;
};
