#include "store/clsVote.h"

#include "store/basXmlValue.h"

#include <filesystem>

clsVote::clsVote(const clsHost& host, const TotoSettings& settings,
                 const std::string& strProgramDir)
    : clsLoaderBase(host, "clsVote", "投票状況")
    , m_programDir(strProgramDir)
    , m_xml(host.Message, strProgramDir)
    , m_reader(host.Message, host.Busy, host.Wait, settings)
{}

VoteRecord clsVote::Vote() const
{
    if (!CheckInitialized("Vote")) {
        return {};
    }
    return m_record;
}

bool clsVote::CheckVoteFile(std::int32_t lngKaisaikai, const std::string& strKumi) const
{
    if (!CheckInitialized("CheckVoteFile") || !KnownKumi(strKumi)) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::exists(m_xml.GetFileName(lngKaisaikai, strKumi), ec);
}

bool clsVote::GetVote(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                      bool blnDQuestion)
{
    if (!CheckInitialized("GetVote")) {
        return false;
    }
    m_cancel = false;
    m_unpublished = false;
    m_final = false;
    VoteRecord rec;
    try {
        if (lngKaisaikai > 0 && KnownKumi(strKumi)) {
            bool taken = false;
            if ((DType & kFromFile) != 0 &&
                m_xml.XmlLoad(m_xml.GetFileName(lngKaisaikai, strKumi))) {
                rec = m_xml.GetRecord();
                taken = true;
            }
            if (!taken && (DType & kDownload) != 0 && AskDownload(blnDQuestion)) {
                bool final = false;
                if (m_reader.GetVote(lngKaisaikai, strKumi, final) &&
                    m_reader.Vote().Kaisaikai == lngKaisaikai) {
                    rec = m_reader.Vote();
                    m_final = final;
                    if (final && rec.IsValid()) {
                        const std::string file = m_xml.GetFileName(rec.Kaisaikai, rec.Kumi);
                        std::error_code ec;
                        if (!std::filesystem::exists(file, ec)) {
                            m_xml.SetRecord(rec);
                            m_xml.XmlSave(file);
                        }
                    }
                }
                m_unpublished = m_reader.Unpublished();
            }
        }
    } catch (const std::exception& e) {
        m_err.ReportException("GetVote", e);
        rec = VoteRecord{};
    }
    m_record = rec;
    return m_record.IsValid();
}

std::string clsVote::OldVoteFileName(std::int32_t lngKaisaikai, DateTime SEndTime) const
{
    const std::string name = "vote_" + basXmlValue::FormatRound(lngKaisaikai) + "_" +
                             SEndTime.Format("yyyy-mm-dd") + ".xml";
    return (std::filesystem::path(m_programDir) / "SysData" / "Vote" / name).string();
}

bool clsVote::GetOldVoteFile(std::int32_t lngKaisaikai, DateTime SEndTime)
{
    if (!CheckInitialized("GetOldVoteFile")) {
        return false;
    }
    try {
        const std::string file = OldVoteFileName(lngKaisaikai, SEndTime);
        std::error_code ec;
        if (!std::filesystem::exists(file, ec) || !m_xml.XmlLoad(file)) {
            return false;
        }
        m_record = m_xml.GetRecord();
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("GetOldVoteFile", e);
        return false;
    }
}
