#include "app/frmMenu.h"
#include "support/ScriptedMenuChooser.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using K = frmMenu::Kind;

const PopupMenuItem* Find(const std::vector<PopupMenuItem>& items, const std::string& caption)
{
    for (const PopupMenuItem& item : items) {
        if (item.Caption == caption) {
            return &item;
        }
    }
    return nullptr;
}

// The captions a user sees, in order (separators included).
std::vector<std::string> Visible(const PopupMenu& menu)
{
    std::vector<std::string> out;
    for (const PopupMenuItem& item : menu.Items) {
        if (item.Visible) {
            out.push_back(item.Caption);
        }
    }
    return out;
}

std::vector<std::size_t> Ticked(const PopupMenu& menu)
{
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < menu.Items.size(); ++i) {
        if (menu.Items[i].Checked) {
            out.push_back(i);
        }
    }
    return out;
}

TEST(frmMenu, AmountMenuHidesWhatABoxCannotTake)
{
    frmMenu menu;
    menu.SetMoneyMenu(11);
    EXPECT_EQ(Visible(menu.Menu(K::Money)),
              (std::vector<std::string>{"キャンセル", "-", "1 ～ 10万円", "10 ～ 100万円",
                                        "100 ～ 1000万円", "1000万 ～ 1億円", "-", "1 ～ 10億円",
                                        "10 ～ 100億円", "-", "最小値"}));
    // The same menu prepared again for another box shows everything that box may take.
    menu.SetMoneyMenu(32);
    EXPECT_EQ(Visible(menu.Menu(K::Money)),
              (std::vector<std::string>{"キャンセル", "-", "100 ～ 1000円", "1000 ～ 1万円", "-",
                                        "1 ～ 10万円", "10 ～ 100万円", "100 ～ 1000万円",
                                        "1000万 ～ 1億円", "-", "最大値"}));
    menu.SetMoneyMenu(21);
    EXPECT_FALSE(Find(menu.Menu(K::Money).Items, "100 ～ 1000円")->Visible);
    EXPECT_TRUE(Find(menu.Menu(K::Money).Items, "1000 ～ 1万円")->Visible);
    EXPECT_FALSE(Find(menu.Menu(K::Money).Items, "10 ～ 100億円")->Visible);
    EXPECT_TRUE(Find(menu.Menu(K::Money).Items, "1 ～ 10億円")->Visible);
    EXPECT_FALSE(Find(menu.Menu(K::Money).Items, "最大値")->Visible);
    EXPECT_TRUE(Find(menu.Menu(K::Money).Items, "最小値")->Visible);
}

