#include "app/basVersion.h"
#include "base/basText.h"
#include "base/clsFileStream.h"
#include "files/clsTFileDRD.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {
class FileDrd : public ::testing::Test
{
protected:
    RecordingHost rec;
    TempDir dir;
    clsTFileDRD drd{rec.Host(), "1.00", "Copyright (C) Kelvra"};
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
    std::string Text(const std::string& name) const { return basText::FromSjis(dir.Read(name)); }

    static DataFileRecord Sample()
    {
        DataFileRecord r;
        r.Kaisaikai = 1234;
        r.Multi[1][0] = 1;
        r.Multi[2][12] = 6;
        r.Multi[0][5] = 3;
        r.Jouken.Haitou.Flag = {true, false, true};
        r.Jouken.Haitou.Min[0] = Currency::FromInt(100000);
        r.Jouken.Haitou.Max[2] = *Currency::Parse("2500.5");
        auto& e = r.Jouken.Honmei[4];
        e.Enabled = true;
        e.Applied = false;
        e.Resize(2, 3);
        e.MatchFlags.fill(false);
        e.MatchFlags[3] = true;
        e.ResultFlags = {true, false, true};
        e.RowCategories[0][2] = true;
        e.RowCategories[1][0] = true;
        e.SetMark(5, 1, kCountTolerate);
        e.SetMark(0, 0, kCountDelete);
        e.RowCaptions = {"本命行", ""};
        r.Jouken.MachigaiType = 2;
        r.Jouken.MachigaiList[11] = true;
        r.Engine.MsEngine = 4;
        r.Engine.EndTime = 30;
        r.Engine.ExGrade3 = true;
        r.Engine.ChushutsuFlag = true;
        r.Engine.ChushutsuCount = 25;
        r.MsSingleCount = 3;
        r.MsSingleFrame[1][1] = 3;
        r.MsTousen = {1, 2, 3, 4, 5, 6};
        r.SingleCount = 3;
        r.SingleFrame[2][0] = 2;
        r.Singles = {1594322, 0, 255};
        r.SakugenMessage = "x\r\ny";
        r.Vote.Kaisaikai = 1234;
        r.Vote.AsOf = DateTime::FromYmdHms(2021, 1, 16, 12, 50, 0);
        r.Vote.Match[0].Home = "甲府";
        r.Vote.Match[0].Rate = {*Currency::Parse("45.6"), *Currency::Parse("30.1"),
                                *Currency::Parse("24.3")};
        return r;
    }
};

TEST_F(FileDrd, DataFileRoundTripsEveryField)
{
    const DataFileRecord in = Sample();
    ASSERT_TRUE(drd.Save(Path("a.drd"), true, in, true));
    DataFileRecord back;
    ASSERT_TRUE(drd.Load(Path("a.drd"), back));
    DataFileRecord expect = in;
    expect.SakugenMessage = "x\r\ny\r\n"; // each kept line comes back with its line end
    EXPECT_EQ(back, expect);
    EXPECT_TRUE(rec.Messages.empty());
    EXPECT_EQ(rec.BusyDepth, 0);

    const std::string text = Text("a.drd");
    EXPECT_EQ(text.substr(0, 140),
              std::string(";Drovane Data File (.drd)\r\n;Copyright (C) Kelvra\r\n"
                          "\r\nSoftware    = Kelvra\r\nSoftVersion = 1.00\r\n"
                          "DataType    = toto\r\nDataVersion = 6\r\n\r\n"
                          "Kaisaikai = 1234\r\n\r\nMulti = ")
                  .substr(0, 140));
    EXPECT_NE(text.find("Honmei.4 = 1|0|2|3|0001000000000|101|001|100|10,00,00,00,00,02,"
                        "00,00,00,00,00,00,00,00|本命行,\r\n"),
              std::string::npos)
        << text.substr(text.find("Honmei.4"), 120);
    EXPECT_NE(
        text.find("\r\n\r\nHaitou.Enabled = 111\r\nHaitou.Flag = 101\r\n"
                  "Haitou.Min = 100000,0,0\r\nHaitou.Max = 9999999999,9999999999,2500.5\r\n\r\n"),
        std::string::npos);
    EXPECT_NE(
        text.find("MachigaiType = 2\r\nMachigaiList = 100000000001\r\n\r\nMsEngine = 4\r\n\r\n"
                  "BeginCount = 100\r\nEndCount = 1\r\nEndTime = 30\r\nExGrade2 = 0\r\n"
                  "ExGrade3 = 1\r\n\r\nSeBeginCount = 10\r\nSeEndTime = 0\r\n\r\n"
                  "ChushutsuFlag = 1\r\nChushutsuCount = 25\r\nChushutsuType = 0\r\n\r\n"
                  "MsSingleCount = 3\r\n"),
        std::string::npos);
    EXPECT_NE(text.find("MsTousen = 1,2,3,4,5,6\r\n\r\nSingleCount = 3\r\nSingleFrame = "),
              std::string::npos);
    EXPECT_NE(text.find("\r\n\r\n<SingleData>\r\n1853D2\r\n0\r\nFF\r\n</SingleData>\r\n\r\n"
                        "<SakugenMessage>\r\nx\r\ny\r\n</SakugenMessage>\r\n\r\n<投票状況>\r\n"
                        "<開催回>1234</開催回>\r\n<販売終了時点>"),
              std::string::npos);
    const std::string end = "</投票状況>\r\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(text.find("Kumi"), std::string::npos);
    EXPECT_EQ(text.find("VoteTime"), std::string::npos);
}

