// The facets of the document under its one edit context: while a batch drives the work, the
// user's edits through a facet are refused and change nothing, while the document's own
// commands (the ones the batch runs) go on; the batch's start and end reach every listener.

#include "app/clsDocument.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/SampleRound.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {
class DocumentFacets : public ::testing::Test
{
protected:
    DocumentFacets()
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
} // namespace

TEST_F(DocumentFacets, UnderABatchTheUsersEditsAreRefusedAndChangeNothing)
{
    ASSERT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, false)) << doc.LastFailure();
    const DataFileRecord before = doc.GatherRecord();
    MarkArray marks{};
    marks[0][0] = 1;
    const std::vector<std::pair<std::string, std::function<bool()>>> edits{
        {"marks", [&] { return doc.Marks().SetMarks(marks); }},
        {"mark all", [&] { return doc.Marks().MultiMarkAll(1); }},
        {"tickets",
         [&] {
             return doc.Tickets().SetSingles({1, 2, 3});
         }},
        {"sheet add", [&] { return doc.Tickets().SheetAdd(); }},
        {"round", [&] { return doc.Round().SetKaisaikai(9002); }},
        {"probabilities", [&] { return doc.Round().SetProbability(std::nullopt); }},
        {"condition page", [&] { return doc.Conditions().SetJoukenPage(1); }},
        {"conditions",
         [&] { return doc.Conditions().EditJouken([](clsJoukenPanels& p) { p.Clear(); }); }},
        {"entry", [&] { return doc.Check().ResultEntryClick(0, 0); }}};
    doc.Edit().SetBatch(true);
    for (const auto& [name, edit] : edits) {
        EXPECT_FALSE(edit()) << name;
    }
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.GatherRecord(), before);
    EXPECT_EQ(doc.Conditions().JoukenPage(), 0);
    // What the batch itself runs: a run, a save and a load of the next file.
    EXPECT_TRUE(doc.Search().Run());
    EXPECT_TRUE(doc.FileSaveDRD(Path("sample.drd"), true, false)) << doc.LastFailure();
    EXPECT_TRUE(doc.FileLoadDRD(Path("sample.drd"), true, false)) << doc.LastFailure();
    doc.Edit().SetBatch(false);
    EXPECT_TRUE(doc.Marks().SetMarks(marks));
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentFacets, TheBatchsStartAndEndAreRunStateChanges)
{
    std::vector<std::uint32_t> told;
    const clsSubscription listening =
        doc.Search().SubscribeChanged([&](std::uint32_t lngParts) { told.push_back(lngParts); });
    doc.Edit().SetBatch(true);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], static_cast<std::uint32_t>(DocumentParts::PartRunState));
    EXPECT_TRUE(doc.Edit().Busy());
    doc.Edit().SetBatch(false);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_FALSE(doc.Edit().Busy());
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentFacets, ShowingEveryResultHasOneSetterAndTellsTheCheckPage)
{
    std::vector<std::uint32_t> told;
    const clsSubscription listening =
        doc.Check().SubscribeChanged([&](std::uint32_t lngParts) { told.push_back(lngParts); });
    doc.Check().SetShowAllResults(true);
    EXPECT_TRUE(doc.Check().ShowAllResults());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], static_cast<std::uint32_t>(DocumentParts::PartCheck));
    EXPECT_FALSE(doc.Modified());
}
