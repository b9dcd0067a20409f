#pragma once
// The vote-status loader: the round's vote file first, the operator's page when asked. Only a
// final status (close of sales) is filed; an interim one lives in this loader's record alone.
// Owned by the round controller for its lifetime.

#include "base/DateTime.h"
#include "lottery/VoteRecord.h"
#include "net/clsHtmlVote.h"
#include "store/clsLoaderBase.h"
#include "store/clsXmlVote.h"

#include <cstdint>
#include <string>

class clsVote : public clsLoaderBase
{
public:
    clsVote(const clsHost& host, const TotoSettings& settings, const std::string& strProgramDir);

    bool GetVote(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                 bool blnDQuestion);
    VoteRecord Vote() const;
    bool CheckVoteFile(std::int32_t lngKaisaikai, const std::string& strKumi) const;
    // An archived snapshot SysData/Vote/vote_<round>_<yyyy-mm-dd>.xml.
    bool GetOldVoteFile(std::int32_t lngKaisaikai, DateTime SEndTime);
    std::string OldVoteFileName(std::int32_t lngKaisaikai, DateTime SEndTime) const;
    // Which validity rule the record breaks, first one first; "" for a valid record.
    static std::string InvalidReason(const VoteRecord& rec);
    // Whether the last download read the final status.
    bool LastFinal() const { return m_final; }

    clsHtmlVote& Reader() { return m_reader; }

private:
    clsHtmlPage& Page() override { return m_reader; }
    const clsHtmlPage& Page() const override { return m_reader; }

    std::string m_programDir;
    clsXmlVote m_xml;
    clsHtmlVote m_reader;
    VoteRecord m_record;
    bool m_final = false;
};
