#pragma once
// One HTTP GET as the layers below the page readers see it: net/clsWinInet is the real one.
// Lets the maker's team-name update fetch its files without depending on net/.

#include <cstdint>
#include <string>
#include <string_view>

class clsIHttp
{
public:
    virtual ~clsIHttp() = default;
    // Whether an attempt to connect can be made at all.
    virtual bool Connection() const = 0;
    // bytCode 0: Shift_JIS, 8: UTF-8. "" when nothing usable came back.
    virtual std::string GetHttpDataString(std::string_view strUrl, std::string_view strProxy,
                                          std::uint8_t bytCode) = 0;
    // Status of the last answer (0 when no HTTP answer came).
    virtual std::int32_t LastHttpStatus() const = 0;
    // The line the progress window shows while the next fetch runs.
    virtual void SetProgressDialogMessage(std::string_view strValue) = 0;
};
