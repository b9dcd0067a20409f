#pragma once
// Yes/no questions, and three-way ones with their own button captions. A front end that
// cannot ask (the CLI) answers the default.

#include <string_view>

// The button chosen in a three-way question: the first, the second, or the third (cancel).
enum class AskAnswer
{
    Yes,
    No,
    Cancel
};

class clsIAsk
{
public:
    virtual ~clsIAsk() = default;
    virtual bool YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault) = 0;
    // Closing the box without a choice answers Cancel.
    virtual AskAnswer YesNoCancel(std::string_view strText, std::string_view strCaption,
                                  std::string_view strYes, std::string_view strNo,
                                  std::string_view strCancel, AskAnswer ansDefault) = 0;
};
