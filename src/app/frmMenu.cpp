#include "app/frmMenu.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Entry
{
    const char* Caption;
    std::int32_t Index;
};

PopupMenu Build(const char* strName, std::initializer_list<Entry> entries)
{
    PopupMenu menu{strName, {}};
    for (const Entry& e : entries) {
        PopupMenuItem item;
        item.Caption = e.Caption;
        item.Index = e.Index;
        menu.Items.push_back(std::move(item));
    }
    return menu;
}

// "100円", "1万円", "1000万円", "1億円": the largest unit that divides the amount.
std::string AmountCaption(std::int64_t lngYen)
{
    if (lngYen % 100'000'000 == 0) {
        return std::to_string(lngYen / 100'000'000) + "億円";
    }
    if (lngYen % 10'000 == 0) {
        return std::to_string(lngYen / 10'000) + "万円";
    }
    return std::to_string(lngYen) + "円";
}

PopupMenuItem AmountRange(const char* strCaption, std::int64_t lngStep)
{
    PopupMenuItem range;
    range.Caption = strCaption;
    for (std::int64_t i = 1; i <= 10; ++i) {
        PopupMenuItem amount;
        amount.Caption = AmountCaption(i * lngStep);
        amount.Index = frmMenu::IndexAmount;
        amount.Money = Currency::FromInt(i * lngStep);
        range.Submenu.push_back(std::move(amount));
    }
    return range;
}

PopupMenuItem Plain(const char* strCaption, std::int32_t lngIndex = 0)
{
    PopupMenuItem item;
    item.Caption = strCaption;
    item.Index = lngIndex;
    return item;
}

PopupMenu BuildMoney()
{
    PopupMenu menu{"mnuMoney", {}};
    menu.Items = {Plain("キャンセル"),
                  Plain("-"),
                  AmountRange("100 ～ 1000円", 100),
                  AmountRange("1000 ～ 1万円", 1'000),
                  Plain("-"),
                  AmountRange("1 ～ 10万円", 10'000),
                  AmountRange("10 ～ 100万円", 100'000),
                  AmountRange("100 ～ 1000万円", 1'000'000),
                  AmountRange("1000万 ～ 1億円", 10'000'000),
                  Plain("-"),
                  AmountRange("1 ～ 10億円", 100'000'000),
                  AmountRange("10 ～ 100億円", 1'000'000'000),
                  Plain("-"),
                  Plain("最小値", 1),
                  Plain("最大値", 2)};
    return menu;
}

} // namespace

frmMenu::frmMenu()
{
    Edit(Kind::GridB) =
        Build("mnuGridB", {{"キャンセル", 0}, {"-", 0}, {"全て対象", 1}, {"全て対象外", 2}});
    Edit(Kind::GridMC) = Build("mnuGridMC", {{"キャンセル", 0},
                                             {"-", 0},
                                             {"マークを消去", 1},
                                             {"削除（×）でマーク", 2},
                                             {"許容（△）でマーク", 3},
                                             {"-", 0},
                                             {"行のマークを消去", 4},
                                             {"-", 0},
                                             {"←× 左を削除 [Shift+左]", 5},
                                             {"×→ 右を削除 [Shift+右]", 6},
                                             {"-", 0},
                                             {"←△ 左を許容 [Ctrl+左]", 7},
                                             {"△→ 右を許容 [Ctrl+右]", 8}});
    Edit(Kind::GridMT) = Build("mnuGridMT", {{"キャンセル", 0},
                                             {"-", 0},
                                             {"全てマークを消去", 1},
                                             {"全て削除（×）でマーク", 2},
                                             {"全て許容（△）でマーク", 3}});
    Edit(Kind::GridML) =
        Build("mnuGridML", {{"キャンセル", 0}, {"-", 0}, {"構成分析", 1}, {"複合条件設定", 2}});
    // The header's caption comes with SetMultiDefault or SetMultiOne.
    Edit(Kind::Multi) = Build("mnuMulti", {{"", 0},
                                           {"-", 0},
                                           {"無し", 1},
                                           {"◎ 本命", 2},
                                           {"○ 対抗", 3},
                                           {"▲ 穴", 4},
                                           {"△ 大穴", 5},
                                           {"× 注意", 6},
                                           {"☆ 特注", 7},
                                           {"-", 0},
                                           {"自動", IndexAuto}});
    Edit(Kind::Multi).Items[0].Enabled = false;
    Edit(Kind::MultiT) = Build("mnuMultiT", {{"キャンセル", 0},
                                             {"-", 0},
                                             {"全てマークを消去", 1},
                                             {"全て本命でマーク", 2},
                                             {"全て対抗でマーク", 3},
                                             {"-", 0},
                                             {"全て投票率順でマーク", 4}});
    Edit(Kind::Money) = BuildMoney();
}

void frmMenu::SetMoneyMenu(std::int32_t lngIndex)
{
    std::vector<PopupMenuItem>& items = Edit(Kind::Money).Items;
    for (PopupMenuItem& item : items) {
        item.Visible = true;
    }
    auto hide = [&](std::initializer_list<std::size_t> entries) {
        for (std::size_t i : entries) {
            items[i].Visible = false;
        }
    };
    switch (lngIndex) {
    case 11:
    case 12:
        hide({1, 2, 3}); // no amounts below 1万円
        break;
    case 21:
    case 22:
        hide({2, 11});
        break;
    case 31:
    case 32:
        hide({9, 10, 11}); // no amounts of 1億円 and more
        break;
    default:
        break;
    }
    if (lngIndex % 10 == 1) {
        hide({14});
    } else if (lngIndex % 10 == 2) {
        hide({13});
    }
}

void frmMenu::SetMultiDefault(std::int32_t lngIndex)
{
    std::vector<PopupMenuItem>& items = Edit(Kind::Multi).Items;
    items[0].Caption = "左クリック動作";
    items[9].Visible = true;
    items[10].Visible = true;
    TickMulti(lngIndex);
}

void frmMenu::SetMultiOne(std::int32_t lngIndex)
{
    std::vector<PopupMenuItem>& items = Edit(Kind::Multi).Items;
    items[0].Caption = "マーク変更";
    items[9].Visible = false;
    items[10].Visible = false;
    TickMulti(lngIndex);
}

void frmMenu::TickMulti(std::int32_t lngIndex)
{
    std::vector<PopupMenuItem>& items = Edit(Kind::Multi).Items;
    for (std::size_t i = 2; i <= 10; ++i) {
        items[i].Checked = false;
    }
    if (lngIndex > 98) {
        items[10].Checked = true;
    } else if (lngIndex >= 0 && lngIndex <= 6) {
        // An unknown mark ticks nothing rather than some other entry.
        items[static_cast<std::size_t>(lngIndex) + 2].Checked = true;
    }
}

std::int32_t frmMenu::Show(Kind kind, clsIMenuChooser& chooser)
{
    m_index = 0;
    m_money = Currency{};
    const PopupMenuItem* chosen = chooser.Choose(Menu(kind));
    if (chosen != nullptr) {
        m_index = chosen->Index;
        m_money = chosen->Money;
    }
    return m_index;
}
