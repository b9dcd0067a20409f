#pragma once
// The result loader: the round's result file first, the operator's page when asked, and a
// downloaded result saved once. Owned by the round controller for its lifetime.

#include "lottery/ResultRecord.h"
#include "net/clsHtmlResult.h"
#include "store/clsLoaderBase.h"
#include "store/clsXmlResult.h"

#include <cstdint>
#include <string>

class clsResult : public clsLoaderBase
{
public:
    clsResult(const clsHost& host, const TotoSettings& settings, const std::string& strProgramDir);

    bool GetResult(std::int32_t lngKaisaikai, const std::string& strKumi, std::int32_t DType,
                   bool blnDQuestion);
    ResultRecord Result() const;
    bool CheckResultFile(std::int32_t lngKaisaikai, const std::string& strKumi) const;
    // Valid by the rules of the record's own round (its number of prize grades).
    static bool IsValid(const ResultRecord& rec);

    clsHtmlResult& Reader() { return m_reader; }

private:
    clsHtmlPage& Page() override { return m_reader; }
    const clsHtmlPage& Page() const override { return m_reader; }

    clsXmlResult m_xml;
    clsHtmlResult m_reader;
    ResultRecord m_record;
};
