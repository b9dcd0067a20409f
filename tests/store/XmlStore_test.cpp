#include "base/basText.h"
#include "base/clsFileStream.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
Currency Cur(const char* s)
{
    return *Currency::Parse(s);
}

ScheduleRecord SampleSchedule()
{
    ScheduleRecord r;
    r.Kaisaikai = 1234;
    for (int i = 0; i < 13; ++i) {
        auto& m = r.Match[i];
        m.Home = "ホーム" + std::to_string(i + 1);
        m.Away = "アウェイ" + std::to_string(i + 1);
        m.GameDate = DateTime::FromYmd(2021, 1, 16 + i % 2);
        m.StartTime = DateTime::FromHms(13 + i % 3, i == 4 ? 5 : 0, 0);
        m.Stadium = "競技場" + std::to_string(i + 1);
        m.State = i == 3 ? "延期" : "";
    }
    r.SaleStart = DateTime::FromYmd(2021, 1, 9);
    r.SaleEnd = DateTime::FromYmdHms(2021, 1, 16, 12, 50, 0);
    r.ResultDate = DateTime::FromYmd(2021, 1, 18);
    r.RefundStart = DateTime::FromYmd(2021, 1, 19);
    r.RefundDeadline = DateTime::FromYmd(2022, 1, 18);
    return r;
}

VoteRecord SampleVote()
{
    VoteRecord r;
    r.Kaisaikai = 1234;
    r.AsOf = DateTime::FromYmdHms(2021, 1, 16, 12, 50, 0);
    for (int i = 0; i < 13; ++i) {
        auto& m = r.Match[i];
        m.Home = "H" + std::to_string(i);
        m.Away = "A" + std::to_string(i);
        m.GameDate = DateTime::FromYmd(2021, 1, 16);
        m.StartTime = DateTime::FromHms(9, 5, 0);
        m.Votes = {Cur("243"), Cur("456"), Cur("301")};
        m.Rate = {Cur("24.3"), Cur("45.6"), Cur("30.1")};
    }
    r.SalesTotal = Cur("1000000");
    r.SalesMulti = Cur("600000");
    r.SalesSingle = Cur("400000");
    r.UnitsTotal = Cur("10000");
    r.UnitsMulti = Cur("6000");
    r.UnitsSingle = Cur("4000");
    r.TicketsTotal = Cur("3000");
    r.TicketsMulti = Cur("1000");
    r.TicketsSingle = Cur("2000");
    r.SaleStart = DateTime::FromYmd(2021, 1, 9);
    r.SaleEnd = DateTime::FromYmdHms(2021, 1, 16, 12, 50, 0);
    r.ResultDate = DateTime::FromYmd(2021, 1, 18);
    r.RefundStart = DateTime::FromYmd(2021, 1, 19);
    r.RefundDeadline = DateTime::FromYmd(2022, 1, 18);
    return r;
}

ResultRecord SampleResult(std::int32_t round)
{
    ResultRecord r;
    r.Kaisaikai = round;
    for (int i = 0; i < 13; ++i) {
        auto& m = r.Match[i];
        m.GameDate = DateTime::FromYmd(2006, 5, 6);
        m.Outcome = static_cast<std::uint8_t>(i % 4);
        m.Stadium = "S" + std::to_string(i);
        m.Home = "H" + std::to_string(i);
        m.Away = "A" + std::to_string(i);
        m.HomeScore = static_cast<std::uint8_t>(i % 5);
        m.AwayScore = 1;
    }
    for (int g = 1; g <= 3; ++g) {
        r.Prize[g] = Cur("1234567") * (4 - g);
        r.Winners[g] = Cur("12") * g;
        r.CarryOver[g] = g == 1 ? Cur("98765432") : Currency();
    }
    r.SaleStart = DateTime::FromYmd(2006, 4, 29);
    r.SaleEnd = DateTime::FromYmdHms(2006, 5, 6, 13, 50, 0);
    r.ResultDate = DateTime::FromYmd(2006, 5, 8);
    r.RefundStart = DateTime::FromYmd(2006, 5, 9);
    r.RefundDeadline = DateTime::FromYmd(2007, 5, 8);
    return r;
}

class XmlStore : public ::testing::Test
{
protected:
    RecordingHost rec;
    TempDir dir;
    std::string Bytes(const std::string& path) const
    {
        return dir.Read(std::filesystem::relative(path, dir.Path()).string());
    }
};

