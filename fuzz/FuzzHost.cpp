#include "fuzz/FuzzHost.h"

#include "base/basText.h"

#include <cstdio>
#include <cstdlib>

void FuzzFail(std::string_view strWhat)
{
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(strWhat.size()),
                 strWhat.data());
    std::abort();
}

void FuzzFailDiffer(std::string_view strWhat, std::string_view strFirst, std::string_view strSecond)
{
    std::fprintf(stderr, "--- first:\n%.*s\n--- second:\n%.*s\n---\n",
                 static_cast<int>(strFirst.size()), strFirst.data(),
                 static_cast<int>(strSecond.size()), strSecond.data());
    FuzzFail(strWhat);
}

void FuzzHost::ShowMessage(MsgIcon, std::string_view strText, std::string_view strCaption)
{
    if (!basText::IsValidUtf8(strText) || !basText::IsValidUtf8(strCaption)) {
        FuzzFail("a message is not valid UTF-8");
    }
    ++MessageCount;
}

bool FuzzHost::YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault)
{
    if (!basText::IsValidUtf8(strText) || !basText::IsValidUtf8(strCaption)) {
        FuzzFail("a question is not valid UTF-8");
    }
    return blnDefault;
}

AskAnswer FuzzHost::YesNoCancel(std::string_view strText, std::string_view strCaption,
                                std::string_view, std::string_view, std::string_view,
                                AskAnswer ansDefault)
{
    if (!basText::IsValidUtf8(strText) || !basText::IsValidUtf8(strCaption)) {
        FuzzFail("a question is not valid UTF-8");
    }
    return ansDefault;
}

void FuzzHost::EndBusy()
{
    if (--m_busy < 0) {
        FuzzFail("EndBusy without BeginBusy");
    }
}

void FuzzHost::WaitShow(std::string_view strMessage, std::int32_t)
{
    if (!basText::IsValidUtf8(strMessage)) {
        FuzzFail("a wait message is not valid UTF-8");
    }
}

void FuzzHost::WaitMessage(std::string_view strMessage)
{
    if (!basText::IsValidUtf8(strMessage)) {
        FuzzFail("a wait message is not valid UTF-8");
    }
}

void FuzzHost::Reset()
{
    MessageCount = 0;
}

void FuzzHost::CheckBalanced() const
{
    if (m_busy != 0) {
        FuzzFail("a busy scope was left open");
    }
}
