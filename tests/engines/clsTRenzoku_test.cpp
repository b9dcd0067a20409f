#include "engines/clsTRenzoku.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A main window stand-in: files that load or fail, a search that may press stop.
struct FakeWork
{
    std::map<std::string, bool> Loadable;
    std::vector<std::string> Log;
    std::function<void()> DuringSearch;
    // Files whose search fails (an engine without memory).
    std::map<std::string, bool> SearchFails;
    std::string Loaded;
    // The stop reached the search while the extraction was still going.
    bool StoppedInExtraction = false;
    clsTRenzoku::Target Target()
    {
        return clsTRenzoku::Target{[this](const std::string& p) {
                                       Log.push_back("load " + p);
                                       Loaded = p;
                                       return Loadable[p];
                                   },
                                   [this] {
                                       Log.push_back("run");
                                       if (DuringSearch) {
                                           DuringSearch();
                                       }
                                       return !SearchFails[Loaded];
                                   },
                                   [this] { Log.push_back("cancel"); },
                                   [this](const std::string& p) {
                                       Log.push_back("save " + p);
                                       return true;
                                   },
                                   [this] { return StoppedInExtraction; }};
    }
};

std::vector<std::string> Statuses(const clsTRenzoku& b)
{
    std::vector<std::string> s;
    for (const auto& r : b.Rows()) {
        s.push_back(r.Status);
    }
    return s;
}

TEST(Renzoku, DuplicatesIgnoreCaseAndDialogAnswers)
{
    RecordingHost host;
    FakeWork work;
    clsTRenzoku b(host, work.Target());
    EXPECT_TRUE(b.AddFile("/d/A.drd"));
    EXPECT_FALSE(b.AddFile("/D/a.DRD"));
    b.AddDialogAnswer(std::string("/x/one.drd"));
    b.AddDialogAnswer(std::string("/y\0b.drd\0c.drd", 15));
    b.AddDialogAnswer("");
    ASSERT_EQ(b.Rows().size(), 4u);
    EXPECT_EQ(b.Rows()[1].Path, "/x/one.drd");
    EXPECT_EQ(b.Rows()[2].Path, "/y/b.drd");
    EXPECT_EQ(b.Rows()[3].Path, "/y/c.drd");
    b.RemoveRows({false, true, false, true});
    ASSERT_EQ(b.Rows().size(), 2u);
    EXPECT_EQ(b.Rows()[1].Path, "/y/b.drd");
}

TEST(Renzoku, FailedLoadIsMarkedAndTheBatchGoesOn)
{
    RecordingHost host;
    FakeWork work;
    work.Loadable = {{"a", true}, {"b", false}, {"c", true}};
    clsTRenzoku b(host, work.Target());
    std::vector<bool> running;
    b.RunningChanged = [&](bool v) { running.push_back(v); };
    for (const char* p : {"a", "b", "c"}) {
        b.AddFile(p);
    }
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"成功", "失敗", "成功"}));
    EXPECT_EQ(work.Log, (std::vector<std::string>{"load a", "run", "save a", "load b", "load c",
                                                  "run", "save c"}));
    EXPECT_EQ(running, (std::vector<bool>{true, false}));
    work.Log.clear();
    b.RunBatch(); // every row done: nothing happens
    EXPECT_TRUE(work.Log.empty());
    EXPECT_FALSE(b.Running());
}

TEST(Renzoku, StopSavesTheCurrentFileAndLeavesTheRest)
{
    RecordingHost host;
    FakeWork work;
    work.Loadable = {{"a", true}, {"b", true}, {"c", true}};
    clsTRenzoku b(host, work.Target());
    for (const char* p : {"a", "b", "c"}) {
        b.AddFile(p);
    }
    work.DuringSearch = [&] {
        EXPECT_FALSE(b.QueryClose(host));
        b.StopBatch();
    };
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"成功", "", ""}));
    EXPECT_EQ(work.Log, (std::vector<std::string>{"load a", "run", "cancel", "save a"}));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "現在処理を実行中です。連続実行処理を終了させて下さい。");
    work.DuringSearch = nullptr;
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"成功", "成功", "成功"}));
    EXPECT_TRUE(b.QueryClose(host));
}

// After the stop the file in hand is still being finished (its search unwinds, then it is
// saved): until then the batch is running, so the window can neither close under the loop nor
// start a second batch inside it, and its rows stay as they are.
TEST(Renzoku, AStoppedBatchRunsUntilItsFileIsDone)
{
    RecordingHost host;
    FakeWork work;
    work.Loadable = {{"a", true}, {"b", true}, {"c", true}};
    clsTRenzoku b(host, work.Target());
    for (const char* p : {"a", "b", "c"}) {
        b.AddFile(p);
    }
    std::vector<bool> running;
    b.RunningChanged = [&](bool v) { running.push_back(v); };
    work.DuringSearch = [&] {
        b.StopBatch();
        EXPECT_TRUE(b.Running());
        EXPECT_FALSE(b.QueryClose(host));
        b.RunBatch();
        b.RemoveRows({false, true, true});
    };
    b.RunBatch();
    EXPECT_EQ(work.Log, (std::vector<std::string>{"load a", "run", "cancel", "save a"}));
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"成功", "", ""}));
    EXPECT_EQ(running, (std::vector<bool>{true, false}));
    EXPECT_FALSE(b.Running());
    EXPECT_TRUE(b.QueryClose(host));
    b.RemoveRows({false, true, false});
    ASSERT_EQ(b.Rows().size(), 2u);
    EXPECT_EQ(b.Rows()[1].Path, "c");
}

TEST(Renzoku, StopDuringTheExtractionLeavesTheFileAsItWas)
{
    RecordingHost host;
    FakeWork work;
    work.Loadable = {{"a", true}, {"b", true}};
    clsTRenzoku b(host, work.Target());
    b.AddFile("a");
    b.AddFile("b");
    // A stopped extraction holds an empty set: saving it would wipe the file's tickets.
    work.DuringSearch = [&] {
        work.StoppedInExtraction = true;
        b.StopBatch();
    };
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(work.Log, (std::vector<std::string>{"load a", "run", "cancel"}));
    work.DuringSearch = nullptr;
    work.StoppedInExtraction = false;
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"成功", "成功"}));
}

TEST(Renzoku, FailedSearchIsMarkedAndItsFileNotSaved)
{
    RecordingHost host;
    FakeWork work;
    work.Loadable = {{"a", true}, {"b", true}};
    work.SearchFails = {{"a", true}};
    clsTRenzoku b(host, work.Target());
    b.AddFile("a");
    b.AddFile("b");
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"失敗", "成功"}));
    EXPECT_EQ(work.Log, (std::vector<std::string>{"load a", "run", "load b", "run", "save b"}));
}

TEST(Renzoku, StopWhileLoadingNeitherSearchesNorSaves)
{
    RecordingHost host;
    FakeWork work;
    work.Loadable = {{"a", true}, {"b", true}};
    clsTRenzoku b(host, work.Target());
    b.AddFile("a");
    b.AddFile("b");
    // The stop arrives with the events processed once the file is read, before its search.
    host.OnDoEvents = [&](std::int64_t n) {
        if (n == 1) {
            b.StopBatch();
        }
    };
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(work.Log, (std::vector<std::string>{"load a", "cancel"}));
    EXPECT_FALSE(b.Running());
    host.OnDoEvents = nullptr;
    b.RunBatch();
    EXPECT_EQ(Statuses(b), (std::vector<std::string>{"成功", "成功"}));
}
} // namespace
