#include "store/clsSchedule.h"

#include "store/clsXmlTagReader.h"

#include <filesystem>

clsSchedule::clsSchedule(const clsHost& host, const TotoSettings& settings,
                         const std::string& strProgramDir)
    : clsLoaderBase(host, "clsSchedule", "開催情報")
    , m_xml(host.Message, strProgramDir)
    , m_reader(host.Message, host.Busy, host.Wait, settings, strProgramDir)
{}

ScheduleRecord clsSchedule::Schedule() const
{
    if (!CheckInitialized("Schedule")) {
        return {};
    }
    return m_record;
}

bool clsSchedule::NoGame() const
{
    return CheckInitialized("NoGame") && m_noGame;
}

bool clsSchedule::CheckScheduleFile(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    if (!CheckInitialized("CheckScheduleFile") || !KnownKumi(strKumi)) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::exists(m_xml.GetFileName(lngKaisaikai, strKumi), ec);
}

bool clsSchedule::GetSchedule(std::int32_t lngKaisaikai, const std::string& strKumi,
                              std::int32_t DType, bool blnDQuestion)
{
    if (!CheckInitialized("GetSchedule")) {
        return false;
    }
    ResetLoad();
    m_noGame = false;
    ScheduleRecord rec;
    try {
        if (lngKaisaikai > 0 && KnownKumi(strKumi)) {
            const std::string file = m_xml.GetFileName(lngKaisaikai, strKumi);
            bool taken = false;
            bool broken = false;
            if ((DType & kFromFile) != 0) {
                taken = m_xml.XmlLoad(file);
                if (taken) {
                    rec = m_xml.GetRecord();
                    m_noGame = rec.HoldState == 1;
                }
                // A file that does not load, or loads into a record nothing can use, is
                // damaged: it must not keep a fresh download out of the store.
                broken =
                    clsXmlTagReader::FileExists(file) && (!taken || !(rec.IsValid() || m_noGame));
            }
            if ((!taken || broken) && (DType & kDownload) != 0 && AskDownload(blnDQuestion) &&
                (!broken || MoveAside(file, "GetSchedule"))) {
                rec = ScheduleRecord{};
                // A page of another round (the site may redirect to the current one) must not
                // be filed or shown as this round.
                if (m_reader.GetSchedule(lngKaisaikai, strKumi) &&
                    m_reader.Schedule().Kaisaikai == lngKaisaikai) {
                    rec = m_reader.Schedule();
                    if (rec.IsValid()) {
                        StoreOnce(m_xml.GetFileName(rec.Kaisaikai, rec.Kumi), "GetSchedule", [&] {
                            m_xml.SetRecord(rec);
                            return m_xml.XmlSave(m_xml.GetFileName(rec.Kaisaikai, rec.Kumi));
                        });
                    }
                }
                m_unpublished = m_reader.Unpublished();
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("GetSchedule", e);
        rec = ScheduleRecord{};
    }
    m_record = rec;
    return m_record.IsValid();
}
