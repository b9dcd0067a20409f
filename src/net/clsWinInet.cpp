#include "net/clsWinInet.h"

#include "base/clsIBusy.h"
#include "base/clsIWait.h"
#include "net/basEncode.h"

#include <chrono>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {
bool GlobalInit()
{
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ok;
}

struct CurlDeleter
{
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct SlistDeleter
{
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// The request headers the operator's site expects; a line libcurl cannot add is left out.
std::unique_ptr<curl_slist, SlistDeleter> RequestHeaders()
{
    std::unique_ptr<curl_slist, SlistDeleter> headers;
    for (const char* line :
         {"Accept-Language: ja-JP", "Cache-Control: no-cache", "Pragma: no-cache"}) {
        curl_slist* next = curl_slist_append(headers.get(), line);
        if (next != nullptr) {
            headers.release();
            headers.reset(next);
        }
    }
    return headers;
}

constexpr std::size_t kPieceBytes = 1024;
// The window is redrawn once per this many dots; the log itself records every one.
constexpr std::int32_t kDotsPerRefresh = 16;
} // namespace

// State of one transfer, reached from libcurl's callbacks.
struct WinInetTransfer
{
    explicit WinInetTransfer(clsWinInet& o)
        : owner(o)
    {}
    clsWinInet& owner;
    std::string body;
    bool receiving = false;
    bool tooLarge = false;
    bool stalled = false;
    bool overDeadline = false;
    bool tooSlow = false;
    bool cancelled = false;
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastActivity = start;
    curl_off_t lastNow = 0;
    // The speed is judged over consecutive windows, each from its start point.
    std::chrono::steady_clock::time_point windowStart = start;
    curl_off_t windowBytes = 0;

