#include "base/basText.h"
#include "reference/basTeamName.h"
#include "reference/clsTotoData.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
class TeamFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        clsTotoData::SetUnknownTeamName("");
        Put("TeamName.dat", "; main\r\nG大阪 = ガンバ大阪\r\n鹿島   = 鹿島アントラーズ\r\n"
                            "ﾏﾝU = マンチェスターユナイテッド\r\n");
        Put("TeamName1.dat", "ﾚｱﾙ = レアル・マドリード\r\nﾊﾞﾙｾﾛﾅ = バルセロナ\r\n");
        Put("TeamName2.dat",
            "Version = 3\r\nRevision = 14\r\nﾏﾝC = マンチェスターシティ\r\n"
            "ﾏﾝUtd = マンチェスターユナイテッド\r\nﾊﾞﾙｻ = バルセロナ\r\n[End]\r\n");
        Put("J1J2.dat", "2021J1 = P,Q,R,XAB\r\n2021J2 = S,T\r\n2021J3 = U\r\n");
    }
    void Put(const std::string& name, const std::string& text) const
    {
        dir.Write("SysData/" + name, basText::ToSjis(text));
    }
    TempDir dir;
    RecordingHost host;
};
} // namespace

TEST_F(TeamFiles, MainTableWinsOverTheSecondTable)
{
    clsTotoData data(host, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("マンチェスターユナイテッド", 800), "ﾏﾝU");
    EXPECT_EQ(data.GetShortTeamName("ガンバ大阪", 100), "G大阪");
    // The key keeps its inner padding only up to the trimmed end.
    EXPECT_EQ(data.GetShortTeamName("鹿島アントラーズ", 100), "鹿島");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TeamFiles, SecondTableDependsOnTheRound)
{
    clsTotoData data(host, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("レアル・マドリード", 749), "ﾚｱﾙ");
    EXPECT_EQ(data.GetShortTeamName("バルセロナ", 749), "ﾊﾞﾙｾﾛﾅ");
    EXPECT_EQ(data.GetShortTeamName("バルセロナ", 750), "ﾊﾞﾙｻ");
    EXPECT_EQ(data.GetShortTeamName("マンチェスターシティ", 750), "ﾏﾝC");
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(data.GetShortTeamName("マンチェスターシティ", 749), "");
    EXPECT_EQ(data.GetShortTeamName("レアル・マドリード", 750), "");
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[1].Icon, MsgIcon::Warning);
    EXPECT_EQ(host.Messages[1].Caption, "Kelvra");
    EXPECT_EQ(host.Messages[1].Text,
              "チーム名：レアル・マドリード が見つかりません。\r\n"
              "最新のチーム名データをダウンロードするかチーム名を追加して下さい。");
    EXPECT_EQ(clsTotoData::UnknownTeamName(), "レアル・マドリード");
}

TEST_F(TeamFiles, UserTableIsSearchedLastForEveryRound)
{
    Put("TeamName3.dat", ";user\r\nﾃｽﾄ   = テストFC\r\nG大阪2 = ガンバ大阪\r\n");
    clsTotoData data(host, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("テストFC", 1), "ﾃｽﾄ");
    EXPECT_EQ(data.GetShortTeamName("テストFC", 749), "ﾃｽﾄ");
    EXPECT_EQ(data.GetShortTeamName("テストfc", 2000), "ﾃｽﾄ");
    EXPECT_EQ(data.GetShortTeamName("ガンバ大阪", 900), "G大阪");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TeamFiles, RoundZeroWarnsWithoutLookingUp)
{
    clsTotoData data(host, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("ガンバ大阪", 0), "");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "開催回が不明です");
    EXPECT_EQ(host.Messages[0].Caption, "GetShortTeamName");
    EXPECT_EQ(clsTotoData::UnknownTeamName(), "");
}

TEST_F(TeamFiles, DivisionBySubstringOfTheYearsList)
{
    const clsTotoData data(host, dir.Str());
    EXPECT_EQ(data.GetShortToJ1J2String("Q", 2021), "J1");
    EXPECT_EQ(data.GetShortToJ1J2String("T", 2021), "J2");
    EXPECT_EQ(data.GetShortToJ1J2String("U", 2021), "J3");
    EXPECT_EQ(data.GetShortToJ1J2String("AB", 2021), "J1");
    EXPECT_EQ(data.GetShortToJ1J2String("Q", 2022), "");
    EXPECT_EQ(data.GetShortToJ1J2String("q", 2021), "");
    EXPECT_EQ(data.GetShortToJ1J2String("", 2021), "");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TeamFiles, VersionOfTheOverseasTable)
{
    EXPECT_EQ(clsTotoData(host, dir.Str()).GetTeamName2Version(), "3.14");
    Put("TeamName2.dat", "ﾊﾞﾙｻ = バルセロナ\r\n");
    EXPECT_EQ(clsTotoData(host, dir.Str()).GetTeamName2Version(), ".");
}

