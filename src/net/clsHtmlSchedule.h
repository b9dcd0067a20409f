#pragma once
// Reads the operator's lottery-information page of one round into a ScheduleRecord, with the
// clubs' short names. Owned by the schedule loader; the team names it knows are those on disk
// when it was created.

#include "lottery/ScheduleRecord.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlToto.h"
#include "reference/basTotoSettings.h"
#include "reference/clsTotoData.h"

#include <cstdint>
#include <string>
#include <vector>

class clsHtmlSchedule
{
public:
    clsHtmlSchedule(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                    const TotoSettings& settings, const std::string& strProgramFolder);

    bool GetSchedule(std::int32_t lngKaisaikai, const std::string& strKumi);
    bool ReadList(const std::vector<std::string>& strList, const std::string& strKumi);

    const ScheduleRecord& Schedule() const { return m_record; }
    bool Unpublished() const { return m_unpublished; }
    std::string PageUrl(std::int32_t lngKaisaikai) const;

    clsHtmlGet& Fetcher() { return m_get; }
    clsHtmlToto& Toto() { return m_toto; }
    bool ProgressOpen() const { return m_get.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_get.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_get.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_get.SetProgressClose(blnValue); }

private:
    clsErrorReporter m_err;
    clsHtmlGet m_get;
    clsHtmlToto m_toto;
    clsTotoData m_teams;
    std::string m_url;
    ScheduleRecord m_record;
    bool m_unpublished = false;
};
