#include "CliHome.h"
#include "cli/CliCommand.h"
#include "files/clsTFileDRD.h"
#include "support/ProbabilityFixture.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
// The sample round's store and data file, the file given own probabilities and a few tickets.
struct ValueHome : CliHome
{
    DataFileRecord Sample;

    ValueHome()
    {
        CopySampleWork(dir.Path());
        clsTFileDRD file(host.Host(), "1.00", "");
        EXPECT_TRUE(file.Load((dir.Path() / "sample.drd").string(), Sample));
        Sample.Probability = SameInEveryMatch(5000, 3000, 2000);
        Sample.Singles = {0, 1, 2, 100, 1000};
        Sample.SingleCount = static_cast<std::int32_t>(Sample.Singles.size());
    }

    std::string Save(const DataFileRecord& rec) { return SaveDrd(rec); }
};
} // namespace

// Without a vote status every payout is 0, and so was the expected value printed.
TEST(cmdValue, NeedsAVoteStatusToEstimatePayoutsFrom)
{
    ValueHome h;
    std::string out;
    std::string err;
    ASSERT_EQ(h.Run({"value", h.Save(h.Sample)}, out, err), 0) << err;
    EXPECT_NE(out.find("期待値\t"), std::string::npos) << out;

    DataFileRecord none = h.Sample;
    none.Vote = VoteRecord{};
    const std::string path = h.Save(none);
    EXPECT_EQ(h.Run({"value", path}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find(path + ": 投票状況がありません。"), std::string::npos) << err;

    // A vote count of -1 is no status that can be read.
    DataFileRecord negative = h.Sample;
    negative.Vote.Match[3].Votes[2] = Currency::FromInt(-1);
    EXPECT_EQ(h.Run({"value", h.Save(negative)}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find("<ホーム負け><投票口数> の値 \"-1\""), std::string::npos) << err;
}

// A vote block of round 9001 in a file of round 198 made value count three grades where text and
// grade counted two.
TEST(cmdValue, VoteStatusOfAnotherRoundIsNotUsed)
{
    ValueHome h;
    DataFileRecord other = h.Sample;
    other.Kaisaikai = 198;
    std::string out;
    std::string err;
    EXPECT_EQ(h.Run({"value", h.Save(other)}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find("投票状況の開催回 (9001) がデータファイルの開催回 (198) と異なります。"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("投票状況がありません。"), std::string::npos) << err;
}

// The grades that pay are the data file's round's, so a result of another round is not graded
// against it.
TEST(cmdGrade, ResultOfAnotherRoundIsRefused)
{
    ValueHome h;
    DataFileRecord other = h.Sample;
    other.Kaisaikai = 198;
    other.Vote = VoteRecord{};
    const std::string drd = h.Save(other);
    const std::string xml = (h.dir.Path() / "SysData/toto_Result/toto_result_9001.xml").string();
    std::string out;
    std::string err;
    EXPECT_EQ(h.Run({"grade", drd, "--result", xml}, out, err), 1);
    EXPECT_TRUE(out.empty()) << out;
    EXPECT_NE(err.find("結果ファイルの開催回 (9001) がデータファイルの開催回 (198) と異なります。"),
              std::string::npos)
        << err;
    other.Kaisaikai = 9001;
    EXPECT_EQ(h.Run({"grade", h.Save(other), "--result", xml}, out, err), 0) << err;
}
