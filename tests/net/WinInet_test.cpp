#include "base/basText.h"
#include "net/LoopbackServer.h"
#include "net/clsWinInet.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {
std::string Pattern(std::size_t n)
{
    std::string s(n, 'x');
    for (std::size_t i = 0; i < n; ++i) {
        s[i] = static_cast<char>('a' + (i * 7 + i / 1000) % 26);
    }
    return s;
}

class WinInetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto& s = server.Server();
        s.Get("/big", [this](const httplib::Request& req, httplib::Response& res) {
            seenLanguage = req.get_header_value("Accept-Language");
            seenCache = req.get_header_value("Cache-Control");
            seenPragma = req.get_header_value("Pragma");
            seenAgent = req.get_header_value("User-Agent");
            res.set_content(Pattern(100000), "application/octet-stream");
        });
        s.Get("/empty", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("", "application/octet-stream");
        });
        s.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("<html><body>The requested URL was not found on this server</body>"
                            "</html>",
                            "application/octet-stream");
        });
        s.Get("/moved",
              [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/sjis"); });
        s.Get("/sjis", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(basText::ToSjis("開催情報～①"), "application/octet-stream");
        });
        s.Get("/utf8bad", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string("a\xFF\xC0\x80") + "開", "application/octet-stream");
        });
        s.Get("/silent", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            res.set_content("late", "application/octet-stream");
        });
        s.Get("/halt", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider(
                "application/octet-stream", [](std::size_t offset, httplib::DataSink& sink) {
                    if (offset == 0) {
                        const std::string part(4000, 'p');
                        sink.write(part.data(), part.size());
                        return true;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
                    sink.done();
                    return true;
                });
        });
        // One byte every 150 ms: never idle long, never done soon (bounded so that the
        // server can stop once the client has gone).
        s.Get("/drip", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider(
                "application/octet-stream", [](std::size_t offset, httplib::DataSink& sink) {
                    if (offset >= 40) {
                        sink.done();
                        return true;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(150));
                    return sink.write("d", 1);
                });
        });
        server.Start();
    }

    LoopbackServer server;
    RecordingHost host;
    std::string seenLanguage, seenCache, seenPragma, seenAgent;
};
} // namespace

TEST_F(WinInetTest, LargeBodyArrivesWholeWithRequestHeadersAndLog)
{
    clsWinInet inet(host, host, host);
    EXPECT_EQ(inet.ConnectTimeoutMs(), 15000);
    EXPECT_EQ(inet.ReceiveTimeoutMs(), 30000);
    EXPECT_TRUE(inet.Connection());
    inet.SetProgressDialogMessage("第1回 開催情報取得中 (オフィシャル)");
    std::string bytes;
    const std::string url = server.Base() + "/big";
    EXPECT_EQ(inet.GetHttpData(url, bytes, ""), 100000);
    EXPECT_EQ(bytes, Pattern(100000));
    EXPECT_EQ(seenLanguage, "ja-JP");
    EXPECT_EQ(seenCache, "no-cache");
    EXPECT_EQ(seenPragma, "no-cache");
    EXPECT_EQ(seenAgent, "Drovane WinInet");

    ASSERT_EQ(inet.Log().size(), 5u);
    EXPECT_EQ(inet.Log()[0], " 第1回 開催情報取得中 (オフィシャル)");
    EXPECT_EQ(inet.Log()[1], " [コネクション開始]");
    EXPECT_EQ(inet.Log()[2], " " + url);
    EXPECT_EQ(inet.Log()[3], " 受信中 " + std::string(98, '.'));
    EXPECT_EQ(inet.Log()[4], " [コネクション終了]");
    // The window opened, showed the log and closed again.
    ASSERT_FALSE(host.WaitLog.empty());
    EXPECT_EQ(host.WaitLog.front(), "show: インターネット接続:0");
    EXPECT_EQ(host.WaitLog.back(), "close");
    EXPECT_NE(host.WaitLog[host.WaitLog.size() - 2].find(" [コネクション終了]"), std::string::npos);
    EXPECT_EQ(host.BusyDepth, 0);
    EXPECT_GE(host.BusyCount, 1);
}

