#include "app/basStatusBar.h"
#include "app/clsDocument.h"
#include "base/basText.h"
#include "files/clsTFileDRD.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "store/clsXmlVote.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace {
class Document : public ::testing::Test
{
protected:
    Document()
    {
        CopySampleWork(dir.Path());
        main.Initialize();
    }
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
};

TEST_F(Document, RunOfTheSampleFillsSetFramesAndCounters)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    EXPECT_EQ(doc.Round().Kaisaikai(), 9001);
    EXPECT_EQ(doc.Round().Schedule().Match[0].Home, "鹿島"); // the round was loaded from the store
    EXPECT_EQ(doc.Round().Vote().Kaisaikai, 9001);
    EXPECT_EQ(doc.Title(), " Drovane  Kelvra - [sample.drd]");
    doc.Search().Run();
    ASSERT_GT(doc.Tickets().SingleCount(), 0);
    EXPECT_TRUE(std::is_sorted(doc.Tickets().Singles().begin(), doc.Tickets().Singles().end()));
    EXPECT_EQ(doc.GatherRecord().MsSingleCount, doc.Tickets().SingleCount());
    EXPECT_EQ(doc.GatherRecord().MsSingleFrame, doc.Tickets().SingleFrame());
    std::int32_t rowSum = 0;
    for (int k = 0; k < 3; ++k) {
        rowSum += doc.Tickets().SingleFrame()[k][0];
    }
    EXPECT_EQ(rowSum, doc.Tickets().SingleCount());
    EXPECT_GT(doc.GatherRecord().MsTousen[0], 0);
    const auto& lines = doc.Search().Log().Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find("該当するパターンは"), std::string::npos);

    // No marks: nothing remains, and the counters are not the previous run's.
    ASSERT_TRUE(doc.Marks().SetMarks(MarkArray{}));
    doc.Search().Run();
    EXPECT_EQ(doc.Tickets().SingleCount(), 0);
    EXPECT_EQ(doc.GatherRecord().MsTousen, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(doc.Tickets().SingleFrame(), SingleFrame{});
}

TEST_F(Document, SavedWorkLoadsBackTheSame)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    doc.Search().Run();
    const DataFileRecord before = doc.GatherRecord();
    ASSERT_TRUE(doc.FileSaveDRD(Path("out.drd"), true, true));
    EXPECT_EQ(doc.CurrentFile(), Path("out.drd"));
    doc.New();
    EXPECT_EQ(doc.Tickets().SingleCount(), 0);
    EXPECT_EQ(doc.CurrentFile(), "");
    ASSERT_TRUE(doc.FileLoadDRD(Path("out.drd"), true, true));
    DataFileRecord after = doc.GatherRecord();
    EXPECT_EQ(after.Singles, before.Singles);
    EXPECT_EQ(after.Multi, before.Multi);
    EXPECT_EQ(after.MsTousen, before.MsTousen);
    EXPECT_EQ(after.Engine, before.Engine);
    EXPECT_EQ(after.SakugenMessage, before.SakugenMessage);
    EXPECT_EQ(after.Vote, before.Vote);
    EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
}

TEST_F(Document, BrokenFileLeavesTheWorkAsItWas)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    doc.Search().Run();
    const DataFileRecord before = doc.GatherRecord();
    std::string text = basText::FromSjis(dir.Read("sample.drd"));
    text.replace(text.find("Honmei.3 = "), 11, "Honmei.x = ");
    dir.Write("broken.drd", basText::ToSjis(text));
    EXPECT_FALSE(doc.FileLoadDRD(Path("broken.drd"), true, true));
    EXPECT_EQ(rec.Messages.back().Text, "ファイルの読込に失敗しました。");
    EXPECT_EQ(doc.GatherRecord(), before);
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));

    dir.Write("other.drd", "just text\r\n");
    EXPECT_FALSE(doc.FileLoadDRD(Path("other.drd"), true, true));
    EXPECT_EQ(rec.Messages.back().Text, "Kelvraのファイルではありません。");
    EXPECT_EQ(rec.Messages.back().Caption, "ファイルタイプ警告");
    EXPECT_EQ(doc.GatherRecord(), before);
    const std::size_t shown = rec.Messages.size();
    EXPECT_FALSE(doc.FileLoadDRD(Path("other.drd"), true, false));
    // Without dialogs not even the type check's own box: a batch run would wait on it.
    EXPECT_EQ(rec.Messages.size(), shown);
    EXPECT_FALSE(doc.LastFailure().empty());
}