TEST_F(FileDrd, ConditionsFileHoldsOnlyTheConditions)
{
    ASSERT_TRUE(drd.Save(Path("c.drj"), false, Sample(), true));
    const std::string text = Text("c.drj");
    EXPECT_EQ(text.substr(0, 29), ";Drovane Jouken File (.drj)\r\n");
    EXPECT_NE(text.find("DataType    = toto Jouken\r\nDataVersion = 6\r\n\r\nHaitou.Enabled"),
              std::string::npos);
    const std::string end = "MachigaiList = 100000000001\r\n\r\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    for (const char* absent : {"Kaisaikai", "Multi", "MsEngine", "SingleData", "投票状況"}) {
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    }
    // Lines 1-8, the payout block, three tables of 29 and the correction block.
    EXPECT_EQ(basText::SplitLines(text).size(), 8u + 5 + 3 * 30 + 3);

    DataFileRecord back = Sample();
    back.Jouken = ConditionSetRecord();
    ASSERT_TRUE(drd.Load(Path("c.drj"), back));
    EXPECT_EQ(back.Jouken, Sample().Jouken);
}

TEST_F(FileDrd, TypeCheckNeedsSoftwareAndKind)
{
    ASSERT_TRUE(drd.Save(Path("a.drd"), true, Sample(), true));
    ASSERT_TRUE(drd.Save(Path("c.drj"), false, Sample(), true));
    std::int32_t version = -1;
    EXPECT_TRUE(drd.DataTypeCheck(Path("a.drd"), true, version));
    EXPECT_EQ(version, 6);
    EXPECT_FALSE(drd.DataTypeCheck(Path("a.drd"), false, version));
    EXPECT_TRUE(drd.DataTypeCheck(Path("c.drj"), false, version));
    EXPECT_FALSE(drd.DataTypeCheck(Path("c.drj"), true, version));
    EXPECT_TRUE(rec.Messages.empty());

    std::string other = Text("a.drd");
    other.replace(other.find("Software    = Kelvra"), 20, "Software    = Other ");
    dir.Write("o.drd", basText::ToSjis(other));
    EXPECT_FALSE(drd.DataTypeCheck(Path("o.drd"), true, version));
    // The software line must be among the first eight lines.
    dir.Write("late.drd", ";a\r\n;b\r\n;c\r\n;d\r\n;e\r\n;f\r\n;g\r\n;h\r\nSoftware = Kelvra\r\n"
                          "DataType = toto\r\n");
    EXPECT_FALSE(drd.DataTypeCheck(Path("late.drd"), true, version));
    EXPECT_TRUE(rec.Messages.empty());

    dir.Write("short.drd", "Software = Kelvra\r\nDataType = toto\r\n");
    EXPECT_FALSE(drd.DataTypeCheck(Path("short.drd"), true, version));
    EXPECT_FALSE(drd.DataTypeCheck(Path("missing.drd"), true, version));
    ASSERT_EQ(rec.Messages.size(), 2u);
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsTFileDRD / DataTypeCheck");
}

TEST_F(FileDrd, EmptySetKeepsPrefilledSingles)
{
    DataFileRecord in = Sample();
    in.SingleCount = 0;
    in.SakugenMessage.clear();
    ASSERT_TRUE(drd.Save(Path("e.drd"), true, in, true));
    const std::string text = Text("e.drd");
    EXPECT_NE(text.find("SingleCount = 0\r\n"), std::string::npos);
    EXPECT_NE(
        text.find("<SingleData>\r\n</SingleData>\r\n\r\n<SakugenMessage>\r\n\r\n</SakugenMessage>"),
        std::string::npos);
    DataFileRecord back;
    back.Singles = {7, 8};
    ASSERT_TRUE(drd.Load(Path("e.drd"), back));
    EXPECT_EQ(back.SingleCount, 0);
    EXPECT_EQ(back.Singles, (std::vector<std::int32_t>{7, 8}));
    EXPECT_EQ(back.SakugenMessage, "");
}