TEST_F(XmlStore, FileNamesUseThreeDigitRoundAndGroup)
{
    clsXmlSchedule s(rec, "/prog");
    clsXmlVote v(rec, "/prog");
    clsXmlResult r(rec, "/prog");
    EXPECT_EQ(s.GetFileName(1234, ""), "/prog/SysData/toto_Schedule/toto_schedule_1234.xml");
    EXPECT_EQ(s.GetFileName(7, "B"), "/prog/SysData/toto_Schedule/toto_schedule_007_B.xml");
    EXPECT_EQ(v.GetFileName(5, ""), "/prog/SysData/toto_Vote/toto_vote_005.xml");
    EXPECT_EQ(r.GetFileName(1234, "A"), "/prog/SysData/toto_Result/toto_result_1234_A.xml");
}

TEST_F(XmlStore, ScheduleIsWrittenInCp932WithExactLayout)
{
    clsXmlSchedule s(rec, dir.Str());
    ScheduleRecord in = SampleSchedule();
    in.Kumi = "A";
    s.SetRecord(in);
    const std::string path = s.GetFileName(in.Kaisaikai, in.Kumi);
    ASSERT_TRUE(s.XmlSave(path));
    const std::string bytes = Bytes(path);
    EXPECT_NE(bytes.find(basText::ToSjis("<開催回>1234</開催回>\r\n<組>A</組>\r\n")),
              std::string::npos);
    const std::string text = basText::FromSjis(bytes);
    EXPECT_EQ(basText::ToSjis(text), bytes);
    const std::string head = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                             "<?xml-stylesheet type=\"text/xsl\" href=\"toto_schedule.xsl\"?>\r\n"
                             "<toto>\r\n<開催>\r\n<開催回>1234</開催回>\r\n<組>A</組>\r\n"
                             "<指定試合>\r\n<番号>1</番号>\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(
        text.find("<指定試合>\r\n<番号>5</番号>\r\n<試合開催日>2021/01/16</試合開催日>\r\n"
                  "<試合開始予定時間>14:05:00</試合開始予定時間>\r\n<競技場>競技場5</競技場>\r\n"
                  "<状態></状態>\r\n<ホーム>ホーム5</ホーム>\r\n<アウェイ>アウェイ5</アウェイ>\r\n"
                  "</指定試合>\r\n<指定試合>\r\n<番号>6</番号>"),
        std::string::npos);
    const std::string tail =
        "</指定試合>\r\n<販売開始日>2021/01/09</販売開始日>\r\n"
        "<販売終了日>2021/01/16 12:50:00</販売終了日>\r\n"
        "<結果発表日>2021/01/18</結果発表日>\r\n<払戻開始日>2021/01/19</払戻開始日>\r\n"
        "<払戻期限>2022/01/18</払戻期限>\r\n</開催>\r\n</toto>\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    // Every line ends with CR LF, no lone LF.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r');
        }
    }

    clsXmlSchedule back(rec, dir.Str());
    ASSERT_TRUE(back.XmlLoad(path));
    EXPECT_EQ(back.GetRecord(), in);
    EXPECT_TRUE(rec.Messages.empty());
}

TEST_F(XmlStore, CancelledAndNotHeldSchedules)
{
    clsXmlSchedule s(rec, dir.Str());
    ScheduleRecord in = SampleSchedule();
    in.HoldState = 2;
    s.SetRecord(in);
    const std::string text = s.GetXmlString();
    EXPECT_NE(
        text.find("<販売終了日>2021/01/16 12:50:00</販売終了日>\r\n<開催状態>中止</開催状態>\r\n"
                  "</開催>"),
        std::string::npos);
    EXPECT_EQ(text.find("結果発表日"), std::string::npos);
    ASSERT_TRUE(s.XmlSave(dir.Str() + "/c.xml"));
    ASSERT_TRUE(s.XmlLoad(dir.Str() + "/c.xml"));
    in.ResultDate = in.RefundStart = in.RefundDeadline = DateTime();
    EXPECT_EQ(s.GetRecord(), in);

    dir.Write("n.xml", basText::ToSjis(clsXmlSchedule::NotHeldText(9)));
    EXPECT_EQ(clsXmlSchedule::NotHeldText(9),
              "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
              "<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>\r\n<toto>\r\n<開催>\r\n"
              "<開催回>9</開催回>\r\n<開催状態>1</開催状態>\r\n</開催>\r\n</toto>\r\n");
    ASSERT_TRUE(s.XmlLoad(dir.Str() + "/n.xml"));
    ScheduleRecord notHeld;
    notHeld.Kaisaikai = 9;
    notHeld.HoldState = 1;
    EXPECT_EQ(s.GetRecord(), notHeld);
}