// A data file cut before its count, stopped there by a NUL, or in another encoding used to
// load as an empty set (or without its vote status) over the work.
TEST_F(Document, DamagedDataFileLeavesTheWorkAndTheFileAsTheyWere)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    doc.Search().Run();
    ASSERT_GT(doc.Tickets().SingleCount(), 0);
    ASSERT_TRUE(doc.FileSaveDRD(Path("run.drd"), true, true));
    const DataFileRecord before = doc.GatherRecord();
    const std::string good = dir.Read("run.drd");
    const std::size_t count = good.find("\r\nSingleCount = ") + 2;
    std::string nul = good;
    nul[count] = '\0';
    for (const std::string& bytes : {good.substr(0, count), nul, basText::FromSjis(good)}) {
        dir.Write("bad.drd", bytes);
        const std::size_t shown = rec.Messages.size();
        EXPECT_FALSE(doc.FileLoadDRD(Path("bad.drd"), true, true));
        ASSERT_EQ(rec.Messages.size(), shown + 2);
        EXPECT_NE(rec.Messages[shown].Text.find(Path("bad.drd") + " "), std::string::npos)
            << rec.Messages[shown].Text;
        EXPECT_EQ(doc.GatherRecord(), before);
        EXPECT_EQ(doc.CurrentFile(), Path("run.drd"));
        EXPECT_EQ(dir.Read("bad.drd"), bytes);
    }
}

// A singles block short of its count used to load with the missing singles as ticket 0.
TEST_F(Document, SinglesBlockShortOfItsCountLeavesTheWorkAsItWas)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    doc.Search().Run();
    ASSERT_GT(doc.Tickets().SingleCount(), 1);
    ASSERT_TRUE(doc.FileSaveDRD(Path("run.drd"), true, true));
    const DataFileRecord before = doc.GatherRecord();
    std::string text = basText::FromSjis(dir.Read("run.drd"));
    const std::size_t end = text.find("</SingleData>");
    const std::size_t last = text.rfind("\r\n", end - 3) + 2;
    text.erase(last, end - last); // the last single's line
    dir.Write("short.drd", basText::ToSjis(text));
    const std::size_t shown = rec.Messages.size();
    EXPECT_FALSE(doc.FileLoadDRD(Path("short.drd"), true, true));
    ASSERT_EQ(rec.Messages.size(), shown + 2);
    EXPECT_EQ(rec.Messages.back().Text, "ファイルの読込に失敗しました。");
    EXPECT_NE(rec.Messages[shown].Text.find("SingleCount は " +
                                            std::to_string(doc.Tickets().SingleCount())),
              std::string::npos);
    EXPECT_EQ(doc.GatherRecord(), before);
}

TEST_F(Document, ConditionsFileReplacesOnlyTheConditions)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    doc.Search().Run();
    ASSERT_TRUE(doc.FileSaveDRD(Path("c.drj"), false, true));
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd")); // a conditions file never becomes current
    const DataFileRecord before = doc.GatherRecord();
    ConditionSetRecord edited = doc.GatherRecord().Jouken;
    edited.MachigaiType = 2;
    edited.Honmei[0].SetMark(6, 0, kCountDelete);
    ASSERT_TRUE(
        doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(edited); }));
    ASSERT_TRUE(doc.FileLoadDRD(Path("c.drj"), false, true));
    const DataFileRecord after = doc.GatherRecord();
    EXPECT_EQ(after.Jouken, before.Jouken);
    EXPECT_EQ(after.Singles, before.Singles);
    EXPECT_EQ(after.Multi, before.Multi);
    EXPECT_FALSE(doc.FileLoadDRD(Path("sample.drd"), false, true)); // a data file is no drj
}

TEST_F(Document, FailedSaveStillNamesTheFile)
{
    std::filesystem::create_directories(dir.Path() / "taken" / "x");
    EXPECT_FALSE(doc.FileSaveDRD(Path("taken"), true, false));
    EXPECT_EQ(doc.CurrentFile(), Path("taken"));
    EXPECT_EQ(doc.Title(), " Drovane  Kelvra - [taken]");
}
} // namespace

namespace {
TEST_F(Document, SameSeedSameRun)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    EngineSettingsRecord settings = doc.Conditions().EngineSettings();
    settings.ChushutsuFlag = true; // the random extraction after the compression
    settings.ChushutsuCount = 50;
    ASSERT_TRUE(doc.Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(settings); }));
    doc.Search().Run();
    const std::vector<std::int32_t> first = doc.Tickets().Singles();
    const std::vector<std::string> log = doc.Search().Log().Lines();
    clsDocument again(host, main, 42);
    ASSERT_TRUE(again.FileLoadDRD(Path("sample.drd"), true, true));
    ASSERT_TRUE(again.Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(doc.Conditions().EngineSettings()); }));
    again.Search().Run();
    EXPECT_EQ(again.Tickets().Singles(), first);
    EXPECT_EQ(again.Tickets().SingleCount(), 50);
    EXPECT_EQ(again.Search().Log().Lines().size(), log.size());
}
} // namespace

