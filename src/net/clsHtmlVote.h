#pragma once
// Reads the operator's vote-rate page of one round into a VoteRecord, telling a final status
// (close of sales) from an interim one. Owned by the vote loader for its lifetime.

#include "lottery/VoteRecord.h"
#include "net/clsHtmlPage.h"
#include "reference/basTotoSettings.h"

#include <cstdint>
#include <string>
#include <vector>

class clsHtmlVote : public clsHtmlPage
{
public:
    // The addresses are taken from the settings once, here.
    clsHtmlVote(clsIMessage& message, clsIBusy& busy, clsIWait& wait, const TotoSettings& settings);

    bool GetVote(std::int32_t lngKaisaikai, const std::string& strKumi, bool& blnFinal);
    // Reads a text list as GetVote reads the fetched page's list.
    bool ReadList(const std::vector<std::string>& strList, const std::string& strKumi,
                  bool& blnFinal);

    const VoteRecord& Vote() const { return m_record; }
    std::string PageUrl(std::int32_t lngKaisaikai, const std::string& strKumi) const;

private:
    std::string m_voteUrl;
    std::string m_totoUrl;
    std::string m_miniTotoAUrl;
    std::string m_miniTotoBUrl;
    VoteRecord m_record;
};