TEST_F(TeamFiles, LongNameExistenceSkipsTheSecondTable)
{
    const clsTotoData data(host, dir.Str());
    EXPECT_TRUE(data.ExistsLongTeamName("ガンバ大阪"));
    EXPECT_TRUE(data.ExistsLongTeamName("マンチェスターシティ"));
    EXPECT_FALSE(data.ExistsLongTeamName("レアル・マドリード"));
    // No user file is normal: no "Initialize Err" for it.
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TeamFiles, MissingMainFileReportsInitializeErr)
{
    std::filesystem::remove(dir.Path() / "SysData/TeamName.dat");
    clsTotoData data(host, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("レアル・マドリード", 700), "ﾚｱﾙ");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "Initialize Err");
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / clsIniFile / GetKey");
}

TEST_F(TeamFiles, AddingANameCreatesTheUserFileWithItsHeader)
{
    clsTotoData::SetUnknownTeamName("ﾃｽﾄﾕﾅｲﾃｯﾄﾞ");
    EXPECT_EQ(basTeamName::InitialShortName(), "ﾃｽﾄﾕﾅｲﾃｯﾄﾞ");
    clsTotoData::SetUnknownTeamName("テストユナイテッド");
    EXPECT_EQ(basTeamName::InitialShortName(), "ﾃｽﾄﾕﾅｲﾃｯﾄﾞ");
    EXPECT_EQ(basTeamName::InitialLongName(), "テストユナイテッド");
    ASSERT_TRUE(basTeamName::AddTeamName(host, dir.Str(), " ABC ", "テストユナイテッド"));
    EXPECT_EQ(basText::FromSjis(dir.Read("SysData/TeamName3.dat")),
              ";Drovane TeamName User Data File (TeamName3.dat)\r\n"
              "ABC    = テストユナイテッド\r\n");
    EXPECT_EQ(clsTotoData::UnknownTeamName(), "");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Information);
    EXPECT_EQ(host.Messages[0].Text, "チーム名(テストユナイテッド)を追加しました。");
    EXPECT_EQ(host.Messages[0].Caption, "チーム名追加");
    // A new reader finds it.
    RecordingHost fresh;
    clsTotoData data(fresh, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("テストユナイテッド", 900), "ABC");
    // A second addition appends.
    ASSERT_TRUE(basTeamName::AddTeamName(host, dir.Str(), "ﾚｱﾙﾏﾄ", "レアルマドリード"));
    EXPECT_TRUE(basText::FromSjis(dir.Read("SysData/TeamName3.dat"))
                    .ends_with("ABC    = テストユナイテッド\r\nﾚｱﾙﾏﾄ  = レアルマドリード\r\n"));
}

TEST_F(TeamFiles, AddingChecksInOrder)
{
    const auto refuse = [&](std::string_view s, std::string_view l, const std::string& msg) {
        host.Messages.clear();
        EXPECT_FALSE(basTeamName::AddTeamName(host, dir.Str(), s, l)) << msg;
        ASSERT_EQ(host.Messages.size(), 1u) << msg;
        EXPECT_EQ(host.Messages[0].Text, msg);
        EXPECT_EQ(host.Messages[0].Caption, "入力エラー");
        EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
    };
    refuse("  ", "", "略称を入力して下さい。");
    refuse("ABC", " ", "名称を入力して下さい。");
    refuse(" ABCDEF", "新チーム", "略称は6文字以内で入力して下さい。");
    refuse("ABCDEFG", "ガンバ大阪", "略称は6文字以内で入力して下さい。");
    refuse("X", "マンチェスターシティ", "名称(マンチェスターシティ)は既に登録されています。");
    refuse("X", "ガンバ大阪", "名称(ガンバ大阪)は既に登録されています。");
    // Known only to the second table: accepted.
    host.Messages.clear();
    EXPECT_TRUE(basTeamName::AddTeamName(host, dir.Str(), "ﾏﾄﾞﾘｰ", "レアル・マドリード"));
    // Six full-width characters fit.
    EXPECT_TRUE(basTeamName::AddTeamName(host, dir.Str(), "ガンバ大阪Ｕ", "ガンバ大阪U23"));
    refuse("Y", "レアル・マドリード", "名称(レアル・マドリード)は既に登録されています。");
}

TEST_F(TeamFiles, HandEditedUserFileWithoutFinalLineEndKeepsItsLastEntry)
{
    Put("TeamName3.dat", ";user\r\nOLD    = 古いチーム");
    ASSERT_TRUE(basTeamName::AddTeamName(host, dir.Str(), "NEW", "新しいチーム"));
    RecordingHost fresh;
    clsTotoData data(fresh, dir.Str());
    EXPECT_EQ(data.GetShortTeamName("古いチーム", 900), "OLD");
    EXPECT_EQ(data.GetShortTeamName("新しいチーム", 900), "NEW");
}

TEST(basTeamName, EntryLinePadsOrCutsToSixCharacters)
{
    EXPECT_EQ(basTeamName::EntryLine("ABC", "L"), "ABC    = L\r\n");
    EXPECT_EQ(basTeamName::EntryLine("ABCDEFGH", "L"), "ABCDEF = L\r\n");
    EXPECT_EQ(basTeamName::EntryLine("横浜FM", "L"), "横浜FM   = L\r\n");
}