namespace {
TEST_F(Document, OldFilesTakeTheArchivedVoteSnapshot)
{
    const std::string v4 = ";Drovane Data File (.drd)\r\n;old\r\n\r\nSoftware    = Kelvra\r\n"
                           "SoftVersion = 0.90\r\nDataType    = toto\r\nDataVersion = 4\r\n\r\n"
                           "Kaisaikai = 9002\r\nVoteTime = 2026/12/10\r\n";
    dir.Write("old.drd", v4);
    // Without a snapshot the vote stays as the round controller loaded it.
    ASSERT_TRUE(doc.FileLoadDRD(Path("old.drd"), true, true)) << rec.AllMessageText();
    EXPECT_EQ(doc.Round().Kaisaikai(), 9002);
    EXPECT_EQ(doc.Round().Vote(), main.Vote());
    EXPECT_EQ(doc.Round().Vote().Kaisaikai, 9002);

    clsXmlVote snap(rec, dir.Str());
    VoteRecord old = main.Vote();
    old.AsOf = DateTime::FromYmdHms(2026, 12, 10, 9, 0, 0);
    old.Match[0].Rate = {Currency::FromInt(10), Currency::FromInt(80), Currency::FromInt(10)};
    snap.SetRecord(old);
    ASSERT_TRUE(snap.XmlSave((dir.Path() / "SysData/Vote/vote_9002_2026-12-10.xml").string()));
    ASSERT_TRUE(doc.FileLoadDRD(Path("old.drd"), true, true));
    EXPECT_EQ(doc.Round().Vote().Match[0].Rate[1], Currency::FromInt(80));
    EXPECT_EQ(doc.Round().Vote().AsOf, old.AsOf);
}
} // namespace

namespace {
// The sample with each "Key = ..." line of the list replaced by "Key = value".
std::string SampleWith(const TempDir& dir,
                       const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::string text = basText::FromSjis(dir.Read("sample.drd"));
    for (const auto& [key, value] : keys) {
        const std::size_t at = text.find("\r\n" + key + " = ");
        EXPECT_NE(at, std::string::npos) << key;
        const std::size_t end = text.find("\r\n", at + 2);
        text.replace(at + 2, end - at - 2, key + " = " + value);
    }
    return basText::ToSjis(text);
}

TEST_F(Document, LoadedEngineSettingsTakeTheBoxRanges)
{
    dir.Write("wild.drd", SampleWith(dir, {{"MsEngine", "4"},
                                           {"BeginCount", "2147483647"},
                                           {"EndCount", "0"},
                                           {"EndTime", "-1"},
                                           {"SeBeginCount", "-3"},
                                           {"SeEndTime", "12345"},
                                           {"ChushutsuCount", "0"},
                                           {"ChushutsuType", "3"}}));
    ASSERT_TRUE(doc.FileLoadDRD(Path("wild.drd"), true, false)) << rec.AllMessageText();
    const EngineSettingsRecord& s = doc.Conditions().EngineSettings();
    EXPECT_EQ(s.BeginCount, 9999);
    EXPECT_EQ(s.EndCount, 1);
    EXPECT_EQ(s.EndTime, 0); // -1 means no limit, and so does 0
    EXPECT_EQ(s.SeBeginCount, 1);
    EXPECT_EQ(s.SeEndTime, 9999);
    EXPECT_EQ(s.ChushutsuCount, 1);
    // Option groups, not boxes: kept as read.
    EXPECT_EQ(s.MsEngine, 4);
    EXPECT_EQ(s.ChushutsuType, 3);

    // Values inside the ranges, the ends included, come back unchanged, byte for byte.
    dir.Write("edges.drd", SampleWith(dir, {{"BeginCount", "9999"},
                                            {"EndCount", "1"},
                                            {"EndTime", "0"},
                                            {"SeBeginCount", "1"},
                                            {"SeEndTime", "9999"},
                                            {"ChushutsuCount", "9999"}}));
    ASSERT_TRUE(doc.FileLoadDRD(Path("edges.drd"), true, false));
    ASSERT_TRUE(doc.FileSaveDRD(Path("edges2.drd"), true, false));
    EXPECT_TRUE(dir.Read("edges2.drd") == dir.Read("edges.drd")) << "saved differently";
}

TEST_F(Document, EngineWithoutMemoryFailsTheRunAndSaysWhy)
{
    dir.Write("trial.drd", SampleWith(dir, {{"MsEngine", "2"}, {"BeginCount", "50"}}));
    ASSERT_TRUE(doc.FileLoadDRD(Path("trial.drd"), true, false));
    doc.Conditions().SetEngineCacheLimit(20);
    EXPECT_FALSE(doc.Search().Run());
    EXPECT_EQ(doc.LastFailure(), "圧縮に失敗しました。 メモリが不足しています。 ( 7 )");
    ASSERT_FALSE(rec.Messages.empty());
    EXPECT_EQ(rec.Messages.back().Caption, "Cache Initialize Err"); // still shown as a box

    EngineSettingsRecord fast = doc.Conditions().EngineSettings();
    fast.MsEngine = 1; // the fast search needs no cache
    ASSERT_TRUE(
        doc.Conditions().EditEngineSettings([&](clsEnginePanels& panels) { panels.Apply(fast); }));
    EXPECT_TRUE(doc.Search().Run());
    EXPECT_GT(doc.Tickets().SingleCount(), 0);
    EXPECT_EQ(doc.LastFailure(), "");
}

TEST_F(Document, ACompressionThatKeepsNothingFailsAndKeepsTheSet)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    ASSERT_TRUE(doc.Search().Run());
    const std::vector<std::int32_t> kept = doc.Tickets().Singles();
    const auto tousen = doc.GatherRecord().MsTousen;
    ASSERT_FALSE(kept.empty());