TEST(frmMenu, AmountSubmenusGiveIndexThreeAndTheirAmount)
{
    frmMenu menu;
    ScriptedMenuChooser chooser;
    menu.SetMoneyMenu(12);
    chooser.Push({"1 ～ 10万円", "5万円"});
    EXPECT_EQ(3, menu.Show(K::Money, chooser));
    EXPECT_EQ(3, menu.Index());
    EXPECT_EQ(Currency::FromInt(50'000), menu.Money());

    chooser.Push({"10 ～ 100億円", "100億円"});
    EXPECT_EQ(3, menu.Show(K::Money, chooser));
    EXPECT_EQ(Currency::FromInt(10'000'000'000), menu.Money());

    // Every submenu: ten amounts of one step, first and last as their captions say.
    const std::vector<std::pair<std::string, std::vector<std::string>>> ends = {
        {"100 ～ 1000円", {"100円", "1000円"}},       {"1000 ～ 1万円", {"1000円", "1万円"}},
        {"1 ～ 10万円", {"1万円", "10万円"}},         {"10 ～ 100万円", {"10万円", "100万円"}},
        {"100 ～ 1000万円", {"100万円", "1000万円"}}, {"1000万 ～ 1億円", {"1000万円", "1億円"}},
        {"1 ～ 10億円", {"1億円", "10億円"}},         {"10 ～ 100億円", {"10億円", "100億円"}}};
    for (const auto& [range, firstLast] : ends) {
        const PopupMenuItem* item = Find(menu.Menu(K::Money).Items, range);
        ASSERT_NE(nullptr, item) << range;
        ASSERT_EQ(10u, item->Submenu.size()) << range;
        EXPECT_EQ(firstLast[0], item->Submenu.front().Caption);
        EXPECT_EQ(firstLast[1], item->Submenu.back().Caption);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(item->Submenu[i].Money.Raw(),
                      item->Submenu[0].Money.Raw() * static_cast<std::int64_t>(i + 1))
                << range << " " << i;
        }
    }
    EXPECT_EQ("9000万円", Find(menu.Menu(K::Money).Items, "1000万 ～ 1億円")->Submenu[8].Caption);

    chooser.Push({"最小値"});
    EXPECT_EQ(0, menu.Show(K::Money, chooser)); // hidden for a maximum box
    EXPECT_EQ(1u, chooser.Errors().size());
    chooser.Push({"最大値"});
    EXPECT_EQ(2, menu.Show(K::Money, chooser));
    EXPECT_EQ(Currency{}, menu.Money());
}

TEST(frmMenu, NothingChosenGivesZero)
{
    frmMenu menu;
    ScriptedMenuChooser chooser;
    chooser.Push({"1 ～ 10万円", "5万円"});
    menu.Show(K::Money, chooser);
    ASSERT_EQ(3, menu.Index());
    menu.Show(K::Money, chooser); // empty queue: dismissed
    EXPECT_EQ(0, menu.Index());
    EXPECT_EQ(Currency{}, menu.Money());

    for (K kind : {K::GridB, K::GridMC, K::GridMT, K::GridML, K::MultiT, K::Money}) {
        chooser.Push({"キャンセル"});
        EXPECT_EQ(0, menu.Show(kind, chooser));
        chooser.Push({});
        EXPECT_EQ(0, menu.Show(kind, chooser));
    }
    menu.SetMultiOne(3);
    chooser.Push({"マーク変更"}); // the header is a heading, not a choice
    EXPECT_EQ(0, menu.Show(K::Multi, chooser));
    chooser.Push({"◎ 本命"});
    EXPECT_EQ(2, menu.Show(K::Multi, chooser));
    chooser.Push({"-"});
    EXPECT_EQ(0, menu.Show(K::Multi, chooser));
}

TEST(frmMenu, ResultCodesOfTheGridMenus)
{
    frmMenu menu;
    ScriptedMenuChooser chooser;
    const std::vector<std::tuple<K, std::string, std::int32_t>> cases = {
        {K::GridB, "全て対象", 1},
        {K::GridB, "全て対象外", 2},
        {K::GridMC, "許容（△）でマーク", 3},
        {K::GridMC, "行のマークを消去", 4},
        {K::GridMC, "△→ 右を許容 [Ctrl+右]", 8},
        {K::GridMT, "全て削除（×）でマーク", 2},
        {K::GridML, "構成分析", 1},
        {K::GridML, "複合条件設定", 2},
        {K::MultiT, "全て対抗でマーク", 3},
        {K::MultiT, "全て投票率順でマーク", 4}};
    for (const auto& [kind, caption, index] : cases) {
        chooser.Push({caption});
        EXPECT_EQ(index, menu.Show(kind, chooser)) << caption;
    }
    EXPECT_TRUE(chooser.Errors().empty());
    EXPECT_EQ(13u, menu.Menu(K::GridMC).Items.size());
    EXPECT_EQ("mnuGridML", chooser.Shown()[7].Name);
}

TEST(frmMenu, MarkMenuHeadingsAndTicks)
{
    frmMenu menu;
    ScriptedMenuChooser chooser;
    const PopupMenu& multi = menu.Menu(K::Multi);

    menu.SetMultiDefault(99);
    EXPECT_EQ("左クリック動作", multi.Items[0].Caption);
    EXPECT_TRUE(multi.Items[10].Visible);
    EXPECT_EQ((std::vector<std::size_t>{10}), Ticked(multi));
    chooser.Push({"自動"});
    EXPECT_EQ(99, menu.Show(K::Multi, chooser));

    menu.SetMultiDefault(4);
    EXPECT_EQ((std::vector<std::size_t>{6}), Ticked(multi));
    EXPECT_EQ("△ 大穴", multi.Items[6].Caption);

    menu.SetMultiOne(0);
    EXPECT_EQ("マーク変更", multi.Items[0].Caption);
    EXPECT_FALSE(multi.Items[9].Visible);
    EXPECT_FALSE(multi.Items[10].Visible);
    EXPECT_EQ((std::vector<std::size_t>{2}), Ticked(multi));
    chooser.Push({"自動"});
    EXPECT_EQ(0, menu.Show(K::Multi, chooser)); // not offered for one cell
    menu.SetMultiOne(6);
    EXPECT_EQ((std::vector<std::size_t>{8}), Ticked(multi));
    menu.SetMultiOne(7); // no such mark: nothing ticked
    EXPECT_TRUE(Ticked(multi).empty());
    menu.SetMultiDefault(99); // back to the left-click menu: 自動 shown again
    EXPECT_TRUE(multi.Items[9].Visible);
}

} // namespace
