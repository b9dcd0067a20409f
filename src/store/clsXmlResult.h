#pragma once
// The result file of one round (SysData/toto_Result): the held ResultRecord to text and back.
// The layout depends on whether the round was cancelled and on how many grades it pays.
// Owned by the result loader or any caller for as long as it needs it.

#include "lottery/ResultRecord.h"
#include "store/clsXmlStore.h"

#include <cstdint>
#include <string>

class clsXmlResult : public clsXmlStore<ResultRecord>
{
public:
    clsXmlResult(clsIMessage& message, std::string strProgramDir);

    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    std::string GetXmlString() const;

private:
    void OnValue(ResultRecord& rec, const clsXmlTagReader::Stack& stack, const std::string& v);
};
