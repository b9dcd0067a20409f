#pragma once
// The vote-status file of one round (SysData/toto_Vote) and the <投票状況> block that data files
// embed: the held VoteRecord to text and back, with or without the file header. Owned by the
// vote loader or the data-file reader for as long as they need it.

#include "lottery/VoteRecord.h"
#include "store/clsXmlStore.h"

#include <cstdint>
#include <string>
#include <string_view>

class clsXmlVote : public clsXmlStore<VoteRecord>
{
public:
    clsXmlVote(clsIMessage& message, std::string strProgramDir);

    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    // blnHeader: a whole file; otherwise only the <投票状況> block.
    std::string GetXmlString(bool blnHeader) const;
    // Reads a text into the held record; a block without header is wrapped in <toto> first.
    // The group is not read back: a record read this way has an empty Kumi. strSource and
    // lngFirstLine name the text's file and the line it starts at in the reports.
    bool SetXmlString(const std::string& strXML, bool blnHeader, std::string_view strSource = {},
                      std::int32_t lngFirstLine = 1);

private:
    void OnValue(VoteRecord& rec, const clsXmlTagReader::Stack& stack, const std::string& v);
};
