#pragma once
// Sets the process's TZ for one scope and puts the former setting back, so a test can show
// that a result does not depend on the machine's time zone.

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class TimeZoneScope
{
public:
    explicit TimeZoneScope(const char* strZone)
    {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
        }
        setenv("TZ", strZone, 1);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (m_old) {
            setenv("TZ", m_old->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    std::optional<std::string> m_old;
};
