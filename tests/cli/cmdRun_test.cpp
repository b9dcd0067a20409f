// kelvra-cli run as a separate process: stop signals, failures and the reasons it gives.

#include "base/basText.h"
#include "files/clsTFileDRD.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A program folder with the shipped reference data and round store, and data files made from
// the sample by replacing whole lines.
class CliRunTest : public ::testing::Test
{
protected:
    CliRunTest()
    {
        fs::copy(fs::path(kelvra_test::SourceDataDir()) / "SysData", home.Path() / "SysData",
                 fs::copy_options::recursive);
    }

    // The sample with each "Key = ..." line of the list replaced by "Key = value".
    std::string Sample(const std::vector<std::pair<std::string, std::string>>& keys) const
    {
        std::string text = basText::FromSjis(ReadSample());
        for (const auto& [key, value] : keys) {
            const std::size_t at = text.find("\r\n" + key + " = ");
            EXPECT_NE(at, std::string::npos) << key;
            const std::size_t end = text.find("\r\n", at + 2);
            text.replace(at + 2, end - at - 2, key + " = " + value);
        }
        return basText::ToSjis(text);
    }
    static std::string ReadSample()
    {
        const fs::path p = fs::path(kelvra_test::SourceDataDir()) / "UserData/Kelvra/sample.drd";
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string File(const std::string& strName) const { return (work.Path() / strName).string(); }

    // Starts kelvra-cli with stdout on fdOut and stderr on fdErr (both closed in the parent by
    // the caller); beforeExec runs in the child (limits).
    pid_t Start(const std::vector<std::string>& args, int fdOut, int fdErr,
                const std::function<void()>& beforeExec = {}) const
    {
        std::vector<std::string> words{KELVRA_CLI_PATH, "--home", home.Str()};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& w : words) {
            argv.push_back(w.data());
        }
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(fdOut, 1);
            ::dup2(fdErr, 2);
            if (beforeExec) {
                beforeExec();
            }
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        return pid;
    }
    // The exit code, -(signal) when killed by a signal; a process still running after the
    // time allowed is killed and reported as -1000.
    static int Wait(pid_t pid, std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                return -1000;
            }
            std::this_thread::sleep_for(20ms);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }
    int OpenOut(const std::string& strName) const
    {
        return ::open(File(strName).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    // Runs to the end with stdout and stderr in one file, so their order can be checked.
    int RunMerged(const std::vector<std::string>& args, std::string& strOutput,
                  const std::function<void()>& beforeExec = {}) const
    {
        const int fd = OpenOut("merged.txt");
        const pid_t pid = Start(args, fd, fd, beforeExec);
        ::close(fd);
        const int rc = Wait(pid, 60s);
        strOutput = work.Read("merged.txt");
        return rc;
    }

    TempDir home;
    TempDir work;
};

// An engine search without a limit that confirms a step about every few milliseconds: a stop
// finds a confirmed, non-empty result.
const std::vector<std::pair<std::string, std::string>> kEndless{
    {"MsEngine", "2"}, {"BeginCount", "9999"}, {"EndCount", "1"}, {"EndTime", "0"}};

TEST_F(CliRunTest, StopSignalFinishesTheFileInHandAndStartsNoOther)
{
    for (const int sig : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(sig);
        work.Write("a.drd", Sample(kEndless));
        work.Write("b.drd", Sample({{"MsEngine", "0"}}));
        const std::string before = work.Read("b.drd");
        const int out = OpenOut("out.txt");
        const int err = OpenOut("err.txt");
        const pid_t pid = Start({"run", "--seed", "1", File("a.drd"), File("b.drd")}, out, err);
        ::close(out);
        ::close(err);
        std::this_thread::sleep_for(2500ms); // load and extraction take a fraction of this
        ::kill(pid, sig);
        ASSERT_EQ(Wait(pid, 30s), 130) << work.Read("err.txt");
        EXPECT_EQ(work.Read("out.txt"), File("a.drd") + "\t成功\n");
        EXPECT_NE(
            work.Read("err.txt").find("で中断しました。実行していないファイルが 1 個あります。"),
            std::string::npos)
            << work.Read("err.txt");
        EXPECT_TRUE(work.Read("b.drd") == before) << "b.drd was changed";

        // The stopped search's result is saved as a whole, valid data file.
        RecordingHost host;
        clsTFileDRD drd(host.Host(), "1.00", "");
        std::int32_t version = 0;
        ASSERT_TRUE(drd.DataTypeCheck(File("a.drd"), true, version));
        DataFileRecord rec;
        ASSERT_TRUE(drd.Load(File("a.drd"), rec)) << host.AllMessageText();
        EXPECT_GT(rec.SingleCount, 0);
        EXPECT_LE(rec.SingleCount, 9999);
        EXPECT_EQ(rec.Singles.size(), static_cast<std::size_t>(rec.SingleCount));
        EXPECT_EQ(rec.MsSingleCount, rec.SingleCount);
        EXPECT_TRUE(std::is_sorted(rec.Singles.begin(), rec.Singles.end()));
        EXPECT_NE(rec.SakugenMessage.find("を検索中...確定"), std::string::npos);
        EXPECT_EQ(rec.Engine.MsEngine, 2);
    }
}

TEST_F(CliRunTest, SecondSignalEndsAtOnce)
{
    work.Write("a.drd", Sample(kEndless));
    // stdout is a pipe already full, so after the first stop the command blocks writing its
    // line: only the second signal can end it.
    int pipeFd[2];
    ASSERT_EQ(::pipe(pipeFd), 0);
    ::fcntl(pipeFd[1], F_SETFL, O_NONBLOCK);
    const std::string chunk(4096, 'x');
    while (::write(pipeFd[1], chunk.data(), chunk.size()) > 0) {
    }
    ::fcntl(pipeFd[1], F_SETFL, 0);
    const int err = OpenOut("err.txt");
    const pid_t pid = Start({"run", "--seed", "1", File("a.drd")}, pipeFd[1], err);
    ::close(pipeFd[1]);
    ::close(err);
    const std::string before = work.Read("a.drd");
    std::this_thread::sleep_for(2500ms);
    ::kill(pid, SIGINT);
    // The first stop saves the file, then the command waits on its output.
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (work.Read("a.drd") == before && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(20ms);
    }
    std::this_thread::sleep_for(300ms);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, WNOHANG), 0) << "ended after the first signal";
    const auto sent = std::chrono::steady_clock::now();
    ::kill(pid, SIGINT);
    EXPECT_EQ(Wait(pid, 5s), 130);
    EXPECT_LT(std::chrono::steady_clock::now() - sent, 2s);
    ::close(pipeFd[0]);
    RecordingHost host;
    clsTFileDRD drd(host.Host(), "1.00", "");
    DataFileRecord rec;
    EXPECT_TRUE(drd.Load(File("a.drd"), rec)) << host.AllMessageText();
    EXPECT_GT(rec.SingleCount, 0);
}

