#pragma once
// Reads the operator's result page of one round into a ResultRecord: scores, outcomes, prizes
// per grade, dates and whether the round was cancelled. Owned by the result loader.

#include "lottery/ResultRecord.h"
#include "net/clsHtmlPage.h"
#include "reference/basTotoSettings.h"

#include <cstdint>
#include <string>
#include <vector>

class clsHtmlResult : public clsHtmlPage
{
public:
    clsHtmlResult(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                  const TotoSettings& settings);

    bool GetResult(std::int32_t lngKaisaikai, const std::string& strKumi);
    bool ReadList(const std::vector<std::string>& strList, const std::string& strKumi);

    const ResultRecord& Result() const { return m_record; }
    std::string PageUrl(std::int32_t lngKaisaikai) const;

private:
    std::string m_url;
    ResultRecord m_record;
};
