#pragma once
// A writer of the run log: the extraction run and each engine own one, bound to the document's
// clsTMsgLog, and live as long as their owner. Times are read from the host's tick counter.

#include "base/clsErrorReporter.h"
#include "base/clsIPump.h"
#include "conditions/clsTMsgLog.h"

#include <cstdint>
#include <string>
#include <string_view>

class clsTMsg
{
public:
    clsTMsg(clsIPump& objPump, clsIMessage& objMessage);

    void Initialize(clsTMsgLog& objLog);
    bool IsInitialized() const { return m_log != nullptr; }

    void Value(std::int32_t lngValue);
    void Max(std::int32_t lngMax);
    // Empties the log and restarts the run clock shared by every writer of this log.
    void Cls();
    void Msg(std::string_view strText, bool blnCR, bool blnTime);
    void Sp();
    // One half of a step line: before the step (blnKakutei false) and after it (true).
    void CompMsg(std::string_view strMsg, std::int32_t lngPreCount, std::int32_t lngSCount,
                 bool blnKakutei);

    // Whole seconds since the last Cls, at least four digits.
    std::string ElapsedText() const;

    // The parts of a step line, exposed for the other writers and the views.
    static std::string StepLabel(std::string_view strMsg);
    static std::string PercentText(std::int32_t lngSCount, std::int32_t lngPreCount);
    static std::string RightAlign(std::string_view strText, std::size_t lngWidth);

private:
    clsIPump& m_pump;
    clsErrorReporter m_err;
    clsTMsgLog* m_log = nullptr;
};
