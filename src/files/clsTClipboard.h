#pragma once
// The four texts the Tools menu copies: the forecast report (with or without the conditions)
// and the ticket list by ticket or by match. The texts are plain functions of the document's
// record and the round's schedule; Copy puts one on the clipboard. Made per copy.

#include "base/clsHost.h"
#include "files/DataFileRecord.h"
#include "lottery/ScheduleRecord.h"

#include <cstdint>
#include <string>
#include <vector>

class clsTClipboard
{
public:
    clsTClipboard(clsIClipboard& clipboard, clsIMessage& message, clsIBusy& busy,
                  std::string strVersionText);

    // 0 forecast, 1 forecast with conditions, 3 one ticket per line, 4 one match per line
    // (2 is the menu separator). Copies only a non-empty text, then says so.
    void Copy(std::int32_t lngIndex, const DataFileRecord& rec, const ScheduleRecord& schedule);

    // The text of an item; empty for item 2, an empty set, or a list over 10,000 tickets
    // (blnTooMany then true).
    std::string BuildText(std::int32_t lngIndex, const DataFileRecord& rec,
                          const ScheduleRecord& schedule, bool& blnTooMany) const;

    static std::string ForecastText(const DataFileRecord& rec, const ScheduleRecord& schedule,
                                    bool blnJouken, const std::string& strVersionText);
    static std::string TicketLinesText(const DataFileRecord& rec);
    static std::string MatchLinesText(const DataFileRecord& rec);
    static std::string ConditionText(const DataFileRecord& rec);

    // "0～3,5,7～9": runs of two or more consecutive numbers as first～last.
    static std::string NumberList(const std::vector<std::int32_t>& lngValues);
    // "1,500", "15万", "1,000万", "3億".
    static std::string MoneyText(Currency curValue);
    // The 26 names as the report shows them: three full-width characters each, or "？？？".
    static std::vector<std::string> TeamNames(const ScheduleRecord& schedule);

    static constexpr std::int32_t MaxListCount = 10000;

private:
    clsIClipboard& m_clipboard;
    clsIMessage& m_message;
    clsIBusy& m_busy;
    std::string m_version;
};
