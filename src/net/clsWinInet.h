#pragma once
// One HTTP GET of a URL (libcurl), with the running connection log of the progress window.
// Owned by the page fetcher (clsHtmlGet), or by whoever lends it to the maker-site updater
// (the main window, kelvra-cli update-teams); lives as long as its owner and keeps its
// log for that whole time, as the progress window keeps its list.

#include "base/clsErrorReporter.h"
#include "base/clsIHttp.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsIBusy;
class clsIWait;

class clsWinInet : public clsIHttp
{
public:
    static constexpr std::string_view kAgentName = "Drovane WinInet";
    static constexpr std::string_view kWindowTitle = " インターネット接続";
    // No page or file the program reads comes near this; a larger answer is refused so that
    // a misbehaving server cannot exhaust memory.
    static constexpr std::size_t kMaxBodyBytes = 16 * 1024 * 1024;
    // A server that keeps a transfer alive with a trickle of bytes must not hold the window
    // for ever: the whole transfer has a deadline, and it must keep a minimum average speed.
    static constexpr std::int32_t kTotalTimeoutMs = 120000;
    static constexpr std::int32_t kLowSpeedBytesPerSecond = 100;
    static constexpr std::int32_t kLowSpeedWindowMs = 30000;

    clsWinInet(clsIMessage& message, clsIBusy& busy, clsIWait& wait);
    ~clsWinInet() override;
    clsWinInet(const clsWinInet&) = delete;
    clsWinInet& operator=(const clsWinInet&) = delete;

    // Whether an attempt to connect can be made at all (the HTTP library is usable).
    bool Connection() const override;
    // Number of bytes received; bytRecvData holds exactly those bytes. A transfer that failed,
    // stalled or ended with an HTTP error status counts as nothing received.
    std::int32_t GetHttpData(std::string_view strUrl, std::string& bytRecvData,
                             std::string_view strProxy);
    // bytCode 0: Shift_JIS, 8: UTF-8; any other code is reported and gives "".
    std::string GetHttpDataString(std::string_view strUrl, std::string_view strProxy,
                                  std::uint8_t bytCode) override;

    bool ProgressOpen() const { return m_progressOpen; }
    void SetProgressOpen(bool blnValue) { m_progressOpen = blnValue; }
    bool ProgressClose() const { return m_progressClose; }
    void SetProgressClose(bool blnValue);
    const std::string& ProgressDialogMessage() const { return m_dialogMessage; }
    void SetProgressDialogMessage(std::string_view strValue) override
    {
        m_dialogMessage = strValue;
    }

    std::int32_t ConnectTimeoutMs() const { return m_connectTimeoutMs; }
    void SetConnectTimeoutMs(std::int32_t lngMs) { m_connectTimeoutMs = lngMs; }
    // Longest wait without a single byte arriving before the transfer is given up.
    std::int32_t ReceiveTimeoutMs() const { return m_receiveTimeoutMs; }
    void SetReceiveTimeoutMs(std::int32_t lngMs) { m_receiveTimeoutMs = lngMs; }
    // Longest time a whole transfer may take, connection included (0: no deadline).
    std::int32_t TotalTimeoutMs() const { return m_totalTimeoutMs; }
    void SetTotalTimeoutMs(std::int32_t lngMs) { m_totalTimeoutMs = lngMs; }
    // Fewer bytes than lngBytesPerSecond on average over any lngWindowMs ends the transfer
    // (0 bytes: no minimum).
    std::int32_t LowSpeedBytesPerSecond() const { return m_lowSpeedBytesPerSecond; }
    std::int32_t LowSpeedWindowMs() const { return m_lowSpeedWindowMs; }
    void SetLowSpeed(std::int32_t lngBytesPerSecond, std::int32_t lngWindowMs)
    {
        m_lowSpeedBytesPerSecond = lngBytesPerSecond;
        m_lowSpeedWindowMs = lngWindowMs;
    }
    // Asked while a transfer runs (about once a second while it waits, more often while data
    // comes); true ends it as a failure, so a stop need not wait for the timeouts.
    void SetCancelCheck(std::function<bool()> fnCancel) { m_cancel = std::move(fnCancel); }
    std::size_t MaxBodyBytes() const { return m_maxBodyBytes; }
    void SetMaxBodyBytes(std::size_t lngBytes) { m_maxBodyBytes = lngBytes; }

    // The progress window's lines, each with its leading space.
    const std::vector<std::string>& Log() const { return m_log; }
    // Status of the last answer (0 when no HTTP answer came) and why the last fetch gave
    // nothing ("" after a success), for front ends that explain a failure.
    std::int32_t LastHttpStatus() const override { return m_lastStatus; }
    const std::string& LastError() const { return m_lastError; }
    // Why, in the words of the failure message shown to the player ("" after a success).
    const std::string& LastReason() const { return m_lastReason; }

private:
    friend struct WinInetTransfer;
    void AddLine(std::string_view strText);
    void AppendToLine(std::string_view strText);
    void ShowLog(bool blnForce);
    void OpenWindow();
    void CloseWindow();

    clsErrorReporter m_err;
    clsIBusy& m_busy;
    clsIWait& m_wait;
    std::int32_t m_connectTimeoutMs = 15000;
    std::int32_t m_receiveTimeoutMs = 30000;
    std::int32_t m_totalTimeoutMs = kTotalTimeoutMs;
    std::int32_t m_lowSpeedBytesPerSecond = kLowSpeedBytesPerSecond;
    std::int32_t m_lowSpeedWindowMs = kLowSpeedWindowMs;
    std::size_t m_maxBodyBytes = kMaxBodyBytes;
    std::function<bool()> m_cancel;
    bool m_progressOpen = true;
    bool m_progressClose = true;
    bool m_windowOpen = false;
    std::string m_dialogMessage;
    std::vector<std::string> m_log;
    std::string m_logText;
    std::int32_t m_pendingDots = 0;
    std::int32_t m_lastStatus = 0;
    std::string m_lastError;
    std::string m_lastReason;
};
