#include "base/clsFileStream.h"
#include "files/clsTFileCSV.h"
#include "lottery/clsTNumber.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
class FileCsv : public ::testing::Test
{
protected:
    RecordingHost rec;
    TempDir dir;
    clsTFileCSV csv{rec.Host()};
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
};

TEST_F(FileCsv, SavedLinesAreTheCompositionDigits)
{
    // matches 1..13: home win, draw, away win, home win, then draws
    clsTNumber::ByteKousei k{1, 0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<std::int32_t> set{clsTNumber::ByteToNo(k), 1594322, 0};
    ASSERT_TRUE(csv.CsvSave(Path("a.csv"), 3, set));
    EXPECT_EQ(dir.Read("a.csv"), "1,0,2,1,0,0,0,0,0,0,0,0,0\r\n"
                                 "2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"
                                 "0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    std::int32_t count = 0;
    std::vector<std::int32_t> back;
    ASSERT_TRUE(csv.CsvLoad(Path("a.csv"), count, back));
    ASSERT_EQ(count, 3);
    EXPECT_EQ(std::vector<std::int32_t>(back.begin(), back.begin() + count), set);
    EXPECT_TRUE(rec.Messages.empty());
}

TEST_F(FileCsv, HeaderAndOddLinesAreSkipped)
{
    dir.Write("h.csv", "No,Home,Away\r\n1,1,1,1,1,1,1,1,1,1,1,1,1\r\n\r\n"
                       "0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"
                       "0,0,0,0,0,0,0,0,0,0,0,0,1");
    std::int32_t count = 0;
    std::vector<std::int32_t> set;
    ASSERT_TRUE(csv.CsvLoad(Path("h.csv"), count, set));
    ASSERT_EQ(count, 3);
    EXPECT_EQ(set[0], (1594323 - 1) / 2);
    EXPECT_EQ(set[1], 1594322);
    EXPECT_EQ(set[2], 531441);
}

TEST_F(FileCsv, BadFieldsRejectTheFileAndKeepTheSet)
{
    std::int32_t count = 2;
    std::vector<std::int32_t> set{5, 6};
    dir.Write("x.csv", "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n1,1,1,1,x,1,1,1,1,1,1,1,1\r\n");
    EXPECT_FALSE(csv.CsvLoad(Path("x.csv"), count, set));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find("( 13 )"), std::string::npos);
    EXPECT_NE(rec.Messages[0].Caption.find("clsTFileCSV / CsvLoad_Sub"), std::string::npos);

    // A numeric field outside the outcome codes would index past the ticket numbering.
    dir.Write("3.csv", "1,1,1,1,1,1,1,1,1,1,1,1,3\r\n");
    EXPECT_FALSE(csv.CsvLoad(Path("3.csv"), count, set));
    ASSERT_EQ(rec.Messages.size(), 2u);
    EXPECT_NE(rec.Messages[1].Text.find("1行目の13試合目"), std::string::npos);
    EXPECT_FALSE(csv.CsvAdd(Path("3.csv"), count, set));
    EXPECT_FALSE(csv.CsvDel(Path("3.csv"), count, set));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(set, (std::vector<std::int32_t>{5, 6}));
    EXPECT_FALSE(csv.CsvLoad(Path("missing.csv"), count, set));
    EXPECT_EQ(rec.BusyDepth, 0);
    EXPECT_EQ(rec.WaitLog.back(), "close");
}

TEST_F(FileCsv, AddDoublesAndDelRemovesEveryCopy)
{
    const std::vector<std::int32_t> file{10, 20};
    ASSERT_TRUE(csv.CsvSave(Path("f.csv"), 2, file));
    std::int32_t count = 3;
    std::vector<std::int32_t> set{20, 30, 10, 99}; // longer than the count
    ASSERT_TRUE(csv.CsvAdd(Path("f.csv"), count, set));
    ASSERT_TRUE(csv.CsvAdd(Path("f.csv"), count, set));
    EXPECT_EQ(count, 7);
    EXPECT_EQ(set, (std::vector<std::int32_t>{20, 30, 10, 10, 20, 10, 20}));
    ASSERT_TRUE(csv.CsvDel(Path("f.csv"), count, set));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(set, (std::vector<std::int32_t>{30}));
    std::int32_t none = 0;
    std::vector<std::int32_t> empty;
    ASSERT_TRUE(csv.CsvDel(Path("nothing-read.csv"), none, empty)); // empty set reads nothing
    EXPECT_TRUE(rec.Messages.empty());
}

// An empty file is no empty set: read as one, an import would replace the whole set.
TEST_F(FileCsv, EmptyFileIsRefusedAndKeepsTheSet)
{
    dir.Write("e.csv", "");
    std::int32_t count = 4;
    std::vector<std::int32_t> set{1, 2, 3, 4};
    EXPECT_FALSE(csv.CsvLoad(Path("e.csv"), count, set));
    EXPECT_EQ(count, 4);
    EXPECT_EQ(set, (std::vector<std::int32_t>{1, 2, 3, 4}));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Text,
              Path("e.csv") + "\r\nファイルが空です。\r\nCSVファイルを読み込めませんでした。");
}

