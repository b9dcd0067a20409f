#pragma once
// Data files (drd: the whole work on one round) and conditions files (drj: the condition set
// alone), INI-like CP932 text with three tagged blocks. The document owns one for its lifetime;
// each call opens, reads or writes and closes its file.

#include "base/clsErrorReporter.h"
#include "base/clsHost.h"
#include "files/DataFileRecord.h"
#include "files/clsStringConvert.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class clsTFileDRD
{
public:
    static constexpr std::int32_t CurrentDataVersion = 6;

    // strVersionText: the program's version as shown ("1.00"); strLegal: the notice written as
    // the second comment line.
    clsTFileDRD(const clsHost& host, std::string strVersionText, std::string strLegal);

    // The file is replaced only once the whole text was written. blnDialog: report failures.
    bool Save(const std::string& strFileName, bool blnDataFlag, const DataFileRecord& rec,
              bool blnDialog);
    // Reads into a record the caller pre-filled; keys missing from the file keep their values.
    // On failure the record may be partly filled and is to be discarded.
    bool Load(const std::string& strFileName, DataFileRecord& rec);
    // True when the first eight lines name this program and the asked kind; the data version
    // is returned when the header has one.
    bool DataTypeCheck(const std::string& strFileName, bool blnDataFlag,
                       std::int32_t& lngDataVersion);

    // The file text (UTF-8) Save writes; lngProgress is told how many singles are written.
    std::string BuildText(bool blnDataFlag, const DataFileRecord& rec,
                          const std::function<void(std::int32_t)>& lngProgress = {}) const;
    std::string EntryToString(const ConditionTableEntry& entry) const;
    // Throws XmlReadError on a missing part, a bad number or a size below 1.
    void StringToEntry(std::string_view strValue, ConditionTableEntry& entry) const;

private:
    // One "key = value" line other than SingleCount; unknown keys are passed over.
    void ReadKey(std::string_view k, std::string_view v, DataFileRecord& rec) const;
    // Free: any keys and blocks (a conditions file); OldData: a data file of version 4 or older,
    // read as it always was; Data: a data file of the current layout, refused unless whole.
    enum class Layout
    {
        Free,
        OldData,
        Data,
    };
    // lngNulLine: the line where a NUL cut the text, 0 when none did.
    bool ParseText(const std::string& strFileName, std::string_view strText, DataFileRecord& rec,
                   Layout layout, std::int32_t lngNulLine);

    clsHost m_host;
    clsErrorReporter m_err;
    clsStringConvert m_convert;
    std::string m_version;
    std::string m_legal;
};