    // One ticket cannot cover the sample's singles: the trial search runs out of its second.
    EngineSettingsRecord trial = doc.Conditions().EngineSettings();
    trial.MsEngine = 2;
    trial.BeginCount = 1;
    trial.EndTime = 1;
    ASSERT_TRUE(
        doc.Conditions().EditEngineSettings([&](clsEnginePanels& panels) { panels.Apply(trial); }));
    rec.TickPerDoEvents = 100;
    EXPECT_FALSE(doc.Search().Run());
    EXPECT_EQ(doc.LastFailure(), "圧縮に失敗しました。 1口では保証を満たす組み合わせが見つからない"
                                 "ため、圧縮を中止しました。開始口数を増やして下さい");
    EXPECT_EQ(doc.Tickets().Singles(), kept);
    EXPECT_EQ(doc.Tickets().SingleCount(), static_cast<std::int32_t>(kept.size()));
    EXPECT_EQ(doc.GatherRecord().MsSingleCount, static_cast<std::int32_t>(kept.size()));
    EXPECT_EQ(doc.GatherRecord().MsTousen, tousen);
    EXPECT_FALSE(doc.Search().Running());
}

TEST_F(Document, FailuresWithoutDialogsStillTellWhy)
{
    const std::size_t quiet = rec.Messages.size();
    dir.Write("other.drd", "just text\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    EXPECT_FALSE(doc.FileLoadDRD(Path("other.drd"), true, false));
    EXPECT_EQ(doc.LastFailure(), "Kelvraのファイルではありません。");

    std::string text = basText::FromSjis(dir.Read("sample.drd"));
    text.replace(text.find("Honmei.3 = "), 11, "Honmei.x = ");
    dir.Write("broken.drd", basText::ToSjis(text));
    EXPECT_FALSE(doc.FileLoadDRD(Path("broken.drd"), true, false));
    EXPECT_TRUE(doc.LastFailure().starts_with("ファイルの読込に失敗しました。 "))
        << doc.LastFailure();
    EXPECT_GT(doc.LastFailure().size(), std::string("ファイルの読込に失敗しました。 ").size());
    // A file the reader stops in at once: told to the trail, never in a box that would hold a
    // batch run up.
    dir.Write("short.drd", "no data\r\n");
    EXPECT_FALSE(doc.FileLoadDRD(Path("short.drd"), true, false));
    EXPECT_FALSE(doc.LastFailure().empty());
    EXPECT_EQ(rec.Messages.size(), quiet) << rec.AllMessageText();

    // A save without dialogs shows nothing, yet its reason is kept.
    std::filesystem::create_directories(dir.Path() / "taken" / "x");
    const std::size_t shown = rec.Messages.size();
    EXPECT_FALSE(doc.FileSaveDRD(Path("taken"), true, false));
    EXPECT_EQ(rec.Messages.size(), shown);
    const std::string reason = doc.LastFailure();
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(doc.FileSaveDRD(Path("taken"), true, true));
    ASSERT_EQ(rec.Messages.size(), shown + 1);
    EXPECT_EQ(rec.Messages.back().Text, reason);

    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, false));
    EXPECT_EQ(doc.LastFailure(), "");
}
TEST_F(Document, StopDuringTheExtractionIsToldApartFromAStoppedSearch)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    // The first events processed follow the expansion of the multi, before the first pass.
    rec.OnDoEvents = [&](std::int64_t n) {
        if (n == 1) {
            doc.Search().Cancel();
        }
    };
    doc.Search().Run();
    EXPECT_TRUE(doc.Search().RunStoppedInExtraction());
    EXPECT_EQ(doc.Tickets().SingleCount(), 0);
    rec.OnDoEvents = nullptr;
    doc.Search().Run();
    EXPECT_FALSE(doc.Search().RunStoppedInExtraction());
    EXPECT_GT(doc.Tickets().SingleCount(), 0);
}

} // namespace

TEST_F(Document, OwnProbabilitiesAreSetCheckedSavedAndCleared)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    EXPECT_FALSE(doc.Round().Probability().has_value()); // the sample has none
    int changed = 0;
    const clsSubscription sub = doc.SubscribeChanged([&](std::uint32_t) { ++changed; });
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[0][m] = 2500;
        p.Value[1][m] = 5000;
        p.Value[2][m] = 2500;
    }
    ASSERT_TRUE(doc.Round().SetProbability(p));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(doc.GatherRecord().Probability, p);

    ProbabilityRecord bad = p;
    bad.Value[2][8] = 2501;
    EXPECT_FALSE(doc.Round().SetProbability(bad));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(doc.Round().Probability(), p);
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_NE(rec.Messages[0].Text.find("9試合目の確率の合計が 10001"), std::string::npos);

    ASSERT_TRUE(doc.FileSaveDRD(Path("own.drd"), true, true));
    doc.New();
    EXPECT_FALSE(doc.Round().Probability().has_value());
    ASSERT_TRUE(doc.FileLoadDRD(Path("own.drd"), true, true));
    EXPECT_EQ(doc.Round().Probability(), p);
    // A file without them leaves none, not the ones of the work before.
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    EXPECT_FALSE(doc.Round().Probability().has_value());
    ASSERT_TRUE(doc.Round().SetProbability(p));
    ASSERT_TRUE(doc.Round().SetProbability(std::nullopt));
    EXPECT_FALSE(doc.GatherRecord().Probability.has_value());
}

