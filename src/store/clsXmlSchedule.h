#pragma once
// The schedule file of one round in the store (SysData/toto_Schedule): writes the held
// ScheduleRecord and reads it back, including the short not-held form. Owned by the schedule
// loader or any caller for as long as it needs it; holds no file open between calls.

#include "lottery/ScheduleRecord.h"
#include "store/clsXmlStore.h"

#include <cstdint>
#include <string>

class clsXmlSchedule : public clsXmlStore<ScheduleRecord>
{
public:
    // strProgramDir: the folder that holds SysData/.
    clsXmlSchedule(clsIMessage& message, std::string strProgramDir);

    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    // The whole file text of the held record (what XmlSave writes).
    std::string GetXmlString() const;
    // The not-held form of a round's file.
    static std::string NotHeldText(std::int32_t lngKaisaikai);

private:
    void OnValue(ScheduleRecord& rec, const clsXmlTagReader::Stack& stack, const std::string& v);
};
