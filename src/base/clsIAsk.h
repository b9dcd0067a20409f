#pragma once
// Yes/no questions. A front end that cannot ask (the CLI) answers blnDefault.

#include <string_view>

class clsIAsk
{
public:
    virtual ~clsIAsk() = default;
    virtual bool YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault) = 0;
};
