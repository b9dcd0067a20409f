#pragma once
// Reads the operator's result page of one round into a ResultRecord: scores, outcomes, prizes
// per grade, dates and whether the round was cancelled. Owned by the result loader.

#include "lottery/ResultRecord.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlToto.h"
#include "reference/basTotoSettings.h"

#include <cstdint>
#include <string>
#include <vector>

class clsHtmlResult
{
public:
    clsHtmlResult(clsIMessage& message, clsIBusy& busy, clsIWait& wait,
                  const TotoSettings& settings);

    bool GetResult(std::int32_t lngKaisaikai, const std::string& strKumi);
    bool ReadList(const std::vector<std::string>& strList, const std::string& strKumi);

    const ResultRecord& Result() const { return m_record; }
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
    std::string m_url;
    ResultRecord m_record;
    bool m_unpublished = false;
};
