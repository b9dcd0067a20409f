#include "app/basMainMenu.h"
#include "base/PopupMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using basMainMenu::Item;

namespace {
basMainMenu::State AllWired(int lngPage = 0)
{
    basMainMenu::State s;
    s.Wired.set();
    s.Page = lngPage;
    s.VoteKaisaikai = 9001;
    return s;
}

std::vector<Item> AllItems()
{
    std::vector<Item> items;
    for (const auto& info : basMainMenu::Items()) {
        items.push_back(info.Id);
    }
    return items;
}
} // namespace

TEST(basMainMenu, TableHoldsEveryItemOnceInOrderWithUniqueNames)
{
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < basMainMenu::kItemCount; ++i) {
        const auto& info = basMainMenu::Items()[i];
        EXPECT_EQ(static_cast<std::size_t>(info.Id), i);
        EXPECT_TRUE(names.insert(info.ObjectName).second) << info.ObjectName;
        EXPECT_FALSE(info.Caption.empty());
        EXPECT_GE(info.Menu, 0);
        EXPECT_LT(info.Menu, 5);
    }
    EXPECT_EQ(basMainMenu::Info(Item::FileEnd).ObjectName, "mnuFile_End");
    EXPECT_EQ(basMainMenu::Info(Item::HelpVersion).Caption, "バージョン情報");
    EXPECT_EQ(basMainMenu::Info(Item::FilePrint).Menu, 0);
}

TEST(basMainMenu, UnwiredItemsStayDisabled)
{
    basMainMenu::State s = AllWired();
    s.Wired.reset();
    s.Wired.set(static_cast<std::size_t>(Item::FileEnd));
    for (const Item id : AllItems()) {
        EXPECT_EQ(basMainMenu::Enabled(id, s), id == Item::FileEnd)
            << basMainMenu::Info(id).ObjectName;
    }
}

TEST(basMainMenu, RunBatchOrWorkLockDisableEverything)
{
    for (const auto set : {+[](basMainMenu::State& s) { s.Running = true; },
                           +[](basMainMenu::State& s) { s.Batch = true; },
                           +[](basMainMenu::State& s) { s.WorkLock = true; }}) {
        basMainMenu::State s = AllWired(2);
        set(s);
        for (const Item id : AllItems()) {
            EXPECT_FALSE(basMainMenu::Enabled(id, s)) << basMainMenu::Info(id).ObjectName;
        }
    }
}

TEST(basMainMenu, SheetCommandsOnTheSinglePageOnlyAndWinningsSortOnTheCheckPage)
{
    const std::vector<Item> sheet{Item::EditSelectAll, Item::EditSelectNone, Item::EditSingleAdd,
                                  Item::EditSingleDel};
    for (int page = 0; page < 4; ++page) {
        const basMainMenu::State s = AllWired(page);
        for (const Item id : sheet) {
            EXPECT_EQ(basMainMenu::Enabled(id, s), page == 2) << page;
        }
        EXPECT_EQ(basMainMenu::Enabled(Item::EditSortResult, s), page == 3) << page;
        EXPECT_TRUE(basMainMenu::Enabled(Item::FileEnd, s));
        EXPECT_TRUE(basMainMenu::Enabled(Item::ViewCheck, s));
        EXPECT_TRUE(basMainMenu::Enabled(Item::HelpHelp, s));
    }
}

TEST(basMainMenu, PayoutAndPopularitySortsNeedAVoteAndTheThirdGrade)
{
    const std::vector<Item> needVote{Item::EditSortPayout1, Item::EditSortPayout2,
                                     Item::EditSortPayout3, Item::EditSortNinki1,
                                     Item::EditSortNinki2,  Item::EditSortNinki3};
    basMainMenu::State s = AllWired();
    for (const Item id : needVote) {
        EXPECT_TRUE(basMainMenu::Enabled(id, s));
    }
    s.VoteKaisaikai = 0;
    for (const Item id : needVote) {
        EXPECT_FALSE(basMainMenu::Enabled(id, s));
    }
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortHome, s));

    s = AllWired();
    s.MaxGrade = 2;
    EXPECT_FALSE(basMainMenu::Visible(Item::EditSortPayout3, s));
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditSortPayout3, s));
    EXPECT_TRUE(basMainMenu::Visible(Item::EditSortPayout2, s));
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortPayout2, s));
    s.MaxGrade = 3;
    EXPECT_TRUE(basMainMenu::Visible(Item::EditSortPayout3, s));
}

TEST(basMainMenu, ExpectedValueAndChanceSortsNeedProbabilities)
{
    basMainMenu::State s = AllWired();
    EXPECT_EQ(basMainMenu::Info(Item::EditSortEV).Caption, "期待値");
    EXPECT_EQ(basMainMenu::Info(Item::EditSortP).Caption, "的中確率");
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditSortEV, s));
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditSortP, s));
    s.HasProbability = true;
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortEV, s));
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortP, s));
    // The expected value is of the estimated payouts, so it needs a vote too; the chance not.
    s.VoteKaisaikai = 0;
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditSortEV, s));
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditSortP, s));
}

TEST(basMainMenu, SortMenuFollowsTheEditMenusRulesAndLeavesOutTheWinningsSort)
{
    basMainMenu::State state = AllWired(2);
    state.SortAscending = true;
    const PopupMenu menu = basMainMenu::SortMenu(state);
    EXPECT_EQ(menu.Name, "mnuEdit_Sort");
    std::vector<Item> listed;
    for (const PopupMenuItem& entry : menu.Items) {
        if (entry.Caption == "-") {
            continue;
        }
        const auto item = basMainMenu::SortMenuChoice(&entry);
        ASSERT_TRUE(item.has_value()) << entry.Caption;
        listed.push_back(*item);
        EXPECT_EQ(entry.Caption, basMainMenu::Info(*item).Caption);
        EXPECT_EQ(entry.Enabled, basMainMenu::Enabled(*item, state)) << entry.Caption;
        EXPECT_EQ(entry.Visible, basMainMenu::Visible(*item, state)) << entry.Caption;
        EXPECT_EQ(entry.Checked, *item == Item::EditSortAscending) << entry.Caption;
    }
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed.front(), Item::EditSortPayout1);
    EXPECT_EQ(listed.back(), Item::EditSortAscending);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), Item::EditSortResult), 0);
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(Item::EditSortAscending) -
                                 static_cast<std::size_t>(Item::EditSortPayout1));

    // A batch disables every entry, as it does the menu's.
    state.Batch = true;
    for (const PopupMenuItem& entry : basMainMenu::SortMenu(state).Items) {
        EXPECT_FALSE(entry.Enabled && entry.Caption != "-") << entry.Caption;
    }
    EXPECT_FALSE(basMainMenu::SortMenuChoice(nullptr));
    PopupMenuItem none;
    EXPECT_FALSE(basMainMenu::SortMenuChoice(&none));
}

TEST(MainMenu, UndoAndRedoFollowTheHistoryAndWaitForTheRun)
{
    basMainMenu::State state;
    state.Wired.set();
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditUndo, state));
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditRedo, state));
    state.CanUndo = true;
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditUndo, state));
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditRedo, state));
    state.CanRedo = true;
    state.Page = 3; // on every page
    EXPECT_TRUE(basMainMenu::Enabled(Item::EditRedo, state));
    state.Running = true;
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditUndo, state));
    EXPECT_FALSE(basMainMenu::Enabled(Item::EditRedo, state));
    EXPECT_EQ(basMainMenu::Info(Item::EditUndo).Menu, 1);
}
