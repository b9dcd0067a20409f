// The document's unsaved-changes flag and its question, the compression panels it owns, and
// the run button's state during a run.
#include "app/basRunPanel.h"
#include "app/clsDocument.h"
#include "engines/clsTRenzoku.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {
class DocumentChanges : public ::testing::Test
{
protected:
    DocumentChanges()
    {
        CopySampleWork(dir.Path());
        main.Initialize();
    }
    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
    void Load()
    {
        ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, false)) << doc.LastFailure();
        ASSERT_FALSE(doc.Modified());
    }

    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
};

TEST_F(DocumentChanges, EveryChangingCommandMarksTheWork)
{
    const std::vector<std::pair<std::string, std::function<bool()>>> commands{
        {"marks", [&] { return doc.Marks().SetMarks(MarkArray{}); }},
        {"mark all", [&] { return doc.Marks().MultiMarkAll(1); }},
        {"conditions",
         [&] {
             return doc.Conditions().EditJouken(
                 [&](clsJoukenPanels& panels) { panels.Apply(ConditionSetRecord{}); });
         }},
        {"engine settings",
         [&] {
             return doc.Conditions().EditEngineSettings(
                 [](clsEnginePanels& p) { p.SetMsEngine(3); });
         }},
        {"tickets",
         [&] {
             return doc.Tickets().SetSingles({1, 2, 3});
         }},
        {"round", [&] { return doc.Round().SetKaisaikai(9002); }},
        {"vote", [&] { return doc.Round().SetVote(VoteRecord{}); }},
        {"probabilities", [&] { return doc.Round().SetProbability(std::nullopt); }},
        {"run", [&] { return doc.Search().Run(); }},
        {"conditions file", [&] { return doc.FileLoadDRD(Path("c.drj"), false, false); }}};
    Load();
    ASSERT_TRUE(doc.FileSaveDRD(Path("c.drj"), false, false));
    for (const auto& [name, command] : commands) {
        Load();
        EXPECT_EQ(doc.Title(), " Drovane  Kelvra - [sample.drd]");
        ASSERT_TRUE(command()) << name;
        EXPECT_TRUE(doc.Modified()) << name;
        EXPECT_EQ(doc.Title(), " Drovane  Kelvra - [sample.drd] *") << name;
    }
    // An edit that changes nothing is no change.
    Load();
    ASSERT_TRUE(doc.Conditions().EditEngineSettings([](clsEnginePanels&) {}));
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentChanges, TheShownResultIsStaleOnceWhatTheRunReadsChanges)
{
    const std::vector<std::pair<std::string, std::function<bool()>>> inputs{
        {"marks", [&] { return doc.Marks().MultiMarkAll(1); }},
        {"conditions",
         [&] {
             return doc.Conditions().EditJouken(
                 [&](clsJoukenPanels& panels) { panels.Apply(ConditionSetRecord{}); });
         }},
        {"engine settings",
         [&] {
             return doc.Conditions().EditEngineSettings(
                 [](clsEnginePanels& p) { p.SetMsEngine(3); });
         }},
        {"round", [&] { return doc.Round().SetKaisaikai(9002); }},
        {"vote", [&] { return doc.Round().SetVote(VoteRecord{}); }},
        {"probabilities", [&] { return doc.Round().SetProbability(std::nullopt); }},
        {"conditions file", [&] { return doc.FileLoadDRD(Path("c.drj"), false, false); }}};
    Load();
    ASSERT_TRUE(doc.FileSaveDRD(Path("c.drj"), false, false));
    // The sample holds no run: there is no result to call stale, whatever changes.
    Load();
    ASSERT_TRUE(doc.Marks().MultiMarkAll(2));
    EXPECT_FALSE(doc.Search().ResultStale());
    for (const auto& [name, command] : inputs) {
        Load();
        ASSERT_TRUE(doc.Search().Run()) << name;
        EXPECT_FALSE(doc.Search().ResultStale()) << name;
        ASSERT_TRUE(command()) << name;
        EXPECT_TRUE(doc.Search().ResultStale()) << name;
    }

    // Looking at another condition page is no new input.
    Load();
    ASSERT_TRUE(doc.Search().Run());
    ASSERT_TRUE(doc.Conditions().SetJoukenPage(3));
    EXPECT_FALSE(doc.Search().ResultStale());
    // A run makes the result current again, even one that changed the work on its way.
    ASSERT_TRUE(doc.Marks().MultiMarkAll(1));
    ASSERT_TRUE(doc.Search().Run());
    EXPECT_FALSE(doc.Search().ResultStale());
    ASSERT_TRUE(doc.Marks().MultiMarkAll(2));
    ASSERT_TRUE(doc.New());
    EXPECT_FALSE(doc.Search().ResultStale());
}