TEST_F(XmlStore, ReaderIgnoresLayoutAndUnknownTags)
{
    clsXmlSchedule s(rec, dir.Str());
    dir.Write("one.xml", basText::ToSjis("<?xml version=\"1.0\"?><toto><開催><開催回> 12 </開催回>"
                                         "<指定試合><番号>2</番号><ホーム>\r\n  甲府  \r\n</ホーム>"
                                         "<新項目>x</新項目><試合開催日>2021/1/5</試合開催日>"
                                         "</指定試合><結果速報発表日>2021/01/18 10:00:00"
                                         "</結果速報発表日><other>5</other></開催></toto>"));
    ASSERT_TRUE(s.XmlLoad(dir.Str() + "/one.xml"));
    EXPECT_EQ(s.GetRecord().Kaisaikai, 12);
    EXPECT_EQ(s.GetRecord().Match[1].Home, "甲府");
    EXPECT_EQ(s.GetRecord().Match[1].GameDate, DateTime::FromYmd(2021, 1, 5));
    EXPECT_EQ(s.GetRecord().ResultDate, DateTime::FromYmdHms(2021, 1, 18, 10, 0, 0));
    EXPECT_TRUE(rec.Messages.empty());
}

TEST_F(XmlStore, ReadErrorsReportAndKeepTheHeldRecord)
{
    clsXmlSchedule s(rec, dir.Str());
    s.SetRecord(SampleSchedule());
    dir.Write("bad.xml", basText::ToSjis("<toto><開催><指定試合><番号>1</番号></開催></toto>"));
    EXPECT_FALSE(s.XmlLoad(dir.Str() + "/bad.xml"));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Text, "XMLデータが異常です。\r\n" + dir.Str() +
                                        "/bad.xml 1行目: </開催> が開いている <指定試合> と"
                                        "対応しません。");
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsXmlSchedule / XmlLoad");
    EXPECT_EQ(s.GetRecord(), SampleSchedule());

    dir.Write("num.xml", basText::ToSjis("<toto><開催><指定試合><番号>14</番号><ホーム>x</ホーム>"
                                         "</指定試合></開催></toto>"));
    EXPECT_FALSE(s.XmlLoad(dir.Str() + "/num.xml"));
    dir.Write("date.xml",
              basText::ToSjis("<toto><開催><販売開始日>someday</販売開始日></開催></toto>"));
    EXPECT_FALSE(s.XmlLoad(dir.Str() + "/date.xml"));
    ASSERT_EQ(rec.Messages.size(), 3u);
    EXPECT_EQ(rec.Messages[1].Icon, MsgIcon::Error);
    EXPECT_NE(rec.Messages[2].Text.find("( 13 )"), std::string::npos);

    rec.Messages.clear();
    EXPECT_FALSE(s.XmlLoad(dir.Str() + "/none.xml"));
    EXPECT_FALSE(s.XmlLoad(""));
    EXPECT_TRUE(rec.Messages.empty());
}

TEST_F(XmlStore, AngleBracketsInTextsRoundTrip)
{
    clsXmlSchedule s(rec, dir.Str());
    ScheduleRecord in = SampleSchedule();
    in.Match[0].Home = "A<B>";
    in.Match[0].Stadium = "&lt; literal & more &amp;";
    s.SetRecord(in);
    const std::string text = s.GetXmlString();
    EXPECT_NE(text.find("<ホーム>A&lt;B&gt;</ホーム>"), std::string::npos);
    ASSERT_TRUE(s.XmlSave(dir.Str() + "/e.xml"));
    clsXmlSchedule back(rec, dir.Str());
    ASSERT_TRUE(back.XmlLoad(dir.Str() + "/e.xml"));
    EXPECT_EQ(back.GetRecord(), in);
    // Ordinary "&" stays as written, so files without brackets keep their bytes.
    EXPECT_EQ(clsXmlTagReader::Escape("F&M"), "F&M");
}

TEST_F(XmlStore, SaveFailureReportsAndKeepsTheOldFile)
{
    clsXmlSchedule s(rec, dir.Str());
    dir.Write("blocker", "x"); // a file where the folder should be
    s.SetRecord(SampleSchedule());
    EXPECT_FALSE(s.XmlSave(dir.Str() + "/blocker/s.xml"));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Text, dir.Str() + "/blocker/s.xml\r\nファイルの保存に失敗しました。"
                                                "\r\n(Not a directory)");
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsXmlSchedule / XmlSave");
}