TEST_F(WinInetTest, EmptyBodyAndHttpErrorsGiveNothing)
{
    clsWinInet inet(host, host, host);
    std::string bytes = "old";
    EXPECT_EQ(inet.GetHttpData(server.Base() + "/empty", bytes, ""), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(inet.GetHttpDataString(server.Base() + "/empty", "", 8), "");

    // A 404 page is a failed download, not a page to read.
    EXPECT_EQ(inet.GetHttpData(server.Base() + "/missing", bytes, ""), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(inet.LastHttpStatus(), 404);
    EXPECT_NE(inet.LastError().find("404"), std::string::npos);
    EXPECT_EQ(inet.GetHttpData("", bytes, ""), 0);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(WinInetTest, OversizedAnswerIsRefused)
{
    clsWinInet inet(host, host, host);
    inet.SetMaxBodyBytes(60000);
    std::string bytes;
    EXPECT_EQ(inet.GetHttpData(server.Base() + "/big", bytes, ""), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(inet.LastError().find("larger"), std::string::npos);
    EXPECT_EQ(host.BusyDepth, 0);
}

TEST_F(WinInetTest, RedirectFollowedAndShiftJisDecoded)
{
    clsWinInet inet(host, host, host);
    EXPECT_EQ(inet.GetHttpDataString(server.Base() + "/moved", "", 0), "開催情報～①");
    EXPECT_EQ(inet.LastHttpStatus(), 200);
}

TEST_F(WinInetTest, MalformedUtf8BecomesReplacementCharacters)
{
    clsWinInet inet(host, host, host);
    const std::string text = inet.GetHttpDataString(server.Base() + "/utf8bad", "", 8);
    EXPECT_TRUE(basText::IsValidUtf8(text));
    EXPECT_EQ(text, "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD開");
}

TEST_F(WinInetTest, UnknownCodeIsReported)
{
    clsWinInet inet(host, host, host);
    EXPECT_EQ(inet.GetHttpDataString(server.Base() + "/sjis", "", 3), "");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "コード番号が異常です（3）");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsWinInet / GetHttpDataString");
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
}

TEST_F(WinInetTest, StalledTransfersEndAtTheReceiveTimeout)
{
    clsWinInet inet(host, host, host);
    inet.SetReceiveTimeoutMs(400);
    std::string bytes;
    for (const char* path : {"/silent", "/halt"}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(inet.GetHttpData(server.Base() + path, bytes, ""), 0) << path;
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        EXPECT_LT(ms, 1400) << path;
        EXPECT_TRUE(bytes.empty()) << path;
        EXPECT_NE(inet.LastError().find("no data"), std::string::npos) << path;
    }
}

TEST_F(WinInetTest, ClosedPortLogsOnlyTheAttemptAndQuietLogStaysEmpty)
{
    const std::string url = server.Base() + "/big";
    server.Stop();
    clsWinInet inet(host, host, host);
    std::string bytes;
    EXPECT_EQ(inet.GetHttpData(url, bytes, ""), 0);
    ASSERT_EQ(inet.Log().size(), 2u);
    EXPECT_EQ(inet.Log()[0], " [コネクション開始]");
    EXPECT_EQ(inet.Log()[1], " " + url);

    clsWinInet quiet(host, host, host);
    quiet.SetProgressOpen(false);
    quiet.SetProgressDialogMessage("caption");
    EXPECT_EQ(quiet.GetHttpData(url, bytes, ""), 0);
    EXPECT_TRUE(quiet.Log().empty());
}

TEST_F(WinInetTest, WindowStaysOpenUntilProgressCloseIsSet)
{
    clsWinInet inet(host, host, host);
    inet.SetProgressClose(false);
    std::string bytes;
    inet.GetHttpData(server.Base() + "/sjis", bytes, "");
    inet.GetHttpData(server.Base() + "/sjis", bytes, "");
    EXPECT_EQ(std::count(host.WaitLog.begin(), host.WaitLog.end(), "close"), 0);
    EXPECT_EQ(inet.Log().size(), 8u);
    inet.SetProgressClose(true);
    EXPECT_EQ(host.WaitLog.back(), "close");
    EXPECT_EQ(std::count(host.WaitLog.begin(), host.WaitLog.end(), "close"), 1);
}

namespace {
std::int64_t TimedFetch(clsWinInet& inet, const std::string& url, std::string& bytes)
{
    const auto start = std::chrono::steady_clock::now();
    inet.GetHttpData(url, bytes, "");
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}
} // namespace

TEST_F(WinInetTest, TrickleEndsAtTheDeadlineOrTheMinimumSpeed)
{
    clsWinInet defaults(host, host, host);
    EXPECT_EQ(defaults.TotalTimeoutMs(), 120000);
    EXPECT_GT(defaults.LowSpeedBytesPerSecond(), 0);
    EXPECT_GT(defaults.LowSpeedWindowMs(), 0);

    // The bytes keep coming faster than the idle time-out, so only the deadline ends it.
    clsWinInet inet(host, host, host);
    // (The idle time-out is kept well away, so that a loaded machine cannot trip it first.)
    inet.SetReceiveTimeoutMs(5000);
    inet.SetLowSpeed(0, 0);
    inet.SetTotalTimeoutMs(700);
    std::string bytes;
    std::int64_t ms = TimedFetch(inet, server.Base() + "/drip", bytes);
    EXPECT_GE(ms, 650);
    EXPECT_LT(ms, 2500);
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(inet.LastError().find("longer than 700 ms"), std::string::npos) << inet.LastError();

    // Without a deadline, the minimum speed ends it: about 7 bytes a second against 1000.
    clsWinInet slow(host, host, host);
    slow.SetReceiveTimeoutMs(5000);
    slow.SetTotalTimeoutMs(0);
    slow.SetLowSpeed(1000, 500);
    ms = TimedFetch(slow, server.Base() + "/drip", bytes);
    EXPECT_GE(ms, 450);
    EXPECT_LT(ms, 2500);
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(slow.LastError().find("slower than 1000 bytes"), std::string::npos)
        << slow.LastError();

    // A fast transfer is untouched by either limit.
    slow.SetTotalTimeoutMs(2000);
    EXPECT_EQ(slow.GetHttpData(server.Base() + "/big", bytes, ""), 100000);
    EXPECT_TRUE(host.Messages.empty());
}
