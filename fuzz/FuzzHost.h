#pragma once
// The host the fuzz targets hand the readers: answers nothing, shows nothing, and checks what a
// user would see. Every message must be valid UTF-8 (a reader that echoes raw file bytes into a
// box shows garbage), and the wait and busy calls must pair up.

#include "base/clsHost.h"

#include <cstdint>
#include <string>

class FuzzHost final : public clsIMessage,
                       public clsIAsk,
                       public clsIPump,
                       public clsIBusy,
                       public clsIWait,
                       public clsIClipboard,
                       public clsIOpener
{
public:
    clsHost Host() { return clsHost{*this, *this, *this, *this, *this, *this, *this}; }

    void ShowMessage(MsgIcon icon, std::string_view strText, std::string_view strCaption) override;
    bool YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault) override;
    AskAnswer YesNoCancel(std::string_view strText, std::string_view strCaption,
                          std::string_view strYes, std::string_view strNo,
                          std::string_view strCancel, AskAnswer ansDefault) override;
    void DoEvents() override {}
    std::int64_t TickMs() const override { return 0; }
    void SleepMs(std::int32_t) override {}
    void WaitForEvents(std::int32_t) override {}
    void BeginBusy() override { ++m_busy; }
    void EndBusy() override;
    void WaitShow(std::string_view strMessage, std::int32_t lngMax) override;
    void WaitMessage(std::string_view strMessage) override;
    void WaitValue(std::int32_t) override {}
    void WaitClose() override {}
    std::string GetText() override { return Clipboard; }
    void SetText(std::string_view strText) override { Clipboard = strText; }
    bool Open(std::string_view, std::string_view) override { return false; }

    // Starts one input: forgets the messages of the last one.
    void Reset();
    // Aborts unless every busy scope was closed again.
    void CheckBalanced() const;

    std::int32_t MessageCount = 0;
    std::string Clipboard;

private:
    std::int32_t m_busy = 0;
};

// Aborts with the reason on stderr, so libFuzzer saves the input as a crash.
[[noreturn]] void FuzzFail(std::string_view strWhat);
// The same, with the two texts that should have been equal, for the one who reads the report.
[[noreturn]] void FuzzFailDiffer(std::string_view strWhat, std::string_view strFirst,
                                 std::string_view strSecond);