TEST_F(CliRunTest, FailedLinesAreFollowedByTheirReason)
{
    work.Write("other.txt", "not a data file\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
    work.Write("good.drd", Sample({{"MsEngine", "0"}}));
    const std::string before = work.Read("good.drd");
    std::string output;
    // The save cannot write more than 4 KB; the sample's text is several times that.
    const int rc = RunMerged({"run", File("other.txt"), File("good.drd")}, output, [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(rc, 1);
    EXPECT_NE(output.find(File("other.txt") + "\t失敗\nエラー: " + File("other.txt") +
                          ": Kelvraのファイルではありません。\n"),
              std::string::npos)
        << output;
    // The save's own words, whatever they are, follow on the next line.
    const std::string failed = File("good.drd") + "\t失敗\nエラー: " + File("good.drd") + ": ";
    const std::size_t at = output.find(failed);
    ASSERT_NE(at, std::string::npos) << output;
    EXPECT_GT(output.find('\n', at + failed.size()), at + failed.size() + 4) << output;
    EXPECT_TRUE(work.Read("good.drd") == before) << "good.drd was changed";
}

TEST_F(CliRunTest, ASearchThatKeepsNothingFailsTheFileAndLeavesItAlone)
{
    // One ticket cannot cover the sample's singles: the trial search runs out of its second.
    work.Write("one.drd", Sample({{"MsEngine", "2"}, {"BeginCount", "1"}, {"EndTime", "1"}}));
    const std::string before = work.Read("one.drd");
    std::string output;
    EXPECT_EQ(RunMerged({"run", "--seed", "1", File("one.drd")}, output), 1) << output;
    EXPECT_EQ(output,
              File("one.drd") + "\t失敗\nエラー: " + File("one.drd") +
                  ": 圧縮に失敗しました。 1口では保証を満たす組み合わせが見つからないため、"
                  "圧縮を中止しました。開始口数を増やして下さい ファイルは変更していません。\n");
    EXPECT_TRUE(work.Read("one.drd") == before) << "one.drd was changed";
}

TEST_F(CliRunTest, MinimumCountEngineBelowAnyCoverStartsFromTheFastSearch)
{
    // 60 tickets are far below the sphere bound of the sample's singles; EndCount ends the run
    // at the first cover it confirms.
    work.Write("low.drd", Sample({{"MsEngine", "6"}, {"BeginCount", "60"}, {"EndCount", "9999"}}));
    std::string output;
    ASSERT_EQ(RunMerged({"run", "--seed", "1", File("low.drd")}, output), 0) << output;
    EXPECT_EQ(output, File("low.drd") + "\t成功\n");
    RecordingHost host;
    clsTFileDRD drd(host.Host(), "1.00", "");
    DataFileRecord rec;
    ASSERT_TRUE(drd.Load(File("low.drd"), rec)) << host.AllMessageText();
    EXPECT_GT(rec.SingleCount, 60);
    EXPECT_LT(rec.SingleCount, rec.MsTousen[0]);
    // Every single of the set is won at 2nd grade or better.
    EXPECT_EQ(rec.MsTousen[4], rec.MsTousen[0]);
    // The box's 60 plays no part: the first size confirmed is the fast search's, and the
    // run ends there.
    EXPECT_NE(rec.SakugenMessage.find(std::to_string(rec.SingleCount) + "を検索中...確定"),
              std::string::npos);
    EXPECT_EQ(rec.SakugenMessage.find("60を検索中"), std::string::npos);
}

TEST_F(CliRunTest, MinimumCountEnginesEndOnTheSamplesDefaults)
{
    // The sample's own limits: EndTime 0, EndCount 1, which never ended these engines. Both
    // run at once, each in its own process.
    std::vector<pid_t> pids;
    for (const std::string kind : {"6", "7"}) {
        work.Write(kind + ".drd", Sample({{"MsEngine", kind}}));
        const int out = OpenOut(kind + ".txt");
        pids.push_back(Start({"run", "--seed", "1", File(kind + ".drd")}, out, out));
        ::close(out);
    }
    for (std::size_t i = 0; i < pids.size(); ++i) {
        const std::string kind = i == 0 ? "6" : "7";
        SCOPED_TRACE("engine " + kind);
        // The 30 s of the whole run, the extraction and the counts, and room for a busy machine.
        ASSERT_EQ(Wait(pids[i], 150s), 0) << work.Read(kind + ".txt");
        EXPECT_EQ(work.Read(kind + ".txt"), File(kind + ".drd") + "\t成功\n");
        RecordingHost host;
        clsTFileDRD drd(host.Host(), "1.00", "");
        DataFileRecord rec;
        ASSERT_TRUE(drd.Load(File(kind + ".drd"), rec)) << host.AllMessageText();
        EXPECT_NE(rec.SakugenMessage.find("指定時間になったので検索を終了します"),
                  std::string::npos);
        EXPECT_GT(rec.SingleCount, 0);
        // Every single of the set is still won at the guaranteed grade or better.
        EXPECT_EQ(rec.MsTousen[i == 0 ? 4 : 5], rec.MsTousen[0]);
    }
}

TEST_F(CliRunTest, UnknownEngineIsRefusedByTextAndRun)
{
    work.Write("nine.drd", Sample({{"MsEngine", "9"}}));
    const std::string before = work.Read("nine.drd");
    std::string output;
    EXPECT_EQ(RunMerged({"text", "0", File("nine.drd")}, output), 1);
    EXPECT_EQ(output, "エラー: kelvra-cli text: " + File("nine.drd") +
                          ": 圧縮方法の番号が正しくありません（9）。\n");
    EXPECT_EQ(RunMerged({"run", File("nine.drd")}, output), 1);
    EXPECT_NE(output.find(File("nine.drd") + "\t失敗\n"), std::string::npos) << output;
    EXPECT_TRUE(work.Read("nine.drd") == before) << "nine.drd was changed";

    // A known engine still prints its report.
    work.Write("seven.drd", Sample({{"MsEngine", "7"}}));
    EXPECT_EQ(RunMerged({"text", "0", File("seven.drd")}, output), 0);
    EXPECT_NE(output.find("圧縮方法："), std::string::npos);
}

#if !defined(__SANITIZE_ADDRESS__)
TEST_F(CliRunTest, EngineWithoutMemoryFailsTheFileAndLeavesItAlone)
{
    // Every single of the lottery, grade-3 trial search: its cache needs about 2 GB.
    // The sample's head and its (empty) singles, run log and vote status: a whole data file.
    const std::string sample = basText::FromSjis(ReadSample());
    const std::string text =
        sample.substr(0, sample.find("\r\n\r\n", sample.find("DataVersion")) + 4) +
        "Kaisaikai = 9001\r\n"
        "Multi = 1:1:1:1:1:1:1:1:1:1:1:1:1,1:1:1:1:1:1:1:1:1:1:1:1:1,1:1:1:1:1:1:1:1:1:1:1:1:1\r\n"
        "MsEngine = 4\r\n" +
        sample.substr(sample.find("\r\nSingleCount = ") + 2);
    work.Write("big.drd", basText::ToSjis(text));
    work.Write("small.drd", Sample({{"MsEngine", "0"}}));
    const std::string before = work.Read("big.drd");
    std::string output;
    const int rc = RunMerged({"run", File("big.drd"), File("small.drd")}, output, [] {
        const rlimit limit{1ULL << 30, 1ULL << 30};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    EXPECT_EQ(rc, 1) << output;
    EXPECT_NE(output.find(File("big.drd") + "\t失敗\nエラー: " + File("big.drd") +
                          ": 圧縮に失敗しました。 メモリが不足しています。 ( 7 ) "
                          "ファイルは変更していません。\n"),
              std::string::npos)
        << output;
    EXPECT_NE(output.find(File("small.drd") + "\t成功\n"), std::string::npos) << output;
    EXPECT_TRUE(work.Read("big.drd") == before) << "big.drd was changed";
}
#endif
} // namespace
