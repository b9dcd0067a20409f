#pragma once
// Opens a document or address with the desktop's default handler.

#include <string_view>

class clsIOpener
{
public:
    virtual ~clsIOpener() = default;
    // strParameters may be empty. False when nothing could be started.
    virtual bool Open(std::string_view strFile, std::string_view strParameters) = 0;
};
