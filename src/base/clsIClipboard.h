#pragma once
// Clipboard text (UTF-8).

#include <string>
#include <string_view>

class clsIClipboard
{
public:
    virtual ~clsIClipboard() = default;
    virtual std::string GetText() = 0;
    virtual void SetText(std::string_view strText) = 0;
};
