#pragma once
// The platform services of the headless front end: messages go to stderr, questions take their
// default answer, nothing ever blocks; the clipboard lives in memory for the process. The event
// pump is where a stop signal (Ctrl-C, SIGTERM) reaches long work.

#include "base/clsHost.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

class clsTerminalHost final : public clsIMessage,
                              public clsIAsk,
                              public clsIPump,
                              public clsIBusy,
                              public clsIWait,
                              public clsIClipboard,
                              public clsIOpener
{
public:
    // A command stopped by a signal exits with this code, as a shell reports Ctrl-C.
    static constexpr int kStopExitCode = 130;

    explicit clsTerminalHost(std::ostream& err);

    // From now on SIGINT and SIGTERM ask for a stop: the handler only marks the request, and
    // every DoEvents after it calls StopRequested, so work that starts later stops as well. A
    // second signal ends the process at once with kStopExitCode (saves replace files whole, so
    // a file is left as it was).
    static void CatchStopSignals();
    // The signal that asked for the stop, 0 while none did.
    static int StopSignal();
    std::function<void()> StopRequested;

    clsHost Host() { return clsHost{*this, *this, *this, *this, *this, *this, *this}; }

    void ShowMessage(MsgIcon icon, std::string_view strText, std::string_view strCaption) override;
    bool YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault) override;
    AskAnswer YesNoCancel(std::string_view strText, std::string_view strCaption,
                          std::string_view strYes, std::string_view strNo,
                          std::string_view strCancel, AskAnswer ansDefault) override;
    void DoEvents() override;
    std::int64_t TickMs() const override;
    void SleepMs(std::int32_t lngMs) override;
    // Nothing but a stop signal comes to a terminal run: sleeps in short steps until one does.
    void WaitForEvents(std::int32_t lngMs) override;
    void BeginBusy() override {}
    void EndBusy() override {}
    void WaitShow(std::string_view, std::int32_t) override {}
    void WaitMessage(std::string_view) override {}
    void WaitValue(std::int32_t) override {}
    void WaitClose() override {}
    std::string GetText() override { return m_clipboard; }
    void SetText(std::string_view strText) override { m_clipboard = strText; }
    bool Open(std::string_view strFile, std::string_view strParameters) override;

private:
    std::ostream& m_err;
    std::chrono::steady_clock::time_point m_start;
    std::string m_clipboard;
};