TEST_F(DocumentChanges, NewLoadAndSuccessfulSaveClearTheMarkAFailedSaveKeepsIt)
{
    // Picking the round of an untouched new work is how it starts.
    ASSERT_TRUE(doc.Round().SetKaisaikai(9001));
    EXPECT_FALSE(doc.Modified());
    ASSERT_TRUE(doc.Marks().MultiMarkAll(1));
    EXPECT_EQ(doc.Title(), " Drovane  Kelvra *");
    ASSERT_TRUE(doc.New());
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.Title(), " Drovane  Kelvra");

    Load();
    ASSERT_TRUE(doc.Marks().MultiMarkAll(1));
    std::filesystem::create_directories(dir.Path() / "taken" / "x");
    EXPECT_FALSE(doc.FileSaveDRD(Path("taken"), true, false));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Title(), " Drovane  Kelvra - [taken] *");
    // A conditions file written is not the work saved.
    ASSERT_TRUE(doc.FileSaveDRD(Path("cond.drj"), false, false));
    EXPECT_TRUE(doc.Modified());
    ASSERT_TRUE(doc.FileSaveDRD(Path("saved.drd"), true, false));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.Title(), " Drovane  Kelvra - [saved.drd]");

    // A failed load leaves the work, and its mark, as they were.
    ASSERT_TRUE(doc.Marks().MultiMarkAll(2));
    EXPECT_FALSE(doc.FileLoadDRD(Path("missing.drd"), true, false));
    EXPECT_TRUE(doc.Modified());
    ASSERT_TRUE(doc.FileLoadDRD(Path("saved.drd"), true, false));
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentChanges, TheSaveQuestionsThreeAnswers)
{
    int saves = 0;
    bool saveWorks = true;
    const auto save = [&] {
        ++saves;
        return saveWorks && doc.FileSaveDRD(Path("answer.drd"), true, false);
    };
    Load();
    // Nothing to lose: no question.
    EXPECT_TRUE(doc.QuerySaveChanges(save));
    EXPECT_TRUE(rec.Questions.empty());

    ASSERT_TRUE(doc.Marks().MultiMarkAll(1));
    const MarkArray marked = doc.Marks().Multi().Value();
    rec.QueueAnswer3(AskAnswer::Cancel);
    EXPECT_FALSE(doc.QuerySaveChanges(save));
    ASSERT_EQ(rec.Questions.size(), 1u);
    EXPECT_EQ(rec.Questions[0].Text, "変更を保存しますか？");
    EXPECT_NE(rec.Questions[0].Caption.find("[保存/保存しない/キャンセル]"), std::string::npos);
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Marks().Multi().Value(), marked);

    rec.QueueAnswer3(AskAnswer::No);
    EXPECT_TRUE(doc.QuerySaveChanges(save));
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(std::filesystem::exists(Path("answer.drd")));

    saveWorks = false;
    rec.QueueAnswer3(AskAnswer::Yes);
    EXPECT_FALSE(doc.QuerySaveChanges(save));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(doc.Modified());

    saveWorks = true;
    rec.QueueAnswer3(AskAnswer::Yes);
    EXPECT_TRUE(doc.QuerySaveChanges(save));
    EXPECT_EQ(saves, 2);
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(std::filesystem::exists(Path("answer.drd")));
}

