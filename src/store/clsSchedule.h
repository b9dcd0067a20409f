#pragma once
// The schedule loader: the round's schedule file first, the operator's page when asked, and a
// downloaded schedule saved once. Owned by the round controller; replaced whole when the team
// names on disk change (its page reader reads them once).

#include "lottery/ScheduleRecord.h"
#include "net/clsHtmlSchedule.h"
#include "store/clsLoaderBase.h"
#include "store/clsXmlSchedule.h"

#include <cstdint>
#include <string>

class clsSchedule : public clsLoaderBase
{
public:
    clsSchedule(const clsHost& host, const TotoSettings& settings,
                const std::string& strProgramDir);

    // DType: kFromFile | kDownload. Returns whether the record now held is valid.
    bool GetSchedule(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                     bool blnDQuestion);
    ScheduleRecord Schedule() const;
    bool NoGame() const;
    bool CheckScheduleFile(std::int32_t lngKaisaikai, const std::string& strKumi) const;

    clsHtmlSchedule& Reader() { return m_reader; }

private:
    clsHtmlPage& Page() override { return m_reader; }
    const clsHtmlPage& Page() const override { return m_reader; }

    clsXmlSchedule m_xml;
    clsHtmlSchedule m_reader;
    ScheduleRecord m_record;
    bool m_noGame = false;
};
