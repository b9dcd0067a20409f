#include "support/RecordingHost.h"
#include "tickets/clsTSingle.h"

#include <gtest/gtest.h>

namespace {
// The main window's part: stores what the sheet reports and hands it back.
struct Owner
{
    RecordingHost host;
    clsTSingle sheet{host, host};
    std::vector<std::int32_t> list;
    clsTSingle::Frame frame{};
    std::vector<std::string> events;

    struct Sink : clsTSingleSink
    {
        std::string label;
        bool previous = false;
        bool next = false;
        std::string count;
        std::array<std::int32_t, 10> number{};
        std::array<bool, 10> selected{};
        void ShowSlot(std::int32_t s, std::int32_t n, std::int32_t, bool b) override
        {
            number[static_cast<std::size_t>(s)] = n;
            selected[static_cast<std::size_t>(s)] = b;
        }
        void ShowPage(const std::string& l, bool p, bool n) override
        {
            label = l;
            previous = p;
            next = n;
        }
        void ShowCount(const std::string& c) override { count = c; }
    } sink;

    explicit Owner(std::vector<std::int32_t> initial)
    {
        sheet.ChangeValue = [this](std::int32_t i, std::int32_t v) {
            events.push_back("value");
            list[static_cast<std::size_t>(i)] = v;
        };
        sheet.ChangeFrame = [this](const clsTSingle::Frame& f) {
            events.push_back("frame");
            frame = f;
            sheet.SetSingleFrame(f, {});
        };
        sheet.ChangeCount = [this](std::int32_t n, const std::vector<std::int32_t>& l) {
            events.push_back("count");
            EXPECT_EQ(static_cast<std::size_t>(n), l.size());
            list = l;
            sheet.SetSingle(list);
        };
        sheet.ChangeLock = [this](bool b) {
            events.push_back("lock");
            sheet.SetEditLock(b);
        };
        sheet.Initialize(&sink);
        Load(std::move(initial));
    }
    void Load(std::vector<std::int32_t> l)
    {
        list = std::move(l);
        frame = {};
        for (const auto v : list) {
            clsTNumber::LongKousei k{};
            clsTNumber::NoToLong(v, k);
            for (std::size_t m = 0; m < 13; ++m) {
                ++frame[static_cast<std::size_t>(k[m])][m];
            }
        }
        sheet.SetSingle(list);
        sheet.SetSingleFrame(frame, {});
        sheet.MovePage(0);
    }
};

std::vector<std::int32_t> Iota(std::int32_t n)
{
    std::vector<std::int32_t> v(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        v[static_cast<std::size_t>(i)] = i * 1000;
    }
    return v;
}
} // namespace

TEST(clsTSingle, EmptyListIsOnePageAndABlankSlotOffersToAdd)
{
    Owner o({});
    EXPECT_EQ(o.sink.label, "1／1");
    EXPECT_FALSE(o.sink.previous);
    EXPECT_FALSE(o.sink.next);
    EXPECT_EQ(o.sink.number[0], -1);
    o.host.QueueAnswer(true);
    o.sheet.CellClick(3, 1, 0);
    ASSERT_EQ(o.host.Questions.size(), 1u);
    EXPECT_EQ(o.host.Questions[0].Text, "シングルを１口追加します。よろしいですか？");
    EXPECT_EQ(o.host.Questions[0].Caption, "シングルを追加");
    EXPECT_EQ(o.list, (std::vector<std::int32_t>{0}));
    EXPECT_EQ(o.events, (std::vector<std::string>{"count", "frame"}));
    EXPECT_EQ(o.frame[0][12], 1);
    EXPECT_EQ(o.frame[1][12], 0);
    EXPECT_EQ(o.sink.count, "1");
    EXPECT_EQ(o.sink.number[0], 1);
}

TEST(clsTSingle, ElevenSinglesMakeTwoPages)
{
    Owner o(Iota(10));
    EXPECT_EQ(o.sink.label, "1／1");
    o.Load(Iota(11));
    o.sheet.MovePageLast();
    EXPECT_EQ(o.sink.label, "2／2");
    EXPECT_TRUE(o.sink.previous);
    EXPECT_FALSE(o.sink.next);
    EXPECT_EQ(o.sink.number[0], 11);
    EXPECT_EQ(o.sink.number[1], -1);
    o.sheet.MoveNext();
    EXPECT_EQ(o.sheet.Page(), 1);
    o.sheet.MovePrevious();
    o.sheet.MovePrevious();
    EXPECT_EQ(o.sheet.Page(), 0);
}