namespace {
// Every listener hears which parts a command changed, and reads the new state when told.
TEST_F(Document, CommandsTellEveryListenerWhatChanged)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    std::vector<std::uint32_t> first;
    std::vector<std::uint32_t> second;
    std::vector<std::string> titles;
    const clsSubscription a = doc.SubscribeChanged([&](std::uint32_t parts) {
        first.push_back(parts);
        titles.push_back(doc.Title());
    });
    const clsSubscription b =
        doc.SubscribeChanged([&](std::uint32_t parts) { second.push_back(parts); });

    MarkArray marks{};
    marks[1][0] = 1;
    ASSERT_TRUE(doc.Marks().SetMarks(marks));
    EXPECT_EQ(doc.Marks().Multi().Value(), marks);
    ConditionSetRecord jouken = doc.GatherRecord().Jouken;
    jouken.MachigaiType = 1;
    ASSERT_TRUE(
        doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(jouken); }));
    EXPECT_EQ(doc.GatherRecord().Jouken.MachigaiType, 1);
    EngineSettingsRecord settings = doc.Conditions().EngineSettings();
    settings.BeginCount = 77;
    ASSERT_TRUE(doc.Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(settings); }));
    EXPECT_EQ(doc.Conditions().EngineSettings().BeginCount, 77);
    VoteRecord vote = doc.Round().Vote();
    vote.AsOf = DateTime{};
    ASSERT_TRUE(doc.Round().SetVote(vote));
    EXPECT_NE(basStatusBar::Text(doc.Round().RoundLabel(), doc.Round().Vote()).find("ユーザー定義"),
              std::string::npos);
    ASSERT_TRUE(doc.Tickets().SetSingles({1, 2, 3}));
    EXPECT_EQ(doc.Tickets().SingleCount(), 3);
    ASSERT_TRUE(doc.FileSaveDRD(Path("named.drd"), true, false));

    using D = clsDocument;
    // The ticket set and the save each hold the work lock, told as it is set and cleared.
    const std::vector<std::uint32_t> expected{
        D::PartMulti,    D::PartConditions, D::PartEngineSettings, D::PartVote,     D::PartRunState,
        D::PartRunState, D::PartSingles,    D::PartRunState,       D::PartRunState, D::PartFile};
    EXPECT_EQ(first, expected);
    EXPECT_EQ(second, expected);
    EXPECT_EQ(titles.back(), " Drovane  Kelvra - [named.drd]");

    // A conditions file touches the conditions alone; a data file all of the work.
    first.clear();
    ASSERT_TRUE(doc.FileSaveDRD(Path("c.drj"), false, false));
    ASSERT_TRUE(doc.FileLoadDRD(Path("c.drj"), false, false));
    EXPECT_EQ(first, (std::vector<std::uint32_t>{D::PartRunState, D::PartRunState, D::PartRunState,
                                                 D::PartRunState, D::PartConditions}));
    first.clear();
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, false));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), static_cast<std::uint32_t>(D::PartAll));
}

TEST_F(Document, FollowsTheRoundControllerBesideOtherListeners)
{
    std::vector<std::int32_t> view; // a round view following the same controller
    const clsSubscription viewSub = main.SubscribeKaisaikaiChange(
        [&](std::int32_t lngKaisaikai, const std::string&) { view.push_back(lngKaisaikai); });
    std::vector<std::uint32_t> parts;
    const clsSubscription sub =
        doc.SubscribeChanged([&](std::uint32_t lngParts) { parts.push_back(lngParts); });

    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    EXPECT_EQ(main.Kaisaikai(), 9001);
    EXPECT_EQ(doc.Round().Kaisaikai(), 9001);
    EXPECT_EQ(doc.Round().Schedule().Match[0].Home, "鹿島");
    EXPECT_EQ(doc.Round().RoundLabel(), " 第 9001 回 ");
    main.SetKaisaikai(9002); // the round box drives the controller directly
    EXPECT_EQ(doc.Round().Kaisaikai(), 9002);
    EXPECT_EQ(view, (std::vector<std::int32_t>{9001, 9002}));
    EXPECT_EQ(parts, (std::vector<std::uint32_t>{clsDocument::PartRound | clsDocument::PartVote,
                                                 clsDocument::PartRound | clsDocument::PartVote}));
}