TEST_F(FileDrd, LegacyKeysAndIgnoredKeys)
{
    const std::string entry = "1|1|1|1|1111111111111|111|1|0,0,0,0,0,0,0,0,0,0,0,0,0,1|行";
    dir.Write("old.drd", basText::ToSjis(";old\r\nSoftware = Kelvra\r\nDataType = toto\r\n"
                                         "DataVersion = 4\r\nKumi = A\r\nVoteTime = 2020/05/06\r\n"
                                         "Honmei.29 = garbage\r\nSomething = else\r\n"
                                         "Shouhai.3 = " +
                                         entry +
                                         "\r\nShouhai.10 = garbage\r\n"
                                         "Multi = 1:2\r\nMsTousen = 9\r\n"));
    DataFileRecord back;
    back.Multi[0][2] = 5;
    back.MsTousen = {1, 1, 1, 1, 1, 1};
    ASSERT_TRUE(drd.Load(Path("old.drd"), back)) << rec.AllMessageText();
    EXPECT_EQ(back.Kumi, "A");
    EXPECT_EQ(back.VoteTime, DateTime::FromYmd(2020, 5, 6));
    EXPECT_EQ(back.Jouken.Mark[3].RowCount, 1);
    EXPECT_EQ(back.Jouken.Mark[3].RowCaptions[0], "行");
    EXPECT_EQ(back.Jouken.Mark[3].Mark(13, 0), 1);
    // Partial fills keep what the caller had.
    EXPECT_EQ(back.Multi[0][0], 1);
    EXPECT_EQ(back.Multi[0][1], 2);
    EXPECT_EQ(back.Multi[0][2], 5);
    EXPECT_EQ(back.MsTousen, (std::array<std::int32_t, 6>{9, 1, 1, 1, 1, 1}));
    std::int32_t version = 0;
    dir.Write("old8.drd",
              ";a\r\nSoftware = Kelvra\r\nDataType = toto\r\nDataVersion = 4\r\n\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(drd.DataTypeCheck(Path("old8.drd"), true, version));
    EXPECT_EQ(version, 4);
}

TEST_F(FileDrd, BrokenFilesFailWithTheirReason)
{
    const auto fails = [&](const std::string& body) {
        rec.Messages.clear();
        dir.Write("b.drd", basText::ToSjis(body));
        DataFileRecord back;
        const bool ok = drd.Load(Path("b.drd"), back);
        EXPECT_EQ(rec.Messages.size(), ok ? 0u : 1u) << body;
        return !ok;
    };
    EXPECT_TRUE(fails("Honmei.x = 1|1|1|1|1|1|1|0,0,0,0,0,0,0,0,0,0,0,0,0,0|a\r\n"));
    EXPECT_NE(rec.Messages[0].Text.find("( 13 )"), std::string::npos);
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsTFileDRD / Load");
    EXPECT_TRUE(fails("Honmei.0 = 1|1|0|1|1|1|0,0,0,0,0,0,0,0,0,0,0,0,0,0|\r\n")); // n = 0
    EXPECT_TRUE(fails("Honmei.0 = 1|1|2|1|1|1|1|1|0,0\r\n"));                      // parts missing
    EXPECT_TRUE(fails("SingleCount = 1\r\n<SingleData>\r\n1\r\n2\r\n</SingleData>\r\n"));
    EXPECT_TRUE(fails("SingleCount = 2\r\n<SingleData>\r\n1\r\n"));
    EXPECT_TRUE(fails("SingleCount = 1\r\n<SingleData>\r\nZZ\r\n</SingleData>\r\n"));
    EXPECT_TRUE(fails("SingleCount = 1\r\n<SingleData>\r\n1853D3\r\n</SingleData>\r\n"));
    EXPECT_TRUE(fails("<SingleData>\r\n1\r\n</SingleData>\r\n")); // singles before the count
    EXPECT_TRUE(fails("Kaisaikai = abc\r\n"));
    EXPECT_TRUE(fails("VoteTime = someday\r\n"));
    EXPECT_TRUE(fails("<SakugenMessage>\r\nx\r\n"));
    EXPECT_TRUE(fails("<投票状況>\r\n<開催回>1</開催回>\r\n<指定試合>\r\n</投票状況>\r\n"));
    EXPECT_FALSE(fails("Honmei.29 = x\r\nMark.-1 = x\r\n<Other>\r\n"));
    DataFileRecord back;
    EXPECT_FALSE(drd.Load(Path("nothing.drd"), back));
}

TEST_F(FileDrd, MessagesAndVoteBlockReadBack)
{
    dir.Write("m.drd",
              basText::ToSjis("<SakugenMessage>\r\n  x  \r\n\r\n   \r\ny\r\n</SakugenMessage>\r\n"
                              "<投票状況>\r\n<開催回>77</開催回>\r\n\r\n<組>B</組>\r\n"
                              "</投票状況>\r\n"));
    DataFileRecord back;
    back.Vote.Kumi = "A";
    ASSERT_TRUE(drd.Load(Path("m.drd"), back));
    EXPECT_EQ(back.SakugenMessage, "  x  \r\ny\r\n");
    EXPECT_EQ(back.Vote.Kaisaikai, 77);
    EXPECT_EQ(back.Vote.Kumi, ""); // the block's group is never read
}

TEST_F(FileDrd, FailedSaveLeavesTheOldFile)
{
    ASSERT_TRUE(drd.Save(Path("k.drd"), true, Sample(), true));
    const std::string before = dir.Read("k.drd");
    DataFileRecord bad = Sample();
    bad.SingleCount = 10; // more than the list holds
    EXPECT_FALSE(drd.Save(Path("k.drd"), true, bad, false));
    EXPECT_TRUE(rec.Messages.empty());
    EXPECT_FALSE(drd.Save(Path("k.drd"), true, bad, true));
    EXPECT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(dir.Read("k.drd"), before);
    std::filesystem::create_directories(dir.Path() / "adir" / "x");
    EXPECT_FALSE(drd.Save(Path("adir"), true, Sample(), true));
    EXPECT_EQ(rec.Messages.size(), 2u);
    EXPECT_EQ(rec.WaitLog.back(), "close");
    EXPECT_EQ(rec.BusyDepth, 0);
}
} // namespace

namespace {
// Reads a file in another thread; a read that blocks (a FIFO) is released and reported.
template <class F> bool NotBlocking(const std::filesystem::path& fifo, F&& read)
{
    auto done = std::async(std::launch::async, std::forward<F>(read));
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        return !done.get();
    }
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    done.wait();
    return false;
}