TEST_F(XmlStore, SaveTellsAFullDiskAndAFailedFolderSyncApart)
{
    clsXmlSchedule s(rec, dir.Str());
    s.SetRecord(SampleSchedule());
    const std::string path = dir.Str() + "/s.xml";
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::Write, EDQUOT);
        EXPECT_FALSE(s.XmlSave(path));
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find("ディスクの空き容量が不足しています。"), std::string::npos);
    EXPECT_NE(rec.Messages[0].Text.find("( 61 )"), std::string::npos);
    rec.Messages.clear();
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::FolderSync, EIO);
        EXPECT_TRUE(s.XmlSave(path));
    }
    clsXmlSchedule back(rec, dir.Str());
    EXPECT_TRUE(back.XmlLoad(path));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Icon, MsgIcon::Warning);
    EXPECT_NE(rec.Messages[0].Text.find(path + " は保存しましたが"), std::string::npos);
}

TEST_F(XmlStore, VoteBlockAndFileRoundTrip)
{
    clsXmlVote v(rec, dir.Str());
    VoteRecord in = SampleVote();
    in.Kumi = "B";
    v.SetRecord(in);
    const std::string block = v.GetXmlString(false);
    const std::string head = "<投票状況>\r\n<開催回>1234</開催回>\r\n<組>B</組>\r\n"
                             "<販売終了時点>2021/01/16 12:50:00</販売終了時点>\r\n<指定試合>\r\n";
    EXPECT_EQ(block.substr(0, head.size()), head);
    EXPECT_NE(
        block.find(
            "<番号>1</番号>\r\n<試合開催日>2021/01/16</試合開催日>\r\n"
            "<試合開始予定時間>9:05:00</試合開始予定時間>\r\n<ホーム>H0</ホーム>\r\n"
            "<アウェイ>A0</アウェイ>\r\n<その他>\r\n<投票口数>243</投票口数>\r\n"
            "<投票率>24.3</投票率>\r\n</その他>\r\n<ホーム勝ち>\r\n<投票口数>456</投票口数>\r\n"
            "<投票率>45.6</投票率>\r\n</ホーム勝ち>\r\n<ホーム負け>\r\n"
            "<投票口数>301</投票口数>\r\n<投票率>30.1</投票率>\r\n</ホーム負け>\r\n"
            "</指定試合>\r\n"),
        std::string::npos);
    EXPECT_NE(block.find(
                  "</指定試合>\r\n<売上金額>\r\n<合計>1000000</合計>\r\n<マルチ>600000</マルチ>\r\n"
                  "<シングル>400000</シングル>\r\n</売上金額>\r\n<投票口数>\r\n<合計>10000</合計>"),
              std::string::npos);
    const std::string end = "<払戻期限>2022/01/18</払戻期限>\r\n</投票状況>\r\n";
    EXPECT_EQ(block.substr(block.size() - end.size()), end);
    EXPECT_EQ(block.find("<toto>"), std::string::npos);

    clsXmlVote back(rec, dir.Str());
    ASSERT_TRUE(back.SetXmlString(block, false));
    VoteRecord expect = in;
    expect.Kumi.clear(); // the group is not read back
    EXPECT_EQ(back.GetRecord(), expect);

    const std::string path = v.GetFileName(in.Kaisaikai, in.Kumi);
    ASSERT_TRUE(v.XmlSave(path));
    const std::string file = basText::FromSjis(Bytes(path));
    EXPECT_EQ(file, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                    "<?xml-stylesheet type=\"text/xsl\" href=\"toto_vote.xsl\"?>\r\n<toto>\r\n" +
                        block + "</toto>\r\n");
    ASSERT_TRUE(back.XmlLoad(path));
    EXPECT_EQ(back.GetRecord(), expect);
    EXPECT_TRUE(back.GetRecord().IsValid());
    EXPECT_TRUE(rec.Messages.empty());

    EXPECT_FALSE(back.SetXmlString("<投票状況>\r\n<開催回>1</開催回>\r\n</toto>", false));
    EXPECT_EQ(rec.Messages.at(0).Caption, "Kelvra / clsXmlVote / XmlLoad");
}

