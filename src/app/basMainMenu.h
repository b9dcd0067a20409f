#pragma once
// The main window's menu bar as data: every item with its object name, caption and place, and
// the one rule that says which items are enabled (and shown) for the document's state and the
// page on screen. The window builds its menus from the table and asks the rule before a menu
// opens and whenever the state changes.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string_view>

class clsDocument;
struct PopupMenu;
struct PopupMenuItem;

namespace basMainMenu {
enum class Item
{
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileJoukenOpen,
    FileJoukenSave,
    FileCsvOpen,
    FileCsvSave,
    FileCsvAdd,
    FileCsvDel,
    FilePrint,
    FileEnd,
    EditUndo,
    EditRedo,
    EditSortPayout1,
    EditSortPayout2,
    EditSortPayout3,
    EditSortHome,
    EditSortDraw,
    EditSortAway,
    EditSortNinki1,
    EditSortNinki2,
    EditSortNinki3,
    EditSortEV,
    EditSortP,
    EditSortResult,
    EditSortAscending,
    EditJSingleDel,
    EditSelectAll,
    EditSelectNone,
    EditSingleAdd,
    EditSingleDel,
    ViewHome,
    ViewMulti,
    ViewSingle,
    ViewCheck,
    ViewSinglePercent,
    ToolClipboard0,
    ToolClipboard1,
    ToolClipboard2,
    ToolClipboard3,
    ToolClipImport,
    ToolRenzoku,
    ToolBacktest,
    ToolLedger,
    HelpHelp,
    HelpVersion,
    Count
};
inline constexpr std::size_t kItemCount = static_cast<std::size_t>(Item::Count);

// Where an item sits: its top menu (0 ファイル .. 4 ヘルプ) and, when not empty, the submenu.
struct ItemInfo
{
    Item Id;
    std::string_view ObjectName;
    std::string_view Caption;
    int Menu;
    std::string_view Submenu;
    // A separator goes before this item.
    bool SeparatorBefore;
    bool Checkable;
};

inline constexpr std::array<std::string_view, 5> kMenuCaptions{
    "ファイル(&F)", "編集(&E)", "表示(&V)", "ツール(&T)", "ヘルプ(&H)"};
inline constexpr std::array<std::string_view, 5> kMenuNames{"mnuFile", "mnuEdit", "mnuView",
                                                            "mnuTool", "mnuHelp"};

const std::array<ItemInfo, kItemCount>& Items();
const ItemInfo& Info(Item id);

struct State
{
    bool Running = false;
    bool WorkLock = false;
    // The batch-run window is running files through the document.
    bool Batch = false;
    int Page = 0;
    // The document's vote record names a round (the payout and popularity sorts need it).
    std::int32_t VoteKaisaikai = 0;
    // The highest grade of the document's round (2 or 3).
    std::int32_t MaxGrade = 3;
    // Items whose command the window has wired; the others stay disabled.
    std::bitset<kItemCount> Wired;
    // The document holds the player's own probabilities (the expected-value and chance sorts).
    bool HasProbability = false;
    // The sort menu's "昇順で並べ替える" tick.
    bool SortAscending = false;
    // The "シングル構成を％で表示" tick.
    bool SinglePercent = false;
    // The work's history has a step back, or one forward.
    bool CanUndo = false;
    bool CanRedo = false;
};

// The state the document gives (running, work lock, vote round, highest grade, probabilities,
// the ascending tick); the window adds the page, the batch flag and its wired items.
State FromDocument(const clsDocument& doc);

bool Enabled(Item id, const State& state);
bool Visible(Item id, const State& state);
bool Checked(Item id, const State& state);

// The sort menu as the 並び替え button shows it: the 編集 menu's sort entries (not by winnings,
// which is the check page's) under the same rules, with their separators.
PopupMenu SortMenu(const State& state);
// The item a chosen entry of SortMenu stands for; none for no choice.
std::optional<Item> SortMenuChoice(const PopupMenuItem* chosen);
} // namespace basMainMenu