// A singles block must hold exactly SingleCount singles: missing ones used to load as ticket 0
// (every match a draw), phantom tickets that grading and export then used.
TEST_F(FileDrd, SinglesBlockMustHoldExactlyItsCount)
{
    ASSERT_TRUE(drd.Save(Path("a.drd"), true, Sample(), true));
    const std::string good = Text("a.drd");
    const auto refused = [&](const std::string& text, const std::string& what) {
        rec.Messages.clear();
        dir.Write("b.drd", basText::ToSjis(text));
        DataFileRecord back = Sample();
        back.Singles = {9, 9};
        back.SingleCount = 2;
        const bool ok = drd.Load(Path("b.drd"), back);
        EXPECT_FALSE(ok) << what;
        if (ok || rec.Messages.size() != 1) {
            return false;
        }
        const std::string& msg = rec.Messages[0].Text;
        EXPECT_NE(msg.find(Path("b.drd")), std::string::npos) << msg;
        EXPECT_NE(msg.find(what), std::string::npos) << msg;
        return true;
    };
    std::string text = good;
    text.erase(text.find("0\r\nFF\r\n"), 3); // a deleted line
    EXPECT_TRUE(refused(text, "シングルが 2 件しかありません。SingleCount は 3"));
    const std::size_t open = good.find("<SingleData>\r\n") + 14;
    text = good.substr(0, open) + good.substr(good.find("</SingleData>"));
    EXPECT_TRUE(refused(text, "シングルが 0 件しかありません"));
    // The probe's file: every ticket number claimed, none there.
    std::string all = good;
    all.replace(all.find("\r\nSingleCount = 3"), 17, "\r\nSingleCount = 1594323");
    all = all.substr(0, all.find("<SingleData>\r\n") + 14) + all.substr(all.find("</SingleData>"));
    EXPECT_TRUE(refused(all, "SingleCount は 1594323"));
    // A count without any block, and a second count after the block.
    text = good.substr(0, good.find("<SingleData>"));
    EXPECT_TRUE(refused(text, "<SingleData> がありません"));
    EXPECT_TRUE(refused(good + "SingleCount = 5\r\n", "<SingleData> がありません"));
    text = good;
    text.insert(text.find("</SingleData>"), "5\r\n");
    ASSERT_TRUE(refused(text, "SingleCount 3 より多いシングル"));
    // The line of the fault is named.
    EXPECT_NE(rec.Messages[0].Text.find("行目: SingleData"), std::string::npos)
        << rec.Messages[0].Text;
}

TEST_F(FileDrd, EmbeddedVoteBlockFaultsNameTheFileAndLine)
{
    dir.Write("v.drd", basText::ToSjis("Kaisaikai = 5\r\n\r\n<投票状況>\r\n<開催回>1</開催回>\r\n"
                                       "\r\n<指定試合>\r\n<番号>1</番号>\r\n"
                                       "<その他><投票口数>2000000000000</投票口数></その他>\r\n"
                                       "</指定試合>\r\n</投票状況>\r\n"));
    DataFileRecord back;
    EXPECT_FALSE(drd.Load(Path("v.drd"), back));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find(Path("v.drd") + " 8行目"), std::string::npos)
        << rec.Messages[0].Text;
    EXPECT_NE(rec.Messages[0].Text.find("<その他><投票口数> の値 \"2000000000000\""),
              std::string::npos);
}

TEST_F(FileDrd, PayoutLimitsPastTheReadLimitFail)
{
    dir.Write("h.drd", "Haitou.Max = 9999999999,1000000000001,0\r\n");
    DataFileRecord back;
    EXPECT_FALSE(drd.Load(Path("h.drd"), back));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find("1行目: Haitou.Max"), std::string::npos)
        << rec.Messages[0].Text;
}