// The multi grid's vote-order command used to find no vote: nothing ever gave it one.
TEST_F(Document, MarksByVoteOrderFromTheRoundsVote)
{
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    ASSERT_EQ(doc.Round().Vote().Kaisaikai, 9001);
    ASSERT_TRUE(doc.Marks().MultiMarkByVoteOrder());
    for (int m = 0; m < 13; ++m) {
        std::array<std::int32_t, 3> column{doc.Marks().Multi().Value()[0][m],
                                           doc.Marks().Multi().Value()[1][m],
                                           doc.Marks().Multi().Value()[2][m]};
        std::sort(column.begin(), column.end());
        EXPECT_EQ(column, (std::array<std::int32_t, 3>{1, 2, 3})) << "match " << m + 1;
    }

    // Menus go through the chooser; a header click with none shown leaves the marks.
    const MarkArray before = doc.Marks().Multi().Value();
    ScriptedMenuChooser chooser;
    doc.SetMenuChooser(&chooser);
    ASSERT_TRUE(doc.Marks().MultiMouseDown(clsTMulti::Button::Right, 0, 0));
    EXPECT_EQ(chooser.Shown().size(), 1u);
    EXPECT_EQ(doc.Marks().Multi().Value(), before);
    ASSERT_TRUE(doc.Marks().MultiMarkAll(0));
    EXPECT_NE(doc.Marks().Multi().Value(), before);
}

// A run reads the work while it pumps the window's events: nothing may change it meanwhile.
TEST_F(Document, WorkCannotBeChangedDuringARun)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    const DataFileRecord before = doc.GatherRecord();
    std::vector<std::pair<std::uint32_t, bool>> told;
    const clsSubscription sub = doc.SubscribeChanged(
        [&](std::uint32_t parts) { told.emplace_back(parts, doc.Search().Running()); });
    bool tried = false;
    std::vector<bool> accepted;
    std::string failure;
    rec.OnDoEvents = [&](std::int64_t) {
        if (tried) {
            return;
        }
        tried = true;
        EXPECT_FALSE(doc.CanEdit());
        accepted = {doc.Marks().SetMarks(MarkArray{}),
                    doc.Conditions().EditJouken(
                        [&](clsJoukenPanels& panels) { panels.Apply(ConditionSetRecord{}); }),
                    doc.Conditions().EditJouken([](clsJoukenPanels& p) { p.Clear(); }),
                    doc.Conditions().SetJoukenPage(1),
                    doc.Conditions().EditEngineSettings(
                        [&](clsEnginePanels& panels) { panels.Apply(EngineSettingsRecord{}); }),
                    doc.Round().SetVote(VoteRecord{}),
                    doc.Round().SetProbability(std::nullopt),
                    doc.Tickets().SetSingles({}),
                    doc.Round().SetKaisaikai(9002),
                    doc.New(),
                    doc.FileLoadDRD(Path("sample.drd"), true, false),
                    doc.FileSaveDRD(Path("mid.drd"), true, false)};
        failure = doc.LastFailure();
    };
    ASSERT_TRUE(doc.Search().Run());
    ASSERT_TRUE(tried);
    EXPECT_EQ(accepted, std::vector<bool>(12, false));
    EXPECT_EQ(failure, std::string(clsDocument::kBusyWarning));
    EXPECT_FALSE(std::filesystem::exists(Path("mid.drd")));
    EXPECT_EQ(main.Kaisaikai(), 9001);
    const DataFileRecord after = doc.GatherRecord();
    EXPECT_EQ(after.Multi, before.Multi);
    EXPECT_EQ(after.Jouken, before.Jouken);
    EXPECT_EQ(after.Engine, before.Engine);
    EXPECT_EQ(after.Vote, before.Vote);
    EXPECT_EQ(doc.CurrentFile(), Path("sample.drd"));
    EXPECT_GT(doc.Tickets().SingleCount(), 0);

    // The listeners heard the run start while it ran, and its end once it no longer did.
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0], std::make_pair(static_cast<std::uint32_t>(clsDocument::PartRunState), true));
    EXPECT_EQ(told[1].first,
              clsDocument::PartSingles | clsDocument::PartLog | clsDocument::PartRunState);
    EXPECT_FALSE(told[1].second);
    EXPECT_TRUE(doc.CanEdit());
    rec.OnDoEvents = nullptr;
    EXPECT_TRUE(doc.Marks().SetMarks(MarkArray{}));
}

