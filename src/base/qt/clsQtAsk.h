#pragma once
// Yes/no questions of the GUI front end, with the caller's default on the focused button.

#include "base/clsIAsk.h"

class clsQtAsk final : public clsIAsk
{
public:
    bool YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault) override;
    AskAnswer YesNoCancel(std::string_view strText, std::string_view strCaption,
                          std::string_view strYes, std::string_view strNo,
                          std::string_view strCancel, AskAnswer ansDefault) override;
};
