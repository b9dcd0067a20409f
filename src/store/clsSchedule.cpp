#include "store/clsSchedule.h"

clsSchedule::clsSchedule(const clsHost& host, const TotoSettings& settings,
                         const std::string& strProgramDir)
    : clsLoaderBase(host, "clsSchedule", "開催情報")
    , m_xml(host.Message, strProgramDir)
    , m_reader(host.Message, host.Busy, host.Wait, settings, strProgramDir)
{}

ScheduleRecord clsSchedule::Schedule() const
{
    return Held("Schedule", m_record);
}

bool clsSchedule::NoGame() const
{
    return CheckInitialized("NoGame") && m_noGame;
}

bool clsSchedule::CheckScheduleFile(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    return HasFile("CheckScheduleFile", m_xml, lngKaisaikai, strKumi);
}

bool clsSchedule::GetSchedule(std::int32_t lngKaisaikai, const std::string& strKumi,
                              std::int32_t DType, bool blnDQuestion)
{
    if (!BeginLoad("GetSchedule")) {
        return false;
    }
    m_noGame = false;
    m_record = LoadOrDownload<ScheduleRecord>(
        "GetSchedule", m_xml, lngKaisaikai, strKumi, DType, blnDQuestion,
        [&](const ScheduleRecord& rec) {
            // A round that is not held keeps its short file; nothing more is to be had.
            m_noGame = rec.HoldState == 1;
            return rec.IsValid() || m_noGame;
        },
        [&](ScheduleRecord& rec) {
            // A page of another round (the site may redirect to the current one) must not be
            // filed or shown as this round.
            if (!m_reader.GetSchedule(lngKaisaikai, strKumi) ||
                m_reader.Schedule().Kaisaikai != lngKaisaikai) {
                return false;
            }
            rec = m_reader.Schedule();
            return rec.IsValid();
        });
    return m_record.IsValid();
}