// The data file is the user's: its mode stays, a link to it stays a link, and a file made
// read-only is not replaced (the probe saw 0444 become 0644, silently).
TEST_F(FileDrd, SaveRespectsModeLinksAndReadOnlyFiles)
{
    namespace fs = std::filesystem;
    ASSERT_TRUE(drd.Save(Path("p.drd"), true, Sample(), true));
    ::chmod(Path("p.drd").c_str(), 0600);
    ASSERT_TRUE(drd.Save(Path("p.drd"), true, Sample(), true));
    EXPECT_EQ(fs::status(Path("p.drd")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    fs::create_symlink("p.drd", Path("link.drd"));
    DataFileRecord changed = Sample();
    changed.Kaisaikai = 77;
    ASSERT_TRUE(drd.Save(Path("link.drd"), true, changed, true));
    EXPECT_TRUE(fs::is_symlink(Path("link.drd")));
    EXPECT_NE(Text("p.drd").find("Kaisaikai = 77\r\n"), std::string::npos);

    ::chmod(Path("p.drd").c_str(), 0444);
    const std::string before = dir.Read("p.drd");
    EXPECT_FALSE(drd.Save(Path("p.drd"), true, Sample(), true));
    EXPECT_FALSE(drd.Save(Path("link.drd"), true, Sample(), true));
    EXPECT_EQ(dir.Read("p.drd"), before);
    EXPECT_EQ(fs::status(Path("p.drd")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(rec.Messages.size(), 2u);
    EXPECT_EQ(rec.Messages[0].Text,
              Path("p.drd") + " に書き込めません。 (Permission denied) ( 75 )");
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsTFileDRD / Save");
}

TEST_F(FileDrd, FifoIsRefusedWithoutBlocking)
{
    const std::filesystem::path fifo = dir.Path() / "f.drd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::int32_t version = 0;
    EXPECT_TRUE(NotBlocking(fifo, [&] { return drd.DataTypeCheck(fifo.string(), true, version); }));
    EXPECT_TRUE(NotBlocking(fifo, [&] {
        DataFileRecord back;
        return drd.Load(fifo.string(), back);
    }));
    ASSERT_EQ(rec.Messages.size(), 2u);
    for (const auto& m : rec.Messages) {
        EXPECT_NE(m.Text.find(fifo.string() + ": 通常のファイルではありません"), std::string::npos)
            << m.Text;
    }
    EXPECT_FALSE(drd.Save(fifo.string(), true, Sample(), true));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}
} // namespace

namespace {
ProbabilityRecord SomeProbabilities()
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[0][m] = 1000 + m;
        p.Value[1][m] = 6000 - 2 * m;
        p.Value[2][m] = 3000 + m;
    }
    return p;
}
} // namespace

TEST_F(FileDrd, OwnProbabilitiesRoundTripAsOneLineBesideTheMarks)
{
    DataFileRecord in = Sample();
    const DataFileRecord without = in;
    in.Probability = SomeProbabilities();
    ASSERT_TRUE(drd.Save(Path("p.drd"), true, in, true));
    const std::string text = Text("p.drd");
    const std::string line = "Probability = 1000:1001:1002:1003:1004:1005:1006:1007:1008:1009:"
                             "1010:1011:1012,6000:5998:5996:5994:5992:5990:5988:5986:5984:5982:"
                             "5980:5978:5976,3000:3001:3002:3003:3004:3005:3006:3007:3008:3009:"
                             "3010:3011:3012\r\n";
    EXPECT_NE(text.find("Multi = 0:0:0:0:0:3:0:0:0:0:0:0:0"), std::string::npos);
    const std::size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos) << text.substr(0, 400);
    // Every other line is what a file without probabilities holds, so older readers, which
    // skip keys they do not know, read the same work from it.
    ASSERT_TRUE(drd.Save(Path("q.drd"), true, without, true));
    EXPECT_EQ(std::string(text).erase(at, line.size()), Text("q.drd"));

    DataFileRecord back;
    ASSERT_TRUE(drd.Load(Path("p.drd"), back)) << rec.AllMessageText();
    DataFileRecord expect = in;
    expect.SakugenMessage = "x\r\ny\r\n";
    EXPECT_EQ(back, expect);
    // Without the key the record has none, and a conditions file never carries them.
    DataFileRecord none;
    ASSERT_TRUE(drd.Load(Path("q.drd"), none));
    EXPECT_FALSE(none.Probability.has_value());
    ASSERT_TRUE(drd.Save(Path("c.drj"), false, in, true));
    EXPECT_EQ(Text("c.drj").find("Probability"), std::string::npos);
}

TEST_F(FileDrd, BudgetGradeIsWrittenOnlyWhenNotTwo)
{
    DataFileRecord in = Sample();
    in.Engine.MsEngine = 8;
    ASSERT_TRUE(drd.Save(Path("g2.drd"), true, in, true));
    const std::string two = Text("g2.drd");
    EXPECT_EQ(two.find("SeGrade"), std::string::npos);
    in.Engine.SeGrade = 3;
    ASSERT_TRUE(drd.Save(Path("g3.drd"), true, in, true));
    const std::string three = Text("g3.drd");
    const std::string line = "SeGrade = 3\r\n";
    const std::size_t at = three.find("SeEndTime = 0\r\n" + line + "\r\nChushutsuFlag");
    ASSERT_NE(at, std::string::npos) << three.substr(three.find("SeBeginCount"), 120);
    // Apart from its line the file is the one grade 2 writes.
    EXPECT_EQ(std::string(three).erase(at + 15, line.size()), two);

    DataFileRecord back;
    ASSERT_TRUE(drd.Load(Path("g3.drd"), back)) << rec.AllMessageText();
    EXPECT_EQ(back.Engine.SeGrade, 3);
    DataFileRecord fresh;
    ASSERT_TRUE(drd.Load(Path("g2.drd"), fresh));
    EXPECT_EQ(fresh.Engine.SeGrade, 2);
    ASSERT_TRUE(drd.Save(Path("c.drj"), false, in, true));
    EXPECT_EQ(Text("c.drj").find("SeGrade"), std::string::npos);
}

TEST_F(FileDrd, MalformedProbabilitiesRefuseTheFileNamingTheLine)
{
    const std::string good = "1000:1001:1002:1003:1004:1005:1006:1007:1008:1009:1010:1011:1012,"
                             "6000:5998:5996:5994:5992:5990:5988:5986:5984:5982:5980:5978:5976,"
                             "3000:3001:3002:3003:3004:3005:3006:3007:3008:3009:3010:3011:3012";
    const auto load = [&](const std::string& value) {
        rec.Messages.clear();
        dir.Write("m.drd", basText::ToSjis("Software = Kelvra\r\nKaisaikai = 1\r\n\r\n"
                                           "Probability = " +
                                           value + "\r\n"));
        DataFileRecord back;
        const bool ok = drd.Load(Path("m.drd"), back);
        return std::make_pair(ok, ok ? std::string() : rec.AllMessageText());
    };
    ASSERT_TRUE(load(good).first) << load(good).second;
    std::string bad[] = {
        "",
        good.substr(0, good.rfind(',')),         // two groups
        good + ",1:2",                           // four
        good.substr(0, good.rfind(':')),         // twelve values in the last group
        good + ":0",                             // fourteen
        std::string(good).replace(0, 4, "1e3"),  // not a whole number
        std::string(good).replace(0, 4, "1001"), // match 1 adds up to 10,001
        std::string(good).replace(0, 4, "-100").replace(65, 4, "7100"), // sum right, value not
    };
    for (const std::string& v : bad) {
        const auto [ok, text] = load(v);
        EXPECT_FALSE(ok) << v;
        EXPECT_NE(text.find("m.drd 4行目: Probability"), std::string::npos) << v << "\n" << text;
    }
    EXPECT_NE(load(bad[6]).second.find("1試合目の確率の合計が 10001"), std::string::npos);
}