    // Every option of one GET; the strings and the header list must outlive the transfer.
    void Configure(CURL* h, const std::string& url, const std::string& proxy, curl_slist* headers)
    {
        const clsWinInet& o = owner;
        curl_easy_setopt(h, CURLOPT_URL, url.c_str());
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_USERAGENT, std::string(clsWinInet::kAgentName).c_str());
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
        // Only web addresses: a redirect must never lead the program to read local files.
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        if (o.m_connectTimeoutMs > 0) {
            curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(o.m_connectTimeoutMs));
        }
        if (o.m_totalTimeoutMs > 0) {
            // The progress check ends the transfer on time; libcurl's own limit, a second later,
            // bounds the parts of a transfer during which it does not call that check.
            curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(o.m_totalTimeoutMs) + 1000L);
        }
        if (!proxy.empty()) {
            curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());
        }
        curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &WinInetTransfer::OnHeader);
        curl_easy_setopt(h, CURLOPT_HEADERDATA, this);
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WinInetTransfer::OnWrite);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &WinInetTransfer::OnProgress);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    }

    // Why the finished transfer gives nothing, the first reason first; "" when its body stands.
    std::string Failure(CURLcode rc, long status, curl_off_t elapsedUs) const
    {
        const clsWinInet& o = owner;
        if (cancelled) {
            return "cancelled";
        }
        if (tooLarge) {
            return "the answer is larger than " + std::to_string(o.m_maxBodyBytes) + " bytes";
        }
        if (stalled) {
            return "no data for " + std::to_string(o.m_receiveTimeoutMs) + " ms";
        }
        if (overDeadline || (rc == CURLE_OPERATION_TIMEDOUT && o.m_totalTimeoutMs > 0 &&
                             elapsedUs / 1000 >= o.m_totalTimeoutMs)) {
            return "the transfer took longer than " + std::to_string(o.m_totalTimeoutMs) + " ms";
        }
        if (tooSlow) {
            return "slower than " + std::to_string(o.m_lowSpeedBytesPerSecond) +
                   " bytes per second for " + std::to_string(o.m_lowSpeedWindowMs) + " ms";
        }
        if (rc != CURLE_OK) {
            return curl_easy_strerror(rc);
        }
        if (status < 200 || status > 299) {
            return "HTTP status " + std::to_string(status);
        }
        return {};
    }

    // The same reason in the player's words, for the failure message; "" when the body stands.
    std::string Reason(CURLcode rc, long status, curl_off_t elapsedUs) const
    {
        const clsWinInet& o = owner;
        const auto seconds = [](std::int32_t ms) { return std::to_string((ms + 999) / 1000); };
        if (cancelled) {
            return "中止しました。";
        }
        if (tooLarge) {
            return "サーバーの応答が大きすぎます（" + std::to_string(o.m_maxBodyBytes) +
                   " バイトを超えました）。";
        }
        if (stalled) {
            return "サーバーからの受信が " + seconds(o.m_receiveTimeoutMs) +
                   " 秒止まりました。時間をおいてお試し下さい。";
        }
        if (overDeadline || (rc == CURLE_OPERATION_TIMEDOUT && o.m_totalTimeoutMs > 0 &&
                             elapsedUs / 1000 >= o.m_totalTimeoutMs)) {
            return "受信が " + seconds(o.m_totalTimeoutMs) +
                   " 秒で終わりませんでした。時間をおいてお試し下さい。";
        }
        if (tooSlow) {
            return "サーバーからの受信が遅すぎます。時間をおいてお試し下さい。";
        }
        switch (rc) {
        case CURLE_OK:
            break;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
            return "サーバーに接続できません。ネットワークの接続をお確かめ下さい。（" +
                   std::string(curl_easy_strerror(rc)) + "）";
        case CURLE_OPERATION_TIMEDOUT:
            return "サーバーが応答しません。時間をおいてお試し下さい。";
        default:
            return "通信に失敗しました（" + std::string(curl_easy_strerror(rc)) + "）。";
        }
        if (status == 404 || status == 410) {
            return "サイトにこの回のページがありません（サーバーの応答 " + std::to_string(status) +
                   "）。";
        }
        if (status < 200 || status > 299) {
            return "サーバーがページを返しませんでした（サーバーの応答 " + std::to_string(status) +
                   "）。";
        }
        return {};
    }

    static std::int64_t MsBetween(std::chrono::steady_clock::time_point from,
                                  std::chrono::steady_clock::time_point to)
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
    }

    void StartReceiving()
    {
        if (!receiving) {
            receiving = true;
            owner.AddLine("受信中 ");
        }
    }

    static std::size_t OnHeader(char*, std::size_t size, std::size_t count, void* user)
    {
        auto* t = static_cast<WinInetTransfer*>(user);
        try {
            t->StartReceiving();
        } catch (...) {
            return 0;
        }
        t->lastActivity = std::chrono::steady_clock::now();
        return size * count;
    }

    static std::size_t OnWrite(char* data, std::size_t size, std::size_t count, void* user)
    {
        auto* t = static_cast<WinInetTransfer*>(user);
        const std::size_t n = size * count;
        if (t->body.size() + n > t->owner.m_maxBodyBytes) {
            t->tooLarge = true;
            return 0;
        }
        try {
            t->StartReceiving();
            t->body.append(data, n);
            t->lastActivity = std::chrono::steady_clock::now();
            for (std::size_t done = 0; done < n; done += kPieceBytes) {
                t->owner.AppendToLine(".");
            }
        } catch (...) {
            // An exception must not unwind through libcurl's C frames.
            t->tooLarge = true;
            return 0;
        }
        return n;
    }

    static int OnProgress(void* user, curl_off_t, curl_off_t dlnow, curl_off_t, curl_off_t)
    {
        auto* t = static_cast<WinInetTransfer*>(user);
        const clsWinInet& o = t->owner;
        if (o.m_cancel && o.m_cancel()) {
            t->cancelled = true;
            return 1;
        }
        const auto now = std::chrono::steady_clock::now();
        if (o.m_totalTimeoutMs > 0 && MsBetween(t->start, now) > o.m_totalTimeoutMs) {
            t->overDeadline = true;
            return 1;
        }
        if (o.m_lowSpeedBytesPerSecond > 0 && o.m_lowSpeedWindowMs > 0) {
            const std::int64_t span = MsBetween(t->windowStart, now);
            if (span >= o.m_lowSpeedWindowMs) {
                const std::int64_t got = dlnow - t->windowBytes;
                if (got * 1000 < static_cast<std::int64_t>(o.m_lowSpeedBytesPerSecond) * span) {
                    t->tooSlow = true;
                    return 1;
                }
                t->windowStart = now;
                t->windowBytes = dlnow;
            }
        }
        if (dlnow != t->lastNow) {
            t->lastNow = dlnow;
            t->lastActivity = now;
            return 0;
        }
        if (o.m_receiveTimeoutMs > 0 && MsBetween(t->lastActivity, now) > o.m_receiveTimeoutMs) {
            t->stalled = true;
            return 1;
        }
        return 0;
    }
};