TEST(clsTSingle, ChangingAnOutcomeUpdatesListAndFrame)
{
    Owner o({0, 5});
    const auto before = o.frame;
    o.sheet.CellClick(1, 2, 3); // single 5 = (2,1,0,...): match 4 becomes an away win
    EXPECT_EQ(o.list[1], 5 + 2 * 27);
    EXPECT_EQ(o.events, (std::vector<std::string>{"value", "frame"}));
    EXPECT_EQ(o.frame[0][3], before[0][3] - 1);
    EXPECT_EQ(o.frame[2][3], before[2][3] + 1);
    // The same code again changes nothing but still reports.
    o.events.clear();
    o.sheet.CellClick(1, 2, 3);
    EXPECT_EQ(o.list[1], 59);
    EXPECT_EQ(o.frame[2][3], before[2][3] + 1);
    EXPECT_EQ(o.events, (std::vector<std::string>{"value", "frame"}));
}

TEST(clsTSingle, EditLockAsksAndNoLeavesEverything)
{
    Owner o({0});
    o.sheet.SetEditLock(true);
    o.host.QueueAnswer(false);
    o.sheet.CellClick(0, 1, 0);
    ASSERT_EQ(o.host.Questions.size(), 1u);
    EXPECT_EQ(o.host.Questions[0].Text, "編集がロックされています。編集のロックを解除しますか？");
    EXPECT_FALSE(o.host.Questions[0].Default);
    EXPECT_EQ(o.list[0], 0);
    EXPECT_TRUE(o.events.empty());

    o.host.QueueAnswer(true);
    o.sheet.CellClick(0, 1, 0);
    EXPECT_FALSE(o.sheet.EditLock());
    EXPECT_EQ(o.list[0], 1);
    EXPECT_EQ(o.events, (std::vector<std::string>{"lock", "value", "frame"}));
}

TEST(clsTSingle, DeletingTheSelection)
{
    Owner o(Iota(23));
    o.sheet.SelectDelete();
    ASSERT_EQ(o.host.Messages.size(), 1u);
    EXPECT_EQ(o.host.Messages[0].Text, "削除対象のシングルが選択されていません");
    EXPECT_EQ(o.host.Messages[0].Icon, MsgIcon::Information);

    o.sheet.NoClick(2);
    EXPECT_TRUE(o.sheet.Selected(2));
    EXPECT_TRUE(o.sink.selected[2]);
    o.host.QueueAnswer(false);
    o.sheet.SelectDelete();
    EXPECT_EQ(o.list.size(), 23u);

    o.sheet.MovePageLast();
    o.sheet.SetAllSelect(true);
    o.host.QueueAnswer(true);
    o.sheet.SelectDelete();
    EXPECT_TRUE(o.list.empty());
    EXPECT_EQ(o.sink.label, "1／1");
    EXPECT_EQ(o.sink.count, "0");
    EXPECT_EQ(o.frame, clsTSingle::Frame{});
}

TEST(clsTSingle, DeletingKeepsOrderAndFixesFrameAndPage)
{
    Owner o(Iota(12));
    o.sheet.MovePageLast();
    o.sheet.NoClick(0);
    o.sheet.NoClick(1);
    o.host.QueueAnswer(true);
    o.sheet.SelectDelete();
    EXPECT_EQ(o.list.size(), 10u);
    EXPECT_EQ(o.list.back(), 9000);
    EXPECT_EQ(o.sink.label, "1／1");
    EXPECT_FALSE(o.sheet.Selected(0));
    std::int32_t total = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        total += o.frame[k][5];
    }
    EXPECT_EQ(total, 10);
}

TEST(clsTSingle, DuplicatesKeepTheFirstOccurrence)
{
    RecordingHost host;
    clsTSingle sheet(host, host);
    std::vector<std::int32_t> list = {5, 3, 5, 5, 7};
    ASSERT_TRUE(sheet.DeleteDuplicate(list));
    EXPECT_EQ(list, (std::vector<std::int32_t>{5, 3, 7}));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "重複したシングルを消去しました\nシングル総数：5 → 3");
    EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Information);

    EXPECT_FALSE(sheet.DeleteDuplicate(list));
    EXPECT_EQ(host.Messages.back().Text, "重複したシングルは存在しません");
    EXPECT_EQ(list.size(), 3u);

    std::vector<std::int32_t> bad = {1, -4};
    EXPECT_FALSE(sheet.DeleteDuplicate(bad));
    EXPECT_EQ(bad.size(), 2u);
}