TEST_F(XmlStore, ResultGradesFollowTheRound)
{
    clsXmlResult r(rec, dir.Str());
    r.SetRecord(SampleResult(200));
    const std::string two = r.GetXmlString();
    EXPECT_NE(
        two.find(
            "<当せん金>\r\n<一等>3703701</一等>\r\n<二等>2469134</二等>\r\n</当せん金>\r\n"
            "<当せん口数>\r\n<一等>12</一等>\r\n<二等>24</二等>\r\n</当せん口数>\r\n"
            "<次回への繰越金>\r\n<一等>98765432</一等>\r\n<二等>0</二等>\r\n</次回への繰越金>\r\n"
            "<販売開始日>2006/04/29</販売開始日>"),
        std::string::npos);
    EXPECT_EQ(two.find("三等"), std::string::npos);
    EXPECT_NE(
        two.find("<番号>4</番号>\r\n<試合開催日>2006/05/06</試合開催日>\r\n<競技場>S3</競技場>\r\n"
                 "<くじ結果>3</くじ結果>\r\n<ホーム>H3</ホーム>\r\n<アウェイ>A3</アウェイ>\r\n"
                 "<ホーム得点>3</ホーム得点>\r\n<アウェイ得点>1</アウェイ得点>\r\n</指定試合>"),
        std::string::npos);
    const std::string path = r.GetFileName(200, "");
    ASSERT_TRUE(r.XmlSave(path));
    clsXmlResult back(rec, dir.Str());
    ASSERT_TRUE(back.XmlLoad(path));
    ResultRecord expect = SampleResult(200);
    expect.Prize[3] = expect.Winners[3] = expect.CarryOver[3] = Currency();
    EXPECT_EQ(back.GetRecord(), expect);
    EXPECT_TRUE(back.GetRecord().IsValid(2));

    r.SetRecord(SampleResult(261));
    EXPECT_NE(r.GetXmlString().find("<二等>24</二等>\r\n<三等>36</三等>\r\n</当せん口数>"),
              std::string::npos);
    ASSERT_TRUE(r.XmlSave(path));
    ASSERT_TRUE(back.XmlLoad(path));
    EXPECT_EQ(back.GetRecord(), SampleResult(261));
}

TEST_F(XmlStore, CancelledResultHasNoMoneyAndNoDates)
{
    clsXmlResult r(rec, dir.Str());
    ResultRecord in = SampleResult(500);
    in.Cancelled = true;
    r.SetRecord(in);
    const std::string text = r.GetXmlString();
    EXPECT_EQ(text.find("当せん金"), std::string::npos);
    EXPECT_EQ(text.find("販売開始日"), std::string::npos);
    EXPECT_NE(
        text.find(
            "</指定試合>\r\n<開催状態>中止</開催状態>\r\n<返還確定日>2006/05/08</返還確定日>\r\n"
            "<返還開始日>2006/05/09</返還開始日>\r\n<返還期限>2007/05/08</返還期限>\r\n"
            "</結果>\r\n</toto>\r\n"),
        std::string::npos);
    ASSERT_TRUE(r.XmlSave(dir.Str() + "/c.xml"));
    clsXmlResult back(rec, dir.Str());
    ASSERT_TRUE(back.XmlLoad(dir.Str() + "/c.xml"));
    const ResultRecord& got = back.GetRecord();
    EXPECT_TRUE(got.Cancelled);
    EXPECT_TRUE(got.SaleStart.IsZero() && got.ResultDate.IsZero() && got.RefundDeadline.IsZero());
    EXPECT_EQ(got.Prize[1], Currency());
    EXPECT_EQ(got.Match[5], in.Match[5]);
    EXPECT_TRUE(got.IsValid(3));
}

TEST_F(XmlStore, ResultByteFieldsOutOfRangeFail)
{
    clsXmlResult r(rec, dir.Str());
    dir.Write("r.xml",
              basText::ToSjis("<toto><結果><指定試合><番号>1</番号><ホーム得点>256</ホーム得点>"
                              "</指定試合></結果></toto>"));
    EXPECT_FALSE(r.XmlLoad(dir.Str() + "/r.xml"));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsXmlResult / XmlLoad");
}
} // namespace

namespace {
// The sample rounds shipped in data/ must read back valid and be exactly what the writers
// produce, byte for byte.
TEST(SampleRounds, ReadBackValidAndByteExact)
{
    RecordingHost rec;
    const std::string data = kelvra_test::SourceDataDir();
    for (const std::int32_t round : {9001, 9002}) {
        clsXmlSchedule s(rec, data);
        clsXmlVote v(rec, data);
        clsXmlResult r(rec, data);
        ASSERT_TRUE(s.XmlLoad(s.GetFileName(round, ""))) << round;
        ASSERT_TRUE(v.XmlLoad(v.GetFileName(round, ""))) << round;
        ASSERT_TRUE(r.XmlLoad(r.GetFileName(round, ""))) << round;
        EXPECT_TRUE(s.GetRecord().IsValid());
        EXPECT_TRUE(v.GetRecord().IsValid());
        EXPECT_TRUE(r.GetRecord().IsValid(3));
        std::string bytes;
        for (const auto& [path, text] : {std::pair{s.GetFileName(round, ""), s.GetXmlString()},
                                         std::pair{v.GetFileName(round, ""), v.GetXmlString(true)},
                                         std::pair{r.GetFileName(round, ""), r.GetXmlString()}}) {
            std::ifstream in(path, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
            EXPECT_EQ(bytes, basText::ToSjis(text)) << path;
        }
    }
    EXPECT_TRUE(rec.Messages.empty());
}
} // namespace

namespace {
// The three stores, each with a file written from its sample record, for the cases that hold
// for every one of them.
struct StoreCase
{
    std::string Name;
    std::string Text;
    std::function<bool(const std::string&)> Load;
    std::function<bool()> HeldIsSample;
};

class DamagedStoreFiles : public XmlStore
{
protected:
    clsXmlSchedule s{rec, dir.Str()};
    clsXmlVote v{rec, dir.Str()};
    clsXmlResult r{rec, dir.Str()};

