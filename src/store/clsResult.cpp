#include "store/clsResult.h"

#include "lottery/clsToto.h"

clsResult::clsResult(const clsHost& host, const TotoSettings& settings,
                     const std::string& strProgramDir)
    : clsLoaderBase(host, "clsResult", "くじ結果")
    , m_xml(host.Message, strProgramDir)
    , m_reader(host.Message, host.Busy, host.Wait, settings)
{}

bool clsResult::IsValid(const ResultRecord& rec)
{
    return rec.IsValid(clsToto::GetMaxGrade(rec.Kaisaikai));
}

ResultRecord clsResult::Result() const
{
    return Held("Result", m_record);
}

bool clsResult::CheckResultFile(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    return HasFile("CheckResultFile", m_xml, lngKaisaikai, strKumi);
}

bool clsResult::GetResult(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                          bool blnDQuestion)
{
    if (!BeginLoad("GetResult")) {
        return false;
    }
    m_record = LoadOrDownload<ResultRecord>(
        "GetResult", m_xml, lngKaisaikai, strKumi, DType, blnDQuestion,
        [](const ResultRecord& rec) { return IsValid(rec); },
        [&](ResultRecord& rec) {
            // A page of another round must not be filed or shown as this round.
            if (!m_reader.GetResult(lngKaisaikai, strKumi) ||
                m_reader.Result().Kaisaikai != lngKaisaikai) {
                return false;
            }
            rec = m_reader.Result();
            return IsValid(rec);
        });
    return IsValid(m_record);
}
