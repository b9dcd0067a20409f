#pragma once
// What the schedule, vote-status and result stores share: the reporter under the store's class
// name, the round's file name, the tag scanner, the held record and the match a read is
// filling. Each store is one of these for its lifetime.

#include "base/clsErrorReporter.h"
#include "store/clsXmlTagReader.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

template <class Record> class clsXmlStore
{
public:
    // SysData/<folder>/<prefix><round "000">[_<group>].xml below the program folder.
    std::string GetFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const
    {
        return clsXmlTagReader::StoreFileName(m_programDir, m_folder, m_prefix, lngKaisaikai,
                                              strKumi);
    }

    void SetRecord(const Record& rec) { m_record = rec; }
    const Record& GetRecord() const { return m_record; }

protected:
    // strFolder and strPrefix name the store's files; they are literals that outlive it.
    clsXmlStore(clsIMessage& message, std::string strClass, std::string strProgramDir,
                std::string_view strFolder, std::string_view strPrefix)
        : m_err(message, std::move(strClass))
        , m_programDir(std::move(strProgramDir))
        , m_folder(strFolder)
        , m_prefix(strPrefix)
    {}

    // The store's XmlSave: the held record's text, made and written in one guard.
    bool Save(const std::string& strFileName, const std::function<std::string()>& makeText)
    {
        return clsXmlTagReader::SaveFile(strFileName, makeText, m_err);
    }

    clsErrorReporter m_err;
    std::string m_programDir;
    std::string_view m_folder;
    std::string_view m_prefix;
    clsXmlTagReader m_reader;
    Record m_record;
    // The match being filled; kept between reads as the reader always did.
    std::int32_t m_match = 0;
};