TEST_F(DocumentChanges, PanelsShowTheSettingsAfterNewAndLoadAndARunTakesThem)
{
    Load();
    EXPECT_EQ(doc.Conditions().EnginePanels().Gather(), doc.Conditions().EngineSettings());
    EXPECT_EQ(doc.Conditions().EnginePanels().MsEngine(), 1); // as the sample says
    std::vector<std::uint32_t> told;
    const clsSubscription sub = doc.SubscribeChanged([&](std::uint32_t p) { told.push_back(p); });
    ASSERT_TRUE(doc.Conditions().EditEngineSettings([](clsEnginePanels& p) {
        p.SetMsEngine(0);
        p.SetChushutsuFlag(true);
        p.Sakugen().SetExtraction(Currency::FromInt(12));
    }));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], static_cast<std::uint32_t>(clsDocument::PartEngineSettings));
    EXPECT_EQ(doc.Conditions().EngineSettings().ChushutsuCount, 12);
    ASSERT_TRUE(doc.Search().Run());
    EXPECT_EQ(doc.Tickets().SingleCount(), 12);
    ASSERT_TRUE(doc.New());
    EXPECT_EQ(doc.Conditions().EnginePanels().Gather(), EngineSettingsRecord{});
    EXPECT_EQ(doc.Conditions().EngineSettings(), EngineSettingsRecord{});
}

TEST_F(DocumentChanges, APausePressedDuringTheExtractionHoldsTheSearch)
{
    Load();
    ASSERT_TRUE(doc.Conditions().EditEngineSettings([](clsEnginePanels& p) {
        p.SetMsEngine(2);
        p.Sakugen().SetEndTime(Currency::FromInt(1));
    }));
    EXPECT_EQ(basRunPanel::Caption(basRunPanel::FromSearch(doc.Search())), "検索開始");
    std::vector<std::string> captions;
    bool pressed = false;
    std::int64_t sleptWhenReleased = -1;
    rec.TickPerDoEvents = 5;
    rec.OnDoEvents = [&](std::int64_t) {
        if (!pressed && doc.Search().Extraction().Run()) {
            pressed = true;
            doc.Search().Run(); // the pause, before the engine exists
            captions.emplace_back(basRunPanel::Caption(basRunPanel::FromSearch(doc.Search())));
            EXPECT_TRUE(doc.Search().Paused());
        } else if (sleptWhenReleased < 0 && rec.WaitedMs() >= 1500) {
            sleptWhenReleased = rec.WaitedMs();
            EXPECT_TRUE(doc.Search().Paused());
            doc.Search().Run(); // resume
            captions.emplace_back(basRunPanel::Caption(basRunPanel::FromSearch(doc.Search())));
            EXPECT_FALSE(doc.Search().Paused());
        }
    };
    // The sample's 100 tickets cannot cover its singles: the search runs out of its second
    // and keeps nothing, which fails the run.
    EXPECT_FALSE(doc.Search().Run());
    EXPECT_TRUE(pressed);
    EXPECT_GE(sleptWhenReleased, 1500);
    EXPECT_EQ(captions, (std::vector<std::string>{"検索再開", "一時停止"}));
    EXPECT_FALSE(doc.Search().Paused());
    EXPECT_EQ(basRunPanel::Caption(basRunPanel::FromSearch(doc.Search())), "検索開始");
}

