#pragma once
// The result file of one round (SysData/toto_Result): the held ResultRecord to text and back.
// The layout depends on whether the round was cancelled and on how many grades it pays.
// Owned by the result loader or any caller for as long as it needs it.

#include "base/clsErrorReporter.h"
#include "lottery/ResultRecord.h"
#include "store/clsXmlTagReader.h"

#include <cstdint>
#include <string>

class clsXmlResult
{
public:
    clsXmlResult(clsIMessage& message, std::string strProgramDir);

    std::string GetFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    std::string GetXmlString() const;

    void SetRecord(const ResultRecord& rec) { m_record = rec; }
    const ResultRecord& GetRecord() const { return m_record; }

private:
    void OnValue(ResultRecord& rec, const clsXmlTagReader::Stack& stack, const std::string& v);

    clsErrorReporter m_err;
    std::string m_programDir;
    clsXmlTagReader m_reader;
    ResultRecord m_record;
    std::int32_t m_match = 0;
};