// The limits on expected value and 1st-grade chance: a block of their own after the error
// correction, in both kinds of file, and only when they are not cleared ones.
TEST_F(FileDrd, ValueLimitsRoundTripInBothKindsAndClearedOnesWriteNothing)
{
    DataFileRecord in = Sample();
    const DataFileRecord without = in;
    in.Jouken.Value.EVFlag = true;
    in.Jouken.Value.EVMin = *Currency::Parse("85.5");
    in.Jouken.Value.PMin = 1.25e-7; // set but switched off: still kept
    in.Jouken.Value.PMax = 0.1;
    const std::string block = "MachigaiList = 100000000001\r\n\r\n"
                              "Kitaichi.Flag = 1\r\n"
                              "Kitaichi.Min = 85.5\r\n"
                              "Kitaichi.Max = 9999999999\r\n"
                              "Kakuritsu.Flag = 0\r\n"
                              "Kakuritsu.Min = 1.25e-07\r\n"
                              "Kakuritsu.Max = 0.1\r\n\r\n";
    for (const bool data : {true, false}) {
        const std::string name = data ? "v.drd" : "v.drj";
        const std::string plain = data ? "w.drd" : "w.drj";
        ASSERT_TRUE(drd.Save(Path(name), data, in, true));
        ASSERT_TRUE(drd.Save(Path(plain), data, without, true));
        const std::string text = Text(name);
        const std::size_t at = text.find(block);
        ASSERT_NE(at, std::string::npos) << text;
        // Without them the file is what it was before they existed: the same minus the block.
        const std::size_t extra =
            block.size() - std::string("MachigaiList = 100000000001\r\n\r\n").size();
        EXPECT_EQ(std::string(text).erase(at + block.size() - extra, extra), Text(plain));
        EXPECT_EQ(Text(plain).find("Kitaichi"), std::string::npos);

        DataFileRecord back = Sample();
        ASSERT_TRUE(drd.Load(Path(name), back)) << rec.AllMessageText();
        EXPECT_EQ(back.Jouken, in.Jouken);
        // A file without the keys leaves the limits cleared.
        DataFileRecord none;
        ASSERT_TRUE(drd.Load(Path(plain), none));
        EXPECT_EQ(none.Jouken.Value, ValueLimits{});
    }
}

TEST_F(FileDrd, MalformedValueLimitsRefuseTheFileNamingTheLine)
{
    const auto load = [&](const std::string& line) {
        rec.Messages.clear();
        dir.Write("l.drj", basText::ToSjis("Software = Kelvra\r\nDataType = toto Jouken\r\n\r\n" +
                                           line + "\r\n"));
        DataFileRecord back;
        const bool ok = drd.Load(Path("l.drj"), back);
        return std::make_tuple(ok, ok ? std::string() : rec.AllMessageText(), back.Jouken.Value);
    };
    EXPECT_EQ(std::get<2>(load("Kakuritsu.Min = 0.000001")).PMin, 1e-6);
    EXPECT_EQ(std::get<2>(load("Kakuritsu.Max = 1")).PMax, 1.0);
    EXPECT_EQ(std::get<2>(load("Kitaichi.Max = 120")).EVMax, Currency::FromInt(120));
    EXPECT_TRUE(std::get<2>(load("Kitaichi.Flag = 1")).EVFlag);
    EXPECT_FALSE(std::get<2>(load("Kakuritsu.Flag = yes")).PFlag);
    const char* bad[] = {"Kitaichi.Min = -1",    "Kitaichi.Max = abc",
                         "Kitaichi.Min = 1e3",   "Kitaichi.Max = 1000000000001",
                         "Kakuritsu.Min = -0.1", "Kakuritsu.Max = 1.5",
                         "Kakuritsu.Min = nan",  "Kakuritsu.Max = inf",
                         "Kakuritsu.Min = 0.5x", "Kakuritsu.Min = ",
                         "Kakuritsu.Max = 0,5"};
    for (const char* line : bad) {
        const auto [ok, text, limits] = load(line);
        EXPECT_FALSE(ok) << line;
        const std::string key = std::string(line).substr(0, std::string(line).find(' '));
        EXPECT_NE(text.find("l.drj 4行目: " + key), std::string::npos) << line << "\n" << text;
    }
}