clsWinInet::clsWinInet(clsIMessage& message, clsIBusy& busy, clsIWait& wait)
    : m_err(message, "clsWinInet")
    , m_busy(busy)
    , m_wait(wait)
{
    GlobalInit();
}

clsWinInet::~clsWinInet()
{
    if (m_windowOpen) {
        m_wait.WaitClose();
    }
}

bool clsWinInet::Connection() const
{
    return GlobalInit();
}

void clsWinInet::SetProgressClose(bool blnValue)
{
    m_progressClose = blnValue;
    if (blnValue) {
        CloseWindow();
    }
}

void clsWinInet::OpenWindow()
{
    if (!m_windowOpen) {
        m_windowOpen = true;
        m_wait.WaitShow(kWindowTitle, 0);
        ShowLog(true);
    }
}

void clsWinInet::CloseWindow()
{
    if (m_windowOpen) {
        ShowLog(true);
        m_windowOpen = false;
        m_wait.WaitClose();
    }
}

void clsWinInet::AddLine(std::string_view strText)
{
    if (!m_progressOpen) {
        return;
    }
    std::string line = " ";
    line += strText;
    if (!m_log.empty()) {
        m_logText += '\n';
    }
    m_logText += line;
    m_log.push_back(std::move(line));
    ShowLog(true);
}

void clsWinInet::AppendToLine(std::string_view strText)
{
    if (!m_progressOpen) {
        return;
    }
    if (m_log.empty()) {
        AddLine(strText);
        return;
    }
    m_log.back() += strText;
    m_logText += strText;
    ++m_pendingDots;
    ShowLog(false);
}

void clsWinInet::ShowLog(bool blnForce)
{
    if (!m_windowOpen) {
        return;
    }
    if (blnForce || m_pendingDots >= kDotsPerRefresh) {
        m_pendingDots = 0;
        m_wait.WaitMessage(m_logText);
    }
}

std::int32_t clsWinInet::GetHttpData(std::string_view strUrl, std::string& bytRecvData,
                                     std::string_view strProxy)
{
    bytRecvData.clear();
    m_lastStatus = 0;
    m_lastError.clear();
    m_lastReason.clear();
    BusyScope busy(m_busy);
    if (strUrl.empty()) {
        m_lastError = "URL is empty";
        m_lastReason = "ページのアドレスがありません。";
        return 0;
    }
    if (m_progressOpen) {
        OpenWindow();
    }
    if (!m_dialogMessage.empty()) {
        AddLine(m_dialogMessage);
    }

    WinInetTransfer transfer(*this);
    std::unique_ptr<CURL, CurlDeleter> handle(GlobalInit() ? curl_easy_init() : nullptr);
    if (handle) {
        CURL* h = handle.get();
        const std::string url(strUrl);
        const std::string proxy(strProxy);
        const auto headers = RequestHeaders();
        transfer.Configure(h, url, proxy, headers.get());
        AddLine("[コネクション開始]");
        AddLine(strUrl);
        const CURLcode rc = curl_easy_perform(h);
        long status = 0;
        curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
        curl_off_t elapsedUs = 0;
        curl_easy_getinfo(h, CURLINFO_TOTAL_TIME_T, &elapsedUs);
        m_lastStatus = static_cast<std::int32_t>(status);
        if (transfer.receiving) {
            AddLine("[コネクション終了]");
        }
        m_lastError = transfer.Failure(rc, status, elapsedUs);
        m_lastReason = transfer.Reason(rc, status, elapsedUs);
        if (m_lastError.empty()) {
            bytRecvData = std::move(transfer.body);
        }
    } else {
        m_lastError = "the HTTP library could not be started";
        m_lastReason = "通信の準備ができませんでした。";
    }

    if (m_progressOpen && m_progressClose) {
        CloseWindow();
    }
    return static_cast<std::int32_t>(bytRecvData.size());
}

std::string clsWinInet::GetHttpDataString(std::string_view strUrl, std::string_view strProxy,
                                          std::uint8_t bytCode)
{
    try {
        if (bytCode != 0 && bytCode != 8) {
            m_err.Report("GetHttpDataString",
                         "コード番号が異常です（" + std::to_string(bytCode) + "）");
            return {};
        }
        std::string bytes;
        if (GetHttpData(strUrl, bytes, strProxy) == 0) {
            return {};
        }
        return bytCode == 0 ? basEncode::SjisDecode(bytes) : basEncode::Utf8Decode(bytes);
    } catch (const std::exception& e) {
        m_err.ReportException("GetHttpDataString", e);
        return {};
    }
}