// The run hands the own probabilities to the extraction's limits and to the weighted draw.
TEST_F(Document, RunUsesTheOwnProbabilitiesInTheLimitsAndTheWeightedDraw)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true)) << rec.AllMessageText();
    ProbabilityRecord p;
    for (std::size_t m = 0; m < 13; ++m) {
        p.Value[0][m] = 2500;
        p.Value[1][m] = 5000;
        p.Value[2][m] = 2500;
    }
    p.Value[1][0] = 7500; // the draw of match 1 cannot happen
    p.Value[0][0] = 0;
    ASSERT_TRUE(doc.Round().SetProbability(p));
    EngineSettingsRecord settings = doc.Conditions().EngineSettings();
    settings.MsEngine = 0;
    settings.ChushutsuFlag = false;
    ASSERT_TRUE(doc.Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(settings); }));
    ASSERT_TRUE(doc.Search().Run()) << rec.AllMessageText();
    ASSERT_TRUE(std::any_of(doc.Tickets().Singles().begin(), doc.Tickets().Singles().end(),
                            [](std::int32_t s) { return s % 3 == 0; }))
        << "the sample's multi must hold the draw of match 1 for this test to mean anything";
    ConditionSetRecord jouken = doc.GatherRecord().Jouken;
    jouken.Value.PFlag = true;
    jouken.Value.PMin = 1e-300;
    ASSERT_TRUE(
        doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(jouken); }));
    ASSERT_TRUE(doc.Search().Run()) << rec.AllMessageText();
    ASSERT_GT(doc.Tickets().SingleCount(), 0);
    for (const std::int32_t s : doc.Tickets().Singles()) {
        ASSERT_NE(s % 3, 0) << "kept a single whose draw in match 1 cannot happen";
    }
    EXPECT_NE(doc.Search().Log().Text().find("１等確率"), std::string::npos);

    jouken.Value.PFlag = false;
    ASSERT_TRUE(
        doc.Conditions().EditJouken([&](clsJoukenPanels& panels) { panels.Apply(jouken); }));
    settings.ChushutsuFlag = true;
    settings.ChushutsuCount = 5;
    settings.ChushutsuType = clsTMsEngine::kChushutsuByProbability;
    ASSERT_TRUE(doc.Conditions().EditEngineSettings(
        [&](clsEnginePanels& panels) { panels.Apply(settings); }));
    ASSERT_TRUE(doc.Search().Run()) << rec.AllMessageText();
    ASSERT_EQ(doc.Tickets().SingleCount(), 5);
    for (const std::int32_t s : doc.Tickets().Singles()) {
        EXPECT_NE(s % 3, 0) << "drew a single whose draw in match 1 cannot happen";
    }
    EXPECT_EQ(doc.Search().Log().Text().find("自分の確率がない"), std::string::npos);
}
} // namespace

namespace {
// The sample data file with its round or vote block changed, saved under name.
std::string SaveSample(const clsHost& host, const TempDir& dir, const std::string& name,
                       const std::function<void(DataFileRecord&)>& change)
{
    clsTFileDRD file(host, "1.00", "");
    DataFileRecord r;
    EXPECT_TRUE(file.Load((dir.Path() / "sample.drd").string(), r));
    change(r);
    const std::string path = (dir.Path() / name).string();
    EXPECT_TRUE(file.Save(path, true, r, false));
    return path;
}

// A vote block of round 9001 in a file of round 198 priced the tickets by round 9001's rules
// while grading went by 198's. The file's round decides; the foreign status is told and dropped.
TEST_F(Document, VoteStatusOfAnotherRoundIsToldAndNotUsed)
{
    const std::string path =
        SaveSample(host, dir, "foreign.drd", [](DataFileRecord& r) { r.Kaisaikai = 198; });
    ASSERT_TRUE(doc.FileLoadDRD(path, true, true)) << rec.AllMessageText();
    EXPECT_EQ(doc.Round().Kaisaikai(), 198);
    EXPECT_EQ(doc.Round().Vote(), VoteRecord{});
    ASSERT_EQ(rec.Messages.size(), 1u);
    EXPECT_EQ(rec.Messages[0].Icon, MsgIcon::Warning);
    EXPECT_NE(rec.Messages[0].Text.find(
                  "投票状況の開催回 (9001) がデータファイルの開催回 (198) と異なります。"),
              std::string::npos)
        << rec.Messages[0].Text;
    // Saved again, the file holds no foreign status and opens without a word.
    ASSERT_TRUE(doc.FileSaveDRD(path, true, true)) << rec.AllMessageText();
    rec.Messages.clear();
    ASSERT_TRUE(doc.FileLoadDRD(path, true, false));
    EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
    EXPECT_EQ(doc.Round().Vote(), VoteRecord{});

    // A block without a round belongs to any round, and one of the file's own round is kept.
    const std::string empty = SaveSample(host, dir, "empty.drd", [](DataFileRecord& r) {
        r.Kaisaikai = 198;
        r.Vote = VoteRecord{};
    });
    ASSERT_TRUE(doc.FileLoadDRD(empty, true, true));
    EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    EXPECT_TRUE(rec.Messages.empty()) << rec.AllMessageText();
    EXPECT_EQ(doc.Round().Vote().Kaisaikai, 9001);
}

// An older data file has no vote block: its vote status must not be the one of the work open
// before it, another round's, which a save would then write as its own. (A newer file without
// its block is refused by the reader.)
TEST_F(Document, FileWithoutAVoteBlockTakesNoneFromTheWorkBefore)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    ASSERT_EQ(doc.Round().Vote().Kaisaikai, 9001);
    const std::string path =
        SaveSample(host, dir, "noblock.drd", [](DataFileRecord& r) { r.Kaisaikai = 9002; });
    std::string text = dir.Read("noblock.drd");
    const std::string open = basText::ToSjis("<投票状況>");
    const std::string close = basText::ToSjis("</投票状況>\r\n");
    const std::size_t from = text.find(open);
    const std::size_t to = text.find(close);
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos);
    text.erase(from, to + close.size() - from);
    const std::size_t version = text.find("DataVersion = 6");
    ASSERT_NE(version, std::string::npos);
    text.replace(version, 15, "DataVersion = 4");
    dir.Write("noblock.drd", text);
    ASSERT_TRUE(doc.FileLoadDRD(path, true, true)) << rec.AllMessageText();
    EXPECT_EQ(doc.Round().Kaisaikai(), 9002);
    EXPECT_NE(doc.Round().Vote().Kaisaikai, 9001);
    EXPECT_NE(doc.GatherRecord().Vote.Kaisaikai, 9001);
}

