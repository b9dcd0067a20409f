#include "base/basText.h"
#include "files/clsTClipImport.h"
#include "files/clsTClipboard.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

namespace {
DataFileRecord Record()
{
    DataFileRecord r;
    r.Kaisaikai = 456;
    r.Kumi = "A";
    r.Multi[1][0] = 1; // ◎ on the home win of match 1
    r.Multi[0][0] = 4;
    r.Multi[2][12] = 6;
    r.Jouken.Haitou.Enabled = {false, false, false}; // no payout section unless a test wants one
    return r;
}

ScheduleRecord Schedule()
{
    ScheduleRecord s;
    for (int i = 0; i < 13; ++i) {
        s.Match[i].Home = "浦和";
        s.Match[i].Away = "鹿島";
    }
    s.Match[0].Home = "柏";
    s.Match[0].Away = "横浜FM";
    return s;
}

std::vector<std::string> Lines(const std::string& text)
{
    return basText::SplitLines(text);
}

TEST(ClipboardText, ForecastHeaderMatchLinesAndFooter)
{
    const std::string text = clsTClipboard::ForecastText(Record(), Schedule(), false, "1.00");
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "第 456 回 toto A組");
    EXPECT_EQ(lines[1], basText::Replace(std::string(20, '.'), ".", "―"));
    EXPECT_EQ(lines[2], "Ｎｏ　 Home 　１０２　 Away 　１　０　２");
    // "横浜FM" has half-width letters: every name is widened and cut to three characters.
    EXPECT_EQ(lines[4], "０１　　柏　　◎△－　横浜Ｆ　０：０：０");
    EXPECT_EQ(lines[16], "１３　浦　和　－－☆　鹿　島　０：０：０");
    EXPECT_EQ(lines[18], "システム：Kelvra Version 1.00");
    EXPECT_EQ(lines[19], "圧縮方法：１等保証");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(ClipboardText, CountsAreRightAlignedFullWidth)
{
    DataFileRecord r = Record();
    r.Kumi.clear();
    r.SingleFrame[1][0] = 1234;
    r.SingleFrame[0][0] = 5;
    r.Engine.MsEngine = 5;
    const auto lines = Lines(clsTClipboard::ForecastText(r, ScheduleRecord(), false, "1.00"));
    EXPECT_EQ(lines[0], "第 456 回 toto");
    EXPECT_EQ(basText::Len(lines[1]), 3 * 4 + 17);
    EXPECT_EQ(lines[2], "Ｎｏ　 Home 　１０２　 Away 　　　　１　　　　０　　　　２");
    EXPECT_EQ(lines[4], "０１　？？？　◎△－　？？？　１２３４：　　　５：　　　０");
    EXPECT_EQ(lines[19], "圧縮方法：口数最適化エンジン");
    r.Engine.MsEngine = 7;
    EXPECT_EQ(Lines(clsTClipboard::ForecastText(r, ScheduleRecord(), false, "1.00"))[19],
              "圧縮方法：３等保証 最小口数エンジン");
    r.Engine.MsEngine = 8;
    EXPECT_EQ(Lines(clsTClipboard::ForecastText(r, ScheduleRecord(), false, "1.00"))[19],
              "圧縮方法：予算 的中確率最大エンジン");
    r.Engine.MsEngine = 9;
    EXPECT_EQ(Lines(clsTClipboard::ForecastText(r, ScheduleRecord(), false, "1.00"))[19],
              "圧縮方法：");
}

TEST(ClipboardText, PayoutSection)
{
    DataFileRecord r = Record();
    r.Jouken.Haitou.Enabled[0] = true;
    r.Jouken.Haitou.Flag = {true, true, true};
    r.Jouken.Haitou.Min[1] = Currency::FromInt(100000);
    r.Jouken.Haitou.Min[2] = Currency::FromInt(1500);
    r.Jouken.Haitou.Max[2] = Currency::FromInt(300000000);
    std::string text = clsTClipboard::ConditionText(r);
    EXPECT_EQ(text, "利用投票状況：ユーザー定義\r\n２等当せん金：10万円以上\r\n"
                    "３等当せん金：1,500円 ～ 3億円\r\n\r\n");
    r.VoteTime = DateTime::FromYmdHms(2021, 1, 16, 12, 50, 0);
    r.Jouken.Haitou.Flag[1] = false;
    r.Jouken.Haitou.Min[2] = Currency();
    r.Jouken.Haitou.Max[2] = Currency::FromInt(10000000);
    EXPECT_EQ(clsTClipboard::ConditionText(r),
              "利用投票状況：2021/01/16 12:50\r\n３等当せん金：1,000万円以下\r\n\r\n");
    r.Jouken.Haitou.Max[2] = kHaitouNoLimit; // open on both ends: no line, no section
    EXPECT_EQ(clsTClipboard::ConditionText(r), "");
}

// The limits by the player's own probabilities stand in their own section, whether or not the
// payout limits are in use (the extraction applies them either way).
TEST(ClipboardText, ValueLimitSection)
{
    DataFileRecord r = Record();
    ValueLimits& v = r.Jouken.Value;
    v.EVFlag = true;
    v.EVMin = Currency::FromInt(120);
    v.PFlag = true;
    v.PMax = 0.25;
    EXPECT_EQ(clsTClipboard::ConditionText(r),
              "[自分の確率]\r\n期待値：120円以上\r\n１等確率：0.25以下\r\n\r\n");
    v.EVMax = Currency::FromInt(25000);
    v.PMin = 0.0000125;
    v.PFlag = false;
    EXPECT_EQ(clsTClipboard::ConditionText(r), "[自分の確率]\r\n期待値：120円 ～ 25,000円\r\n\r\n");
    v.EVFlag = false;
    v.PFlag = true;
    EXPECT_EQ(clsTClipboard::ConditionText(r),
              "[自分の確率]\r\n１等確率：1.25e-05 ～ 0.25\r\n\r\n");
    // Open on both ends, or not ticked: no section.
    v.PMin = 0.0;
    v.PMax = 1.0;
    EXPECT_EQ(clsTClipboard::ConditionText(r), "");

    // After the payout section when both are in force.
    v.EVFlag = true;
    r.Jouken.Haitou.Enabled[0] = true;
    r.Jouken.Haitou.Flag[0] = true;
    r.Jouken.Haitou.Min[0] = Currency::FromInt(1000000);
    EXPECT_EQ(clsTClipboard::ConditionText(r),
              "利用投票状況：ユーザー定義\r\n１等当せん金：100万円以上\r\n\r\n"
              "[自分の確率]\r\n期待値：120円 ～ 25,000円\r\n\r\n");
}

TEST(ClipboardText, TableRowsNameTheirRow)
{
    DataFileRecord r = Record();
    auto& e = r.Jouken.Honmei[3];
    e.SetMark(0, 0, kCountDelete);
    e.SetMark(13, 0, kCountDelete);
    e.SetMark(5, 0, kCountTolerate);
    e.SetMark(6, 0, kCountTolerate);
    e.ResultFlags = {true, true, false};
    e.MatchFlags.fill(false);
    e.MatchFlags[0] = e.MatchFlags[1] = e.MatchFlags[2] = e.MatchFlags[6] = true;
    const std::string text = clsTClipboard::ConditionText(r);
    const std::string title = e.RowTitleFor(JoukenKind::Honmei, 0);
    ASSERT_FALSE(title.empty());
    std::string head = " Ａ 　" + title;
    head = basText::LeftB(head, 15);
    head.append(static_cast<std::size_t>(15 - basText::LenB(head)), ' ');
    EXPECT_EQ(text,
              "[本命]\r\n" + head +
                  "：1～4,7～12 (5～6)\r\n Ａ 　------   ：ホーム＋その他：1～3,7試合\r\n\r\n");
    e.RowCaptions[0] = "自分の行";
    EXPECT_NE(clsTClipboard::ConditionText(r).find(" Ａ 　自分の行 ："), std::string::npos);
    e.Applied = false;
    EXPECT_EQ(clsTClipboard::ConditionText(r), "");
}

TEST(ClipboardText, FixedTabsAreNamedInFullWidth)
{
    DataFileRecord r = Record();
    for (std::size_t k = 0; k < 3; ++k) {
        r.Jouken.Ninki[k].SetMark(0, 0, kCountDelete);
        r.Jouken.Ninki[k].RowCaptions[0] = "行";
    }
    const std::string text = clsTClipboard::ConditionText(r);
    EXPECT_NE(text.find("\r\n全て　行"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nＪ１　行"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nＪ２　行"), std::string::npos) << text;
    // Only the user tabs get a scope line.
    EXPECT_EQ(text.find("------"), std::string::npos) << text;
}

TEST(ClipboardText, CorrectionAndExtraction)
{
    DataFileRecord r = Record();
    r.Jouken.MachigaiType = 2;
    r.Jouken.MachigaiList = {true,  true,  false, false, false, false,
                             false, false, false, false, true,  true};
    r.Engine.ChushutsuFlag = true;
    r.SingleCount = 10;
    r.SakugenMessage = "0001 抽出   :    500 →      10 (2.00%)\r\n0002 削減   :    999 →  1\r\n"
                       "0003 抽出   :    400 →      10 (2.50%)\r\n";
    EXPECT_EQ(clsTClipboard::ConditionText(r),
              "[補正]\r\n下の条件間違い数の場合は､許容△の買い目を拡張する\r\n条件間違い数   "
              "：0～1,10～→\r\n\r\n"
              "抽出圧縮：400 → 10口\r\n");
}

TEST(ClipboardText, HelpersFormatListsAndMoney)
{
    EXPECT_EQ(clsTClipboard::NumberList({0, 1, 2, 3, 5, 7, 8, 9}), "0～3,5,7～9");
    EXPECT_EQ(clsTClipboard::NumberList({}), "");
    EXPECT_EQ(clsTClipboard::MoneyText(Currency::FromInt(1500)), "1,500");
    EXPECT_EQ(clsTClipboard::MoneyText(Currency::FromInt(150000)), "15万");
    EXPECT_EQ(clsTClipboard::MoneyText(Currency::FromInt(10000000)), "1,000万");
    EXPECT_EQ(clsTClipboard::MoneyText(Currency::FromInt(300000000)), "3億");
}

TEST(ClipboardCopy, TicketListsAndTheirLimit)
{
    RecordingHost host;
    clsTClipboard clip(host, host, host, "1.00");
    DataFileRecord r = Record();
    clip.Copy(3, r, ScheduleRecord());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(host.Clipboard.empty());

    r.SingleCount = 250;
    for (std::int32_t i = 0; i < 250; ++i) {
        r.Singles.push_back(i * 6000 + 1);
    }
    clip.Copy(3, r, ScheduleRecord());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "クリップボードへコピーしました");
    EXPECT_EQ(host.Clipboard.substr(0, 19), "001:1000000000000\r\n");
    clsTClipImport imp(host);
    std::vector<std::int32_t> back;
    ASSERT_EQ(imp.Import(0, back), 250);
    EXPECT_EQ(back, r.Singles);

    clip.Copy(4, r, ScheduleRecord());
    const auto lines = Lines(host.Clipboard);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].substr(0, 15), "01 1111111111 1");
    EXPECT_EQ(lines[0].size(), 3u + 250 + 25);

    r.SingleCount = 10001;
    r.Singles.resize(10001);
    host.Clipboard = "kept";
    clip.Copy(4, r, ScheduleRecord());
    EXPECT_EQ(host.Messages.back().Text, "1万口以上は出力出来ません");
    EXPECT_EQ(host.Clipboard, "kept");
    clip.Copy(2, r, ScheduleRecord());
    EXPECT_EQ(host.Clipboard, "kept");
}
} // namespace
