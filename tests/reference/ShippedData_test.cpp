// The reference files shipped in data/SysData: encoding, line ends and consistency between them.

#include "base/basText.h"
#include "base/clsIniFile.h"
#include "reference/clsTotoData.h"
#include "support/RecordingHost.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {
const std::string kHome = kelvra_test::SourceDataDir();

std::string ReadBytes(const std::string& name)
{
    std::ifstream f(kHome + "/SysData/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::vector<std::string> Split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::stringstream ss(s);
    std::string item;
    while (std::getline(ss, item, sep)) {
        out.push_back(item);
    }
    return out;
}
} // namespace

TEST(ShippedData, FilesAreCp932WithCrLfOnly)
{
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        const std::string bytes = ReadBytes(name);
        ASSERT_FALSE(bytes.empty()) << name;
        std::string text;
        EXPECT_TRUE(basText::TryFromSjis(bytes, text)) << name;
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
            }
        }
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << name;
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << name;
    }
}

TEST(ShippedData, ShortNamesFitAndLongNamesHaveNoBlanks)
{
    RecordingHost host;
    for (const char* name :
         {"SysData/TeamName.dat", "SysData/TeamName1.dat", "SysData/TeamName2.dat"}) {
        clsIniFile ini(host, kHome);
        ASSERT_TRUE(ini.Initialize(name));
        std::set<std::string> longs;
        for (const auto& [key, value] : ini.Entries()) {
            if (key == "Version" || key == "Revision") {
                continue;
            }
            EXPECT_LE(basText::Len(key), 6) << key;
            EXPECT_EQ(value.find(' '), std::string::npos) << value;
            EXPECT_EQ(value.find("\u3000"), std::string::npos) << value;
            // One long name, one club: a duplicate would hide the second entry.
            EXPECT_TRUE(longs.insert(basText::UCase(value)).second) << name << ": " << value;
        }
    }
    EXPECT_TRUE(host.Messages.empty());
}

TEST(ShippedData, EveryDivisionMemberHasATeamNameAndEachClubOneDivisionAYear)
{
    RecordingHost host;
    clsIniFile teams(host, kHome);
    ASSERT_TRUE(teams.Initialize("SysData/TeamName.dat"));
    clsIniFile j1j2(host, kHome);
    ASSERT_TRUE(j1j2.Initialize("SysData/J1J2.dat"));
    for (int year = 2015; year <= 2026; ++year) {
        std::set<std::string> seen;
        for (int n = 1; n <= 3; ++n) {
            const std::string list =
                j1j2.GetItem(std::to_string(year) + "J" + std::to_string(n), "");
            ASSERT_FALSE(list.empty()) << year << "J" << n;
            const auto clubs = Split(list, ',');
            EXPECT_GE(clubs.size(), n == 3 ? 13u : 18u) << year << "J" << n;
            for (const auto& club : clubs) {
                EXPECT_TRUE(teams.ItemExists(club)) << year << ": " << club;
                EXPECT_TRUE(seen.insert(club).second) << year << ": " << club;
            }
        }
    }
}

TEST(ShippedData, DivisionLookupsOfKnownClubs)
{
    RecordingHost host;
    const clsTotoData data(host, kHome);
    EXPECT_EQ(data.GetShortToJ1J2String("鹿島", 2021), "J1");
    EXPECT_EQ(data.GetShortToJ1J2String("磐田", 2021), "J2");
    EXPECT_EQ(data.GetShortToJ1J2String("磐田", 2022), "J1");
    EXPECT_EQ(data.GetShortToJ1J2String("いわき", 2022), "J3");
    // Two clubs of one prefecture must not be confused by the substring search.
    EXPECT_EQ(data.GetShortToJ1J2String("栃木SC", 2025), "J3");
    EXPECT_EQ(data.GetShortToJ1J2String("C大阪", 2023), "J1");
    EXPECT_EQ(data.GetTeamName2Version(), "1.0");
    EXPECT_TRUE(host.Messages.empty());
}

TEST(ShippedData, LongNamesResolveInBothWidths)
{
    RecordingHost host;
    clsTotoData data(host, kHome);
    EXPECT_EQ(data.GetShortTeamName("ガンバ大阪", 1500), "G大阪");
    EXPECT_EQ(data.GetShortTeamName("横浜Ｆ・マリノス", 1500), "横浜FM");
    EXPECT_EQ(data.GetShortTeamName("横浜F・マリノス", 1500), "横浜FM");
    EXPECT_EQ(data.GetShortTeamName("北海道コンサドーレ札幌", 1500), "札幌");
    EXPECT_EQ(data.GetShortTeamName("マンチェスター・シティ", 700), "ﾏﾝC");
    EXPECT_EQ(data.GetShortTeamName("マンチェスター・シティ", 1500), "ﾏﾝC");
    EXPECT_TRUE(host.Messages.empty());
}
