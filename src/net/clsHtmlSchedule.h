#pragma once
// Reads the operator's lottery-information page of one round into a ScheduleRecord, with the
// clubs' short names. Owned by the schedule loader; the team names it knows are those on disk
// when it was created.

#include "lottery/ScheduleRecord.h"
#include "net/clsHtmlPage.h"
#include "reference/basTotoSettings.h"
#include "reference/clsTotoData.h"

#include <cstdint>
#include <string>
#include <vector>

class clsHtmlSchedule : public clsHtmlPage
{
public:
    clsHtmlSchedule(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                    const TotoSettings& settings, const std::string& strProgramFolder);

    bool GetSchedule(std::int32_t lngKaisaikai, const std::string& strKumi);
    bool ReadList(const std::vector<std::string>& strList, const std::string& strKumi);

    const ScheduleRecord& Schedule() const { return m_record; }
    std::string PageUrl(std::int32_t lngKaisaikai) const;

private:
    // A match row "n date time stadium home state away" into match n; the entries it took, or
    // 0 (failed) for a row that is not one.
    std::size_t ReadMatchRow(const std::vector<std::string>& list, std::size_t i, std::int32_t n,
                             int intYear, ScheduleRecord& rec, bool& failed);

    clsTotoData m_teams;
    std::string m_url;
    ScheduleRecord m_record;
};