// The value of a set counts the grades the work's round pays, whatever round the vote status
// in use names: round 198 pays two.
TEST_F(Document, ValueCountsTheGradesOfTheWorksRound)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, true));
    const VoteRecord vote = doc.Round().Vote();
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[0][m] = 2500;
        p.Value[1][m] = 5000;
        p.Value[2][m] = 2500;
    }
    ASSERT_TRUE(doc.Round().SetProbability(p));
    ASSERT_TRUE(doc.Tickets().SetSingles({0, 1, 3, 9, 27}));
    clsTValue::SetValue three;
    ASSERT_TRUE(doc.Round().GetSetValue(three));
    ASSERT_GT(three.Grade3, three.Grade2) << "a third grade must add to the chance here";
    ASSERT_TRUE(doc.Round().SetKaisaikai(198));
    ASSERT_TRUE(doc.Round().SetVote(vote));
    clsTValue::SetValue two;
    ASSERT_TRUE(doc.Round().GetSetValue(two));
    EXPECT_EQ(two.Grade3, two.Grade2);
}
} // namespace

namespace {
// Another program's save of the file: the same bytes but for one ticket, written in place, so
// that only the modification time tells it. File times move in clock ticks of a few
// milliseconds: the write waits for the next.
void WriteInPlace(const std::filesystem::path& path, std::string bytes)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::size_t at = bytes.find("<SingleData>\r\n");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 14] = bytes[at + 14] == '1' ? '2' : '1';
    std::ofstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// kelvra-cli run and csv import on one file both saved it, the later one silently throwing
// away what the other had written. A save over the current file now notices the change.
TEST_F(Document, SaveNoticesThatAnotherProgramChangedTheFile)
{
    std::filesystem::copy_file(Path("sample.drd"), Path("work.drd"));
    ASSERT_TRUE(doc.FileLoadDRD(Path("work.drd"), true, true));
    ASSERT_TRUE(doc.Tickets().SetSingles({5, 6, 7}));
    ASSERT_TRUE(doc.FileSaveDRD(Path("work.drd"), true, true));
    EXPECT_TRUE(rec.Questions.empty()); // unchanged on disk: no question
    const std::string mine = dir.Read("work.drd");
    ASSERT_TRUE(doc.Tickets().SetSingles({8, 9}));

    // 上書きしない: the other program's file stays, the work stays unsaved.
    WriteInPlace(Path("work.drd"), mine);
    const std::string theirs = dir.Read("work.drd");
    ASSERT_EQ(theirs.size(), mine.size());
    rec.QueueAnswer(false);
    EXPECT_FALSE(doc.FileSaveDRD(Path("work.drd"), true, true));
    ASSERT_EQ(rec.Questions.size(), 1u);
    EXPECT_NE(rec.Questions[0].Text.find(clsDocument::kChangedOnDiskQuestion), std::string::npos);
    EXPECT_FALSE(rec.Questions[0].Default);
    EXPECT_EQ(dir.Read("work.drd"), theirs);
    EXPECT_TRUE(doc.Modified());
    EXPECT_NE(doc.LastFailure().find("他のプログラムによって変更されています"), std::string::npos);
    // Without dialogs (a batch, kelvra-cli run) it is refused without a question.
    EXPECT_FALSE(doc.FileSaveDRD(Path("work.drd"), true, false));
    EXPECT_EQ(rec.Questions.size(), 1u);
    EXPECT_EQ(dir.Read("work.drd"), theirs);
    EXPECT_NE(doc.LastFailure().find("work.drd"), std::string::npos);

    // 上書きする: saved, and the file as saved is the one compared with from now on.
    rec.QueueAnswer(true);
    ASSERT_TRUE(doc.FileSaveDRD(Path("work.drd"), true, true));
    EXPECT_EQ(rec.Questions.size(), 2u);
    EXPECT_FALSE(doc.Modified());
    EXPECT_NE(dir.Read("work.drd"), theirs);
    ASSERT_TRUE(doc.FileSaveDRD(Path("work.drd"), true, false));
    EXPECT_EQ(rec.Questions.size(), 2u);

    // Save As to another file is no overwrite of the loaded one; the new file is then current.
    WriteInPlace(Path("work.drd"), dir.Read("work.drd"));
    ASSERT_TRUE(doc.FileSaveDRD(Path("other.drd"), true, false)) << doc.LastFailure();
    ASSERT_TRUE(doc.FileSaveDRD(Path("other.drd"), true, false)) << doc.LastFailure();
    // A first save asks nothing either.
    ASSERT_TRUE(doc.New());
    WriteInPlace(Path("other.drd"), dir.Read("other.drd"));
    ASSERT_TRUE(doc.FileSaveDRD(Path("other.drd"), true, false)) << doc.LastFailure();
    EXPECT_EQ(rec.Questions.size(), 2u);
}
} // namespace