    std::vector<StoreCase> Cases()
    {
        s.SetRecord(SampleSchedule());
        v.SetRecord(SampleVote());
        r.SetRecord(SampleResult(1234));
        return {
            {"schedule", s.GetXmlString(), [this](const std::string& p) { return s.XmlLoad(p); },
             [this] { return s.GetRecord() == SampleSchedule(); }},
            {"vote", v.GetXmlString(true), [this](const std::string& p) { return v.XmlLoad(p); },
             [this] { return v.GetRecord() == SampleVote(); }},
            {"result", r.GetXmlString(), [this](const std::string& p) { return r.XmlLoad(p); },
             [this] { return r.GetRecord() == SampleResult(1234); }},
        };
    }
    // Loads bytes as a store file; true when refused with one warning naming the file.
    ::testing::AssertionResult Refused(const StoreCase& c, const std::string& bytes,
                                       const std::string& strWhat)
    {
        rec.Messages.clear();
        const std::string path = dir.Str() + "/" + c.Name + ".xml";
        dir.Write(c.Name + ".xml", bytes);
        if (c.Load(path)) {
            return ::testing::AssertionFailure() << c.Name << ": loaded";
        }
        if (!c.HeldIsSample()) {
            return ::testing::AssertionFailure() << c.Name << ": held record changed";
        }
        if (rec.Messages.size() != 1) {
            return ::testing::AssertionFailure()
                   << c.Name << ": " << rec.Messages.size() << " messages";
        }
        const std::string& text = rec.Messages[0].Text;
        if (text.find(path) == std::string::npos || text.find(strWhat) == std::string::npos) {
            return ::testing::AssertionFailure() << c.Name << ": " << text;
        }
        return ::testing::AssertionSuccess();
    }
};

// A file cut short (a full disk, a copy broken off) used to read as far as it went, the rest of
// the record left at its defaults; now the root must be closed.
TEST_F(DamagedStoreFiles, FileCutShortIsRefused)
{
    for (const StoreCase& c : Cases()) {
        const std::string bytes = basText::ToSjis(c.Text);
        const std::size_t root = bytes.rfind("</toto>");
        ASSERT_NE(root, std::string::npos);
        EXPECT_TRUE(Refused(c, bytes.substr(0, root), "ルート要素 <toto> が閉じていません"));
        EXPECT_TRUE(Refused(c, bytes.substr(0, bytes.find("\r\n", bytes.size() / 2) + 2),
                            "が閉じていません"));
        EXPECT_TRUE(Refused(c, "", "要素がありません"));
        // The whole file still reads.
        rec.Messages.clear();
        dir.Write(c.Name + ".xml", bytes);
        EXPECT_TRUE(c.Load(dir.Str() + "/" + c.Name + ".xml")) << rec.AllMessageText();
    }
}

TEST_F(DamagedStoreFiles, NulAndTextAfterTheRootAreRefused)
{
    for (const StoreCase& c : Cases()) {
        std::string bytes = basText::ToSjis(c.Text);
        std::string nul = bytes;
        const std::size_t at = nul.find(basText::ToSjis("<指定試合>"));
        ASSERT_NE(at, std::string::npos);
        nul[at + 2] = '\0';
        const auto line = std::count(nul.begin(), nul.begin() + static_cast<long>(at), '\n') + 1;
        EXPECT_TRUE(Refused(c, nul, std::to_string(line) + "行目: NUL 文字があります"));
        EXPECT_TRUE(Refused(c, bytes + "<toto>", "の後にデータがあります"));
        EXPECT_TRUE(Refused(c, bytes + "</toto>\r\n", "の後にデータがあります"));
    }
}

// Values past what the program can add up: the read limit of amounts and counts, and outcome
// codes beyond 3 (14 once graded its match as open).
TEST_F(DamagedStoreFiles, ValuesOutOfTheirRangeAreRefusedWithTheElement)
{
    r.SetRecord(SampleResult(1234));
    const std::string result = basText::ToSjis(r.GetXmlString());
    const StoreCase rc = Cases()[2];
    std::string bad = result;
    const std::string outcome = basText::ToSjis("<くじ結果>1</くじ結果>");
    bad.replace(bad.find(outcome), outcome.size(), basText::ToSjis("<くじ結果>14</くじ結果>"));
    ASSERT_TRUE(Refused(rc, bad, "<くじ結果> の値 \"14\""));
    EXPECT_NE(rec.Messages[0].Text.find("0～3"), std::string::npos) << rec.Messages[0].Text;
    EXPECT_NE(rec.Messages[0].Text.find("( 6 )"), std::string::npos);

    const std::string prize = basText::ToSjis("<一等>3703701</一等>");
    bad = result;
    bad.replace(bad.find(prize), prize.size(), basText::ToSjis("<一等>1000000000000.5</一等>"));
    EXPECT_TRUE(Refused(rc, bad, "<当せん金><一等> の値 \"1000000000000.5\""));
    bad = result;
    bad.replace(bad.find(prize), prize.size(), basText::ToSjis("<一等>922337203685477</一等>"));
    EXPECT_TRUE(Refused(rc, bad, "オーバーフローしました。"));

    // At the limit the file reads.
    ResultRecord big = SampleResult(1234);
    big.Prize[1] = Currency::FromInt(Currency::ReadLimit);
    big.Match[0].Outcome = ResultRecord::OutcomeCancelled;
    r.SetRecord(big);
    ASSERT_TRUE(r.XmlSave(dir.Str() + "/big.xml"));
    clsXmlResult back(rec, dir.Str());
    ASSERT_TRUE(back.XmlLoad(dir.Str() + "/big.xml")) << rec.AllMessageText();
    EXPECT_EQ(back.GetRecord(), big);

    const StoreCase vc = Cases()[1];
    std::string vote = basText::ToSjis(vc.Text);
    const std::string units = basText::ToSjis("<投票口数>456</投票口数>");
    vote.replace(vote.find(units), units.size(),
                 basText::ToSjis("<投票口数>900000000000000</投票口数>"));
    EXPECT_TRUE(Refused(vc, vote, "<ホーム勝ち><投票口数> の値 \"900000000000000\""));
}

// Prizes, winners, carry-overs, bets and sales are whole and never negative: a file saying
// otherwise was graded and valued as it stood ("1等 -999999999999"). Rates keep their decimals.
TEST_F(DamagedStoreFiles, NegativeOrFractionalAmountsAreRefusedWithTheElement)
{
    const std::string path = dir.Str() + "/amount.xml";
    const auto refusedResult = [&](const std::function<void(ResultRecord&)>& change,
                                   const std::string& strWhat) {
        ResultRecord bad = SampleResult(1234);
        change(bad);
        r.SetRecord(bad);
        EXPECT_TRUE(r.XmlSave(path));
        rec.Messages.clear();
        clsXmlResult back(rec, dir.Str());
        EXPECT_FALSE(back.XmlLoad(path)) << strWhat;
        EXPECT_EQ(back.GetRecord(), ResultRecord{});
        const std::string text = rec.AllMessageText();
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_NE(text.find(strWhat), std::string::npos) << text;
    };
    refusedResult([](ResultRecord& x) { x.Prize[1] = Cur("-999999999999"); },
                  "<当せん金><一等> の値 \"-999999999999\"");
    refusedResult([](ResultRecord& x) { x.Prize[3] = Cur("2500.5"); },
                  "<当せん金><三等> の値 \"2500.5\"");
    refusedResult([](ResultRecord& x) { x.Winners[2] = Cur("-1"); },
                  "<当せん口数><二等> の値 \"-1\"");
    refusedResult([](ResultRecord& x) { x.CarryOver[1] = Cur("-5"); }, "負の値です。");
    refusedResult([](ResultRecord& x) { x.Winners[3] = Cur("0.25"); }, "小数です。");

    const auto refusedVote = [&](const std::function<void(VoteRecord&)>& change,
                                 const std::string& strWhat) {
        VoteRecord bad = SampleVote();
        change(bad);
        v.SetRecord(bad);
        EXPECT_TRUE(v.XmlSave(path));
        rec.Messages.clear();
        clsXmlVote back(rec, dir.Str());
        EXPECT_FALSE(back.XmlLoad(path)) << strWhat;
        EXPECT_NE(rec.AllMessageText().find(path), std::string::npos) << rec.AllMessageText();
        EXPECT_NE(rec.AllMessageText().find(strWhat), std::string::npos) << rec.AllMessageText();
        // The block a data file embeds is read by the same rules.
        rec.Messages.clear();
        back.SetRecord(SampleVote());
        EXPECT_FALSE(back.SetXmlString(v.GetXmlString(false), false, "work.drd", 40));
        EXPECT_EQ(back.GetRecord(), SampleVote());
        EXPECT_NE(rec.AllMessageText().find("work.drd"), std::string::npos);
        EXPECT_NE(rec.AllMessageText().find(strWhat), std::string::npos) << rec.AllMessageText();
    };
    refusedVote([](VoteRecord& x) { x.Match[4].Votes[1] = Cur("-1"); },
                "<指定試合><ホーム勝ち><投票口数> の値 \"-1\"");
    refusedVote([](VoteRecord& x) { x.Match[0].Votes[0] = Cur("12.5"); },
                "<その他><投票口数> の値 \"12.5\"");
    refusedVote([](VoteRecord& x) { x.UnitsTotal = Cur("-10000"); },
                "<投票口数><合計> の値 \"-10000\"");
    refusedVote([](VoteRecord& x) { x.SalesSingle = Cur("400000.01"); },
                "<売上金額><シングル> の値 \"400000.01\"");

    // Rates with decimals, zero counts and an empty block still read.
    VoteRecord fine = SampleVote();
    fine.Match[2].Rate = {Cur("33.33"), Cur("33.34"), Cur("33.33")};
    fine.TicketsMulti = Currency();
    v.SetRecord(fine);
    ASSERT_TRUE(v.XmlSave(path));
    clsXmlVote back(rec, dir.Str());
    ASSERT_TRUE(back.XmlLoad(path)) << rec.AllMessageText();
    EXPECT_EQ(back.GetRecord(), fine);
    v.SetRecord(VoteRecord{});
    EXPECT_TRUE(back.SetXmlString(v.GetXmlString(false), false));
}

// A match block numbered outside 1..13 is refused for its number before any of its values is
// read, in every store; a tag no store knows stays ignored even there.
TEST_F(DamagedStoreFiles, MatchNumberOutOfRangeIsRefusedBeforeItsValues)
{
    const std::vector<StoreCase> cases = Cases();
    // A value of each store's own kind (score, rate, state) and of the shared kind (a date).
    const std::vector<std::pair<std::size_t, std::string>> fields = {
        {0, "<状態>x</状態>"},
        {0, "<試合開催日>x</試合開催日>"},
        {1, "<試合開始予定時間>x</試合開始予定時間>"},
        {1, "<ホーム勝ち>\r\n<投票率>x</投票率>\r\n</ホーム勝ち>"},
        {2, "<ホーム得点>x</ホーム得点>"},
        {2, "<くじ結果>x</くじ結果>"},
        {2, "<競技場>x</競技場>"}};
    for (const auto& [k, field] : fields) {
        const StoreCase& c = cases[k];
        std::string text = c.Text;
        const std::string first = "<番号>1</番号>\r\n";
        text.replace(text.find(first), first.size(), "<番号>14</番号>\r\n" + field + "\r\n");
        EXPECT_TRUE(Refused(c, basText::ToSjis(text), "インデックスが有効範囲にありません。"))
            << field;
    }
    for (const StoreCase& c : cases) {
        std::string text = c.Text;
        const std::string first = "<番号>1</番号>\r\n";
        text.replace(text.find(first), first.size(),
                     "<番号>14</番号>\r\n<備考>x</備考>\r\n<番号>1</番号>\r\n");
        rec.Messages.clear();
        const std::string path = dir.Str() + "/" + c.Name + ".xml";
        dir.Write(c.Name + ".xml", basText::ToSjis(text));
        EXPECT_TRUE(c.Load(path)) << c.Name << ": " << rec.AllMessageText();
        EXPECT_TRUE(c.HeldIsSample()) << c.Name;
    }
}

TEST_F(DamagedStoreFiles, FifoIsRefusedWithoutBlockingAndReadOnlyFilesStay)
{
    const fs::path fifo = dir.Path() / "fifo.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    auto load = std::async(std::launch::async, [&] { return r.XmlLoad(fifo.string()); });
    if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        load.wait();
        FAIL() << "reading a FIFO blocked";
    }
    EXPECT_FALSE(load.get());
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find(fifo.string() + ": 通常のファイルではありません"),
              std::string::npos)
        << rec.Messages[0].Text;

    // A store file the user made read-only is not replaced behind their back.
    rec.Messages.clear();
    const std::string path = dir.Str() + "/ro.xml";
    dir.Write("ro.xml", "keep");
    ::chmod(path.c_str(), 0444);
    r.SetRecord(SampleResult(1234));
    EXPECT_FALSE(r.XmlSave(path));
    EXPECT_EQ(dir.Read("ro.xml"), "keep");
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Text,
              path + "\r\nファイルの保存に失敗しました。\r\n(Permission denied)");
}
} // namespace
