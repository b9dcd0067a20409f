#pragma once
// The schedule file of one round in the store (SysData/toto_Schedule): writes the held
// ScheduleRecord and reads it back, including the short not-held form. Owned by the schedule
// loader or any caller for as long as it needs it; holds no file open between calls.

#include "base/clsErrorReporter.h"
#include "lottery/ScheduleRecord.h"
#include "store/clsXmlTagReader.h"

#include <cstdint>
#include <string>

class clsXmlSchedule
{
public:
    // strProgramDir: the folder that holds SysData/.
    clsXmlSchedule(clsIMessage& message, std::string strProgramDir);

    std::string GetFileName(std::int32_t lngKaisaikai, const std::string& strKumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    // The whole file text of the held record (what XmlSave writes).
    std::string GetXmlString() const;
    // The not-held form of a round's file.
    static std::string NotHeldText(std::int32_t lngKaisaikai);

    void SetRecord(const ScheduleRecord& rec) { m_record = rec; }
    const ScheduleRecord& GetRecord() const { return m_record; }

private:
    void OnValue(ScheduleRecord& rec, const clsXmlTagReader::Stack& stack, const std::string& v);

    clsErrorReporter m_err;
    std::string m_programDir;
    clsXmlTagReader m_reader;
    ScheduleRecord m_record;
    // The match being filled; kept between reads as the reader always did.
    std::int32_t m_match = 0;
};