TEST(FileCsvNames, ProposedNamesAndRoundFromName)
{
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(7, ""), "KV-007.csv");
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(456, "A"), "KV-456A.csv");
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(1234, ""), "KV-1234.csv");
    EXPECT_EQ(clsTFileCSV::GetDrdFileName(9001, "B"), "KV-9001B.drd");
    EXPECT_EQ(clsTFileCSV::GetKaisaikai("/x/y/KV-456A.csv"), 456);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai("kv-456A.csv"), 456);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai("123.csv"), 123);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai("K77.csv"), 77);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai("abc.csv"), 0);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai("123"), 0); // digits up to the end
    EXPECT_EQ(clsTFileCSV::GetKumi("KV-456b.csv"), "B");
    EXPECT_EQ(clsTFileCSV::GetKumi("KV-456.csv"), "");
    EXPECT_EQ(clsTFileCSV::GetKumi("456A.csv"), "");
}
} // namespace

namespace {
TEST_F(FileCsv, LargeFilesAcrossReadPiecesAndNulEnd)
{
    std::vector<std::int32_t> set(100000);
    for (std::size_t i = 0; i < set.size(); ++i) {
        set[i] = static_cast<std::int32_t>(i * 15 % 1594323);
    }
    ASSERT_TRUE(csv.CsvSave(Path("big.csv"), static_cast<std::int32_t>(set.size()), set));
    std::int32_t count = 0;
    std::vector<std::int32_t> back;
    ASSERT_TRUE(csv.CsvLoad(Path("big.csv"), count, back));
    EXPECT_EQ(back, set);
    static constexpr char kNul[] = "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\0"
                                   "\r\n0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    dir.Write("nul.csv", std::string(kNul, sizeof(kNul) - 1));
    ASSERT_TRUE(csv.CsvLoad(Path("nul.csv"), count, back));
    EXPECT_EQ(back, (std::vector<std::int32_t>{797161, 1594322}));
}
} // namespace

namespace {
// Files the probe imported as 0 tickets (exit 0, the data file's set lost): CR-only line ends
// now read as line ends, and a file without one ticket line is refused with the set kept.
TEST_F(FileCsv, CrOnlyLineEndsAreLineEnds)
{
    dir.Write("cr.csv", "1,1,1,1,1,1,1,1,1,1,1,1,1\r2,2,2,2,2,2,2,2,2,2,2,2,2\r"
                        "0,0,0,0,0,0,0,0,0,0,0,0,0");
    std::int32_t count = 0;
    std::vector<std::int32_t> set;
    ASSERT_TRUE(csv.CsvLoad(Path("cr.csv"), count, set)) << rec.AllMessageText();
    EXPECT_EQ(set, (std::vector<std::int32_t>{797161, 1594322, 0}));
    // Mixed ends, blank lines between them.
    dir.Write("mix.csv", "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n\r\r2,2,2,2,2,2,2,2,2,2,2,2,2\n\r\n");
    ASSERT_TRUE(csv.CsvLoad(Path("mix.csv"), count, set));
    EXPECT_EQ(set, (std::vector<std::int32_t>{797161, 1594322}));
}

TEST_F(FileCsv, FileWithoutATicketLineIsRefusedAndKeepsTheSet)
{
    const std::vector<std::int32_t> kept{5, 6};
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"semi.csv", "1;1;1;1;1;1;1;1;1;1;1;1;1\r\n2;2;2;2;2;2;2;2;2;2;2;2;2\r\n"},
             {"junk.csv", "\x89\x50\x4E\x47\r\n\x1A\n"},
             {"blank.csv", "\r\n\r\n\r\n"},
             {"short.csv", "1,1,1,1,1,1,1,1,1,1,1,1\r\n"}}) {
        rec.Messages.clear();
        dir.Write(name, bytes);
        std::int32_t count = 2;
        std::vector<std::int32_t> set = kept;
        EXPECT_FALSE(csv.CsvLoad(Path(name), count, set)) << name;
        EXPECT_FALSE(csv.CsvAdd(Path(name), count, set)) << name;
        EXPECT_FALSE(csv.CsvDel(Path(name), count, set)) << name;
        EXPECT_EQ(count, 2);
        EXPECT_EQ(set, kept);
        ASSERT_EQ(rec.Messages.size(), 3u) << name;
        EXPECT_EQ(rec.Messages[0].Caption, "Kelvra / clsTFileCSV / CsvLoad_Sub");
        EXPECT_TRUE(rec.Messages[0].Text.starts_with(Path(name) + "\r\nチケットの行"))
            << rec.Messages[0].Text;
    }
    EXPECT_NE(rec.Messages[0].Text.find("1 行。1行目の項目数は 12"), std::string::npos)
        << rec.Messages[0].Text;
}