TEST_F(DocumentChanges, TheFastSearchNeverClaimsAPause)
{
    Load(); // engine 1
    bool pressed = false;
    rec.OnDoEvents = [&](std::int64_t) {
        if (!pressed && doc.Search().Running()) {
            pressed = true;
            EXPECT_FALSE(basRunPanel::Enabled(basRunPanel::FromSearch(doc.Search())));
            doc.Search().Run();
            EXPECT_FALSE(doc.Search().Paused());
            EXPECT_EQ(basRunPanel::Caption(basRunPanel::FromSearch(doc.Search())), "検索開始");
        }
    };
    ASSERT_TRUE(doc.Search().Run());
    EXPECT_TRUE(pressed);
    EXPECT_EQ(rec.WaitedMs(), 0);
    EXPECT_TRUE(basRunPanel::Enabled(basRunPanel::FromSearch(doc.Search())));
}

// The batch on the real document: a stop while the first file is still being extracted leaves
// that file byte for byte as it was and not run, so a second batch takes it up.
TEST_F(DocumentChanges, ABatchStoppedInTheExtractionLeavesTheFileUntouched)
{
    std::filesystem::copy_file(Path("sample.drd"), Path("second.drd"));
    const std::string before = dir.Read("sample.drd");
    clsTRenzoku batch(rec,
                      clsTRenzoku::Target{
                          [&](const std::string& p) { return doc.FileLoadDRD(p, true, false); },
                          [&] { return doc.Search().Run(); },
                          [&] { doc.Search().Cancel(); },
                          [&](const std::string& p) { return doc.FileSaveDRD(p, true, false); },
                          [&] { return doc.Search().RunStoppedInExtraction(); },
                      });
    batch.AddFile(Path("sample.drd"));
    batch.AddFile(Path("second.drd"));
    rec.OnDoEvents = [&](std::int64_t) {
        if (doc.Search().Extraction().Run()) {
            batch.StopBatch();
        }
    };
    batch.RunBatch();
    EXPECT_EQ(batch.Rows()[0].Status, "");
    EXPECT_EQ(batch.Rows()[1].Status, "");
    EXPECT_EQ(dir.Read("sample.drd"), before);
    rec.OnDoEvents = nullptr;
    batch.RunBatch();
    EXPECT_EQ(batch.Rows()[0].Status, "成功");
    EXPECT_EQ(batch.Rows()[1].Status, "成功");
    EXPECT_NE(dir.Read("sample.drd"), before); // now saved with its run
}
// A window disables its editors from what it is told: the lock of a file read or write, and of
// a ticket set read from CSV, is told when it is set and when it is cleared.
TEST_F(DocumentChanges, FileWorkTellsItsLockAsItIsSetAndCleared)
{
    Load();
    ASSERT_TRUE(doc.Search().Run());
    std::vector<std::pair<std::uint32_t, bool>> told;
    const clsSubscription sub =
        doc.SubscribeChanged([&](std::uint32_t p) { told.emplace_back(p, doc.Edit().WorkLock()); });
    const auto lockTold = [&](const char* strWhat) {
        SCOPED_TRACE(strWhat);
        const std::pair<std::uint32_t, bool> set{clsDocument::PartRunState, true};
        const std::pair<std::uint32_t, bool> cleared{clsDocument::PartRunState, false};
        ASSERT_GE(told.size(), 2u);
        EXPECT_EQ(told.front(), set);
        EXPECT_NE(std::find(told.begin() + 1, told.end(), cleared), told.end());
        EXPECT_FALSE(doc.Edit().WorkLock());
        told.clear();
    };
    ASSERT_TRUE(doc.FileSaveDRD(Path("copy.drd"), true, false));
    lockTold("save");
    ASSERT_TRUE(doc.FileLoadDRD(Path("copy.drd"), true, false));
    lockTold("load");
    ASSERT_TRUE(doc.Tickets().CsvSave(Path("copy.csv")));
    lockTold("CSV save");
    ASSERT_TRUE(doc.Tickets().CsvOpen(Path("copy.csv")));
    lockTold("CSV open");
}
} // namespace