namespace {
// A data file is read whole or refused: a file cut short, stopped by a NUL or with a block out
// of place once loaded as an empty set, which the next save then wrote over the work.
class DamagedDrd : public FileDrd
{
protected:
    std::string good;
    void SetUp() override
    {
        ASSERT_TRUE(drd.Save(Path("a.drd"), true, Sample(), true));
        good = dir.Read("a.drd");
    }
    static std::string Sjis(const std::string& s) { return basText::ToSjis(s); }
    // The line number (1-based) where text first holds what.
    static int LineOf(const std::string& bytes, const std::string& what)
    {
        return 1 + static_cast<int>(std::count(
                       bytes.begin(),
                       bytes.begin() + static_cast<std::ptrdiff_t>(bytes.find(Sjis(what))), '\n'));
    }
    // Empty when the bytes load; else the message.
    std::string Refusal(const std::string& bytes)
    {
        rec.Messages.clear();
        dir.Write("b.drd", bytes);
        DataFileRecord back;
        if (drd.Load(Path("b.drd"), back)) {
            return {};
        }
        EXPECT_EQ(rec.Messages.size(), 1u);
        return rec.Messages.empty() ? std::string("(no message)") : rec.Messages[0].Text;
    }
    static bool Has(const std::string& msg, const std::string& what)
    {
        return msg.find(what) != std::string::npos;
    }
};

TEST_F(DamagedDrd, CutOrNulBeforeTheBlocksEndIsRefusedNamingTheFileAndLine)
{
    const std::size_t count = good.find("\r\nSingleCount = ") + 2;
    std::string msg = Refusal(good.substr(0, count));
    EXPECT_TRUE(Has(msg, "SingleCount がありません")) << msg;
    EXPECT_TRUE(Has(msg, Path("b.drd") + " ")) << msg;

    std::string nul = good;
    nul.insert(good.find("MsEngine"), 1, '\0');
    msg = Refusal(nul);
    EXPECT_TRUE(Has(msg, std::to_string(LineOf(good, "MsEngine")) + "行目の NUL 文字")) << msg;

    nul = good;
    nul.insert(good.find("FF\r\n</SingleData>"), 1, '\0');
    msg = Refusal(nul);
    EXPECT_TRUE(Has(msg, "</SingleData> がありません")) << msg;
    EXPECT_TRUE(Has(msg, "NUL 文字")) << msg;

    // A NUL in the head hides the version, and the file would read as an older one.
    nul = good;
    nul[good.find("DataVersion")] = '\0';
    msg = Refusal(nul);
    EXPECT_TRUE(Has(msg, std::to_string(LineOf(good, "DataVersion")) + "行目の NUL 文字")) << msg;

    // After the singles, the vote status is still to come: without it the window would keep
    // the vote status of the work open before.
    msg = Refusal(good.substr(0, good.find("<SakugenMessage>")));
    EXPECT_TRUE(Has(msg, "<投票状況> がありません")) << msg;

    // A NUL after everything ends the file as it always did.
    EXPECT_EQ(Refusal(good + std::string(3, '\0') + "junk"), "");
}

TEST_F(DamagedDrd, BlocksOutOfPlaceAreRefused)
{
    // A run-log opener standing early would swallow the keys up to the real closing tag.
    std::string early = good;
    early.insert(good.find("Multi = "), "<SakugenMessage>\r\n");
    std::string msg = Refusal(early);
    EXPECT_TRUE(Has(msg, "<SakugenMessage> の位置が正しくありません")) << msg;
    EXPECT_TRUE(Has(msg, std::to_string(LineOf(good, "Multi = ")) + "行目")) << msg;

    // The whole run log moved before the keys, and the vote status before the singles.
    const std::size_t logAt = good.find("<SakugenMessage>");
    const std::size_t logEnd = good.find("</SakugenMessage>\r\n") + 19;
    std::string moved = good.substr(0, logAt) + good.substr(logEnd);
    moved.insert(good.find("Multi = "), good.substr(logAt, logEnd - logAt));
    msg = Refusal(moved);
    EXPECT_TRUE(Has(msg, "<SakugenMessage> の位置が正しくありません")) << msg;
    const std::size_t voteAt = good.find(Sjis("<投票状況>"));
    moved = good.substr(0, voteAt);
    moved.insert(good.find("\r\nSingleCount = ") + 2, good.substr(voteAt));
    msg = Refusal(moved);
    EXPECT_TRUE(Has(msg, "<投票状況> の位置が正しくありません")) << msg;

    // An opener inside a block, a block twice, a key after the run log.
    std::string nested = good;
    nested.insert(good.find("</SakugenMessage>"), "<SingleData>\r\n");
    msg = Refusal(nested);
    EXPECT_TRUE(Has(msg, "<SakugenMessage> の中に <SingleData> があります")) << msg;
    msg = Refusal(good + "<SakugenMessage>\r\n</SakugenMessage>\r\n");
    EXPECT_TRUE(Has(msg, "<SakugenMessage> の位置が正しくありません")) << msg;
    msg = Refusal(good + "Multi = 1:1\r\n");
    EXPECT_TRUE(Has(msg, "<投票状況> の後にキーがあります")) << msg;
}

TEST_F(DamagedDrd, OlderDataFilesAndConditionsFilesKeepLoading)
{
    // An older data file has no vote block; the singles and run log come as they may.
    std::string old = good.substr(0, good.find(Sjis("<投票状況>")));
    old.replace(old.find("DataVersion = 6"), 15, "DataVersion = 4");
    EXPECT_EQ(Refusal(old), "");
    DataFileRecord in = Sample();
    in.SingleCount = 0;
    ASSERT_TRUE(drd.Save(Path("j.drj"), false, in, true));
    const std::string drj = dir.Read("j.drj");
    EXPECT_EQ(drj.find("SingleCount"), std::string::npos);
    EXPECT_EQ(Refusal(drj), "");
}

// Another encoding decoded as CP932 turned the vote block's Japanese tags into replacement
// characters, so the block was passed over without a word.
TEST_F(DamagedDrd, TextNotInCp932IsRefusedNamingTheEncoding)
{
    const std::string utf8 = basText::FromSjis(good);
    std::string msg = Refusal(utf8);
    EXPECT_TRUE(Has(msg, "文字コードが UTF-8 です")) << msg;
    EXPECT_TRUE(Has(msg, Path("b.drd") + " " + std::to_string(LineOf(good, "本命行")) + "行目"))
        << msg;
    msg = Refusal("\xEF\xBB\xBF" + utf8);
    EXPECT_TRUE(Has(msg, "UTF-8 (BOM 付き)")) << msg;
    std::string bad = good;
    bad.insert(good.find("MsEngine"), "\xA0");
    msg = Refusal(bad);
    EXPECT_TRUE(Has(msg, "Shift_JIS (CP932) として読めないバイト")) << msg;
    EXPECT_TRUE(Has(msg, std::to_string(LineOf(good, "MsEngine")) + "行目")) << msg;

    // A conditions file as UTF-8 too; pure ASCII is fine.
    ASSERT_TRUE(drd.Save(Path("j.drj"), false, Sample(), true));
    msg = Refusal(basText::FromSjis(dir.Read("j.drj")));
    EXPECT_TRUE(Has(msg, "UTF-8")) << msg;
    EXPECT_EQ(Refusal("Kaisaikai = 5\r\nMulti = 1:1\r\n"), "");
}

// Half-width kana in CP932 can form valid UTF-8 ("ﾄｳ" is C4 B3). A conditions file holding no
// other Japanese would be taken for UTF-8 and refused after the program wrote it, but for the
// notice every file carries on its second line, which is never valid UTF-8.
TEST_F(DamagedDrd, OwnFileWithKanaCaptionsIsNotTakenForUtf8)
{
    clsTFileDRD own(rec.Host(), "1.00", std::string(basVersion::kLegalNotice));
    DataFileRecord in = Sample();
    in.Jouken.Honmei[4].RowCaptions = {"ﾄｳ", ""};
    ASSERT_EQ(Sjis("ﾄｳ"), "\xC4\xB3");
    ASSERT_TRUE(own.Save(Path("kana.drj"), false, in, true));
    DataFileRecord back;
    ASSERT_TRUE(own.Load(Path("kana.drj"), back)) << rec.AllMessageText();
    EXPECT_EQ(back.Jouken.Honmei[4].RowCaptions[0], "ﾄｳ");
}

TEST_F(DamagedDrd, RoundsOutsideTheProgramsRangeAreRefused)
{
    const std::size_t at = good.find("Kaisaikai = 1234");
    for (const char* round : {"-1", "10000", "2147483647"}) {
        std::string text = good;
        text.replace(at, 16, std::string("Kaisaikai = ") + round);
        const std::string msg = Refusal(text);
        EXPECT_TRUE(Has(msg, "開催回 " + std::string(round))) << round << ": " << msg;
        EXPECT_TRUE(Has(msg, "行目: Kaisaikai")) << msg;
    }
    // A new work saved before a round was chosen holds round 0; the last round is 9999.
    for (const std::int32_t round : {0, 9999}) {
        DataFileRecord in = Sample();
        in.Kaisaikai = round;
        ASSERT_TRUE(drd.Save(Path("r.drd"), true, in, true));
        DataFileRecord back;
        ASSERT_TRUE(drd.Load(Path("r.drd"), back)) << rec.AllMessageText();
        EXPECT_EQ(back.Kaisaikai, round);
    }
}
// A full disk is the runtime's disk-full error, not a bad file name; a folder that cannot be
// synced after the file was replaced leaves a saved file and says so.
TEST_F(FileDrd, SaveTellsAFullDiskAndAFailedFolderSyncApart)
{
    ASSERT_TRUE(drd.Save(Path("k.drd"), true, Sample(), true));
    const std::string before = dir.Read("k.drd");
    DataFileRecord changed = Sample();
    changed.Kaisaikai = 77;
    for (const int e : {ENOSPC, EDQUOT}) {
        rec.Messages.clear();
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::Write, e);
        EXPECT_FALSE(drd.Save(Path("k.drd"), true, changed, true));
        EXPECT_EQ(dir.Read("k.drd"), before);
        ASSERT_EQ(rec.Messages.size(), 1u);
        EXPECT_EQ(rec.Messages[0].Text,
                  Path("k.drd") + " に書き込めません。ディスクの空き容量が不足しています。 (" +
                      std::strerror(e) + ") ( 61 )");
    }
    rec.Messages.clear();
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::FolderSync, EIO);
        EXPECT_TRUE(drd.Save(Path("k.drd"), true, changed, true));
    }
    EXPECT_NE(Text("k.drd").find("Kaisaikai = 77\r\n"), std::string::npos);
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Icon, MsgIcon::Warning);
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsTFileDRD / Save");
    EXPECT_NE(rec.Messages[0].Text.find(Path("k.drd") + " は保存しましたが"), std::string::npos);
}
} // namespace
