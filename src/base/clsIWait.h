#pragma once
// The wait dialog: a message and a progress bar for long walks over many items.

#include <cstdint>
#include <string_view>

class clsIWait
{
public:
    virtual ~clsIWait() = default;
    virtual void WaitShow(std::string_view strMessage, std::int32_t lngMax) = 0;
    virtual void WaitMessage(std::string_view strMessage) = 0;
    virtual void WaitValue(std::int32_t lngValue) = 0;
    virtual void WaitClose() = 0;
};

// Closes the wait dialog on every exit path.
class WaitScope
{
public:
    WaitScope(clsIWait& wait, std::string_view strMessage, std::int32_t lngMax)
        : m_wait(wait)
    {
        m_wait.WaitShow(strMessage, lngMax);
    }
    ~WaitScope() { m_wait.WaitClose(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
    void Value(std::int32_t lngValue) { m_wait.WaitValue(lngValue); }

private:
    clsIWait& m_wait;
};