TEST_F(FileCsv, FifoIsRefusedWithoutBlocking)
{
    const std::filesystem::path fifo = dir.Path() / "f.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::int32_t count = 1;
    std::vector<std::int32_t> set{7};
    auto load =
        std::async(std::launch::async, [&] { return csv.CsvLoad(fifo.string(), count, set); });
    if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        load.wait();
        FAIL() << "reading a FIFO blocked";
    }
    EXPECT_FALSE(load.get());
    EXPECT_EQ(set, (std::vector<std::int32_t>{7}));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find(fifo.string() + ": 通常のファイルではありません"),
              std::string::npos)
        << rec.Messages[0].Text;
    EXPECT_FALSE(csv.CsvSave(fifo.string(), 1, set));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}
} // namespace

namespace {
TEST_F(FileCsv, SaveTellsAFullDiskAndAFailedFolderSyncApart)
{
    const std::vector<std::int32_t> singles{0, 5};
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::Write, ENOSPC);
        EXPECT_FALSE(csv.CsvSave(Path("a.csv"), 2, singles));
    }
    EXPECT_FALSE(std::filesystem::exists(Path("a.csv")));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find("ディスクの空き容量が不足しています。"), std::string::npos);
    EXPECT_NE(rec.Messages[0].Text.find("( 61 )"), std::string::npos);
    rec.Messages.clear();
    {
        const clsFileStream::FaultScope fault(clsFileStream::SaveStep::FolderSync, EIO);
        EXPECT_TRUE(csv.CsvSave(Path("a.csv"), 2, singles));
    }
    EXPECT_TRUE(std::filesystem::exists(Path("a.csv")));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Icon, MsgIcon::Warning);
}
} // namespace

namespace {
const std::string kOnes = "1,1,1,1,1,1,1,1,1,1,1,1,1";
const std::string kTwos = "2,2,2,2,2,2,2,2,2,2,2,2,2";
constexpr std::int32_t kOnesNo = (1594323 - 1) / 2;

// Files as spreadsheet programs and other tools write them: a UTF-8 byte-order mark, fields in
// quotes, headers whose quoted text holds commas, quotes and line ends.
TEST_F(FileCsv, ByteOrderMarkQuotesAndEitherLineEndLoad)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string quoted = R"("1","1","1","1","1","1","1","1","1","1","1","1","1")";
    const struct
    {
        const char* Name;
        std::string Text;
        std::vector<std::int32_t> Expected;
    } cases[] = {
        {"bom-crlf", bom + kOnes + "\r\n" + kTwos + "\r\n", {kOnesNo, 1594322}},
        {"bom-lf", bom + kOnes + "\n" + kTwos + "\n", {kOnesNo, 1594322}},
        {"bom-header", bom + "試合1,試合2\r\n" + kTwos + "\r\n", {1594322}},
        {"quoted-crlf", quoted + "\r\n" + quoted + "\r\n", {kOnesNo, kOnesNo}},
        {"quoted-lf-bom", bom + quoted + "\n" + kTwos, {kOnesNo, 1594322}},
        // One field, with 12 commas and doubled quotes inside: a header, not a ticket.
        {"doubled-quotes",
         R"("Kelvra ""export"" 1,1,1,1,1,1,1,1,1,1,1,1,1")"
         "\r\n" +
             kTwos + "\r\n",
         {1594322}},
        // A quoted line end: the second line belongs to the header, it is no ticket.
        {"quoted-line-end", "\"note\r\n" + kOnes + "\"\r\n" + kTwos + "\r\n", {1594322}},
        // CP932 header (試合,番号) as before.
        {"cp932-header", "\x8E\x8E\x8D\x87,\x94\xD4\x8D\x86\r\n" + kOnes + "\r\n", {kOnesNo}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        dir.Write(std::string(c.Name) + ".csv", c.Text);
        std::int32_t count = 0;
        std::vector<std::int32_t> set;
        ASSERT_TRUE(csv.CsvLoad(Path(std::string(c.Name) + ".csv"), count, set));
        EXPECT_EQ(set, c.Expected);
        EXPECT_EQ(count, static_cast<std::int32_t>(c.Expected.size()));
    }
    EXPECT_TRUE(rec.Messages.empty());
}

TEST_F(FileCsv, BadQuotedFieldsAreRefusedWithTheirPlace)
{
    std::int32_t count = 1;
    std::vector<std::int32_t> set{7};
    // A doubled quote inside a ticket's field leaves a quote in the number.
    dir.Write("q.csv", kOnes + "\r\n" +
                           R"(1,"1""",1,1,1,1,1,1,1,1,1,1,1)"
                           "\r\n");
    EXPECT_FALSE(csv.CsvLoad(Path("q.csv"), count, set));
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find("2行目の2試合目"), std::string::npos);
    // A quote never closed swallows the rest of the file: refused, not read as no tickets.
    dir.Write("open.csv", kOnes + "\r\n\"unclosed," + kTwos + "\r\n" + kTwos + "\r\n");
    EXPECT_FALSE(csv.CsvLoad(Path("open.csv"), count, set));
    ASSERT_EQ(rec.Messages.size(), 2u);
    EXPECT_NE(rec.Messages[1].Text.find("2行目の引用符 (\") が閉じられていません。"),
              std::string::npos);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(set, (std::vector<std::int32_t>{7}));
}
} // namespace
