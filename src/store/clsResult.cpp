#include "store/clsResult.h"

#include "lottery/clsToto.h"
#include "store/clsXmlTagReader.h"

#include <filesystem>

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
    if (!CheckInitialized("Result")) {
        return {};
    }
    return m_record;
}

bool clsResult::CheckResultFile(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    if (!CheckInitialized("CheckResultFile") || !KnownKumi(strKumi)) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::exists(m_xml.GetFileName(lngKaisaikai, strKumi), ec);
}

bool clsResult::GetResult(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                          bool blnDQuestion)
{
    if (!CheckInitialized("GetResult")) {
        return false;
    }
    ResetLoad();
    ResultRecord rec;
    try {
        if (lngKaisaikai > 0 && KnownKumi(strKumi)) {
            const std::string file = m_xml.GetFileName(lngKaisaikai, strKumi);
            bool taken = false;
            bool broken = false;
            if ((DType & kFromFile) != 0) {
                taken = m_xml.XmlLoad(file);
                if (taken) {
                    rec = m_xml.GetRecord();
                }
                // A file that does not load, or loads into a record nothing can use, is
                // damaged: it must not keep a fresh download out of the store.
                broken = clsXmlTagReader::FileExists(file) && (!taken || !(IsValid(rec)));
            }
            if ((!taken || broken) && (DType & kDownload) != 0 && AskDownload(blnDQuestion) &&
                (!broken || MoveAside(file, "GetResult"))) {
                rec = ResultRecord{};
                if (m_reader.GetResult(lngKaisaikai, strKumi) &&
                    m_reader.Result().Kaisaikai == lngKaisaikai) {
                    rec = m_reader.Result();
                    if (IsValid(rec)) {
                        StoreOnce(m_xml.GetFileName(rec.Kaisaikai, rec.Kumi), "GetResult", [&] {
                            m_xml.SetRecord(rec);
                            return m_xml.XmlSave(m_xml.GetFileName(rec.Kaisaikai, rec.Kumi));
                        });
                    }
                }
                m_unpublished = m_reader.Unpublished();
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("GetResult", e);
        rec = ResultRecord{};
    }
    m_record = rec;
    return IsValid(m_record);
}
