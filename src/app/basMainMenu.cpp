#include "app/basMainMenu.h"

#include "app/clsDocument.h"
#include "app/clsTicketSet.h"
#include "base/PopupMenu.h"
#include "lottery/clsToto.h"

#include <optional>

namespace basMainMenu {
namespace {
constexpr int kPageSingle = 2;
constexpr int kPageCheck = 3;

using I = Item;
constexpr std::array<ItemInfo, kItemCount> kItems{{
    {I::FileNew, "mnuFile_New", "新規作成(&N)", 0, "", false, false},
    {I::FileOpen, "mnuFile_Open", "開く(&O)...", 0, "", false, false},
    {I::FileSave, "mnuFile_Save", "上書き保存(&S)", 0, "", false, false},
    {I::FileSaveAs, "mnuFile_SaveAs", "名前を付けて保存(&A)...", 0, "", false, false},
    {I::FileJoukenOpen, "mnuFile_Jouken_Open", "開く...", 0, "条件 ファイル", true, false},
    {I::FileJoukenSave, "mnuFile_Jouken_Save", "保存...", 0, "条件 ファイル", false, false},
    {I::FileCsvOpen, "mnuFile_Csv_Open", "開く...", 0, "CSV ファイル", false, false},
    {I::FileCsvSave, "mnuFile_Csv_Save", "保存...", 0, "CSV ファイル", false, false},
    {I::FileCsvAdd, "mnuFile_Csv_Add", "現在のシングルに追加...", 0, "CSV ファイル", true, false},
    {I::FileCsvDel, "mnuFile_Csv_Del", "現在のシングルから削除...", 0, "CSV ファイル", false,
     false},
    {I::FilePrint, "mnuFile_Print", "印刷(&P)...", 0, "", true, false},
    {I::FileEnd, "mnuFile_End", "終了(&X)", 0, "", true, false},
    {I::EditUndo, "mnuEdit_Undo", "元に戻す(&U)", 1, "", false, false},
    {I::EditRedo, "mnuEdit_Redo", "やり直し(&R)", 1, "", false, false},
    {I::EditSortPayout1, "mnuEdit_Sort_Payout1", "１等推定金額", 1, "シングル並べ替え", false,
     false},
    {I::EditSortPayout2, "mnuEdit_Sort_Payout2", "２等推定金額", 1, "シングル並べ替え", false,
     false},
    {I::EditSortPayout3, "mnuEdit_Sort_Payout3", "３等推定金額", 1, "シングル並べ替え", false,
     false},
    {I::EditSortHome, "mnuEdit_Sort_Home", "ホーム勝ち", 1, "シングル並べ替え", true, false},
    {I::EditSortDraw, "mnuEdit_Sort_Draw", "その他", 1, "シングル並べ替え", false, false},
    {I::EditSortAway, "mnuEdit_Sort_Away", "アウェイ勝ち", 1, "シングル並べ替え", false, false},
    {I::EditSortNinki1, "mnuEdit_Sort_Ninki1", "１番人気", 1, "シングル並べ替え", true, false},
    {I::EditSortNinki2, "mnuEdit_Sort_Ninki2", "２番人気", 1, "シングル並べ替え", false, false},
    {I::EditSortNinki3, "mnuEdit_Sort_Ninki3", "３番人気", 1, "シングル並べ替え", false, false},
    {I::EditSortEV, "mnuEdit_Sort_EV", "期待値", 1, "シングル並べ替え", true, false},
    {I::EditSortP, "mnuEdit_Sort_P", "的中確率", 1, "シングル並べ替え", false, false},
    {I::EditSortResult, "mnuEdit_Sort_Result", "当せん数", 1, "シングル並べ替え", true, false},
    {I::EditSortAscending, "mnuEdit_Sort_Ascending", "昇順で並べ替える", 1, "シングル並べ替え",
     true, true},
    {I::EditJSingleDel, "mnuEdit_JSingleDel", "重複シングル削除", 1, "", false, false},
    {I::EditSelectAll, "mnuEdit_Select0", "全てのシングルを選択", 1, "", true, false},
    {I::EditSelectNone, "mnuEdit_Select1", "全てのシングル選択を解除", 1, "", false, false},
    {I::EditSingleAdd, "mnuEdit_SingleAdd", "シングルを追加", 1, "", true, false},
    {I::EditSingleDel, "mnuEdit_SingleDel", "選択シングルを削除", 1, "", false, false},
    {I::ViewHome, "mnuView_Menu0", "ホーム", 2, "", false, true},
    {I::ViewMulti, "mnuView_Menu1", "マルチ", 2, "", false, true},
    {I::ViewSingle, "mnuView_Menu2", "シングル", 2, "", false, true},
    {I::ViewCheck, "mnuView_Menu3", "チェック", 2, "", false, true},
    {I::ViewSinglePercent, "mnuView_SinglePercent", "シングル構成を％で表示", 2, "", true, true},
    {I::ToolClipboard0, "mnuTool_Clipboard0", "予想（条件無し）", 3, "クリップボードにコピー",
     false, false},
    {I::ToolClipboard1, "mnuTool_Clipboard1", "予想（条件有り）", 3, "クリップボードにコピー",
     false, false},
    {I::ToolClipboard2, "mnuTool_Clipboard2", "買い目（１口が行）", 3, "クリップボードにコピー",
     true, false},
    {I::ToolClipboard3, "mnuTool_Clipboard3", "買い目（１口が列）", 3, "クリップボードにコピー",
     false, false},
    {I::ToolClipImport, "mnuTool_ClipImport0", "買い目（１口が行）", 3,
     "クリップボードから取り込み", false, false},
    {I::ToolRenzoku, "mnuTool_Renzoku", "連続実行...", 3, "", true, false},
    {I::ToolBacktest, "mnuTool_Backtest", "バックテスト...", 3, "", false, false},
    {I::ToolLedger, "mnuTool_Ledger", "収支", 3, "", false, false},
    {I::HelpHelp, "mnuHelp_Help", "オンラインマニュアル", 4, "", false, false},
    {I::HelpVersion, "mnuHelp_Version", "バージョン情報", 4, "", true, false},
}};

// The sort entries in the order of the ticket set's sort kinds.
static_assert(static_cast<int>(I::EditSortP) - static_cast<int>(I::EditSortPayout1) ==
              static_cast<int>(clsTicketSet::kLastSortKind));
std::optional<clsTicketSet::SortKind> SortKindOf(Item id)
{
    if (id < I::EditSortPayout1 || id > I::EditSortP) {
        return std::nullopt;
    }
    return static_cast<clsTicketSet::SortKind>(static_cast<int>(id) -
                                               static_cast<int>(I::EditSortPayout1));
}
} // namespace

const std::array<ItemInfo, kItemCount>& Items()
{
    return kItems;
}

const ItemInfo& Info(Item id)
{
    return kItems[static_cast<std::size_t>(id)];
}

bool Visible(Item id, const State& state)
{
    const auto kind = SortKindOf(id);
    return !kind || clsTicketSet::SortVisible(*kind, state.MaxGrade);
}

bool Checked(Item id, const State& state)
{
    return (id == I::EditSortAscending && state.SortAscending) ||
           (id == I::ViewSinglePercent && state.SinglePercent);
}

State FromDocument(const clsDocument& doc)
{
    State state;
    state.Running = doc.Edit().Running();
    state.WorkLock = doc.Edit().WorkLock();
    state.Batch = doc.Edit().Batch();
    state.VoteKaisaikai = doc.Round().Vote().Kaisaikai;
    state.MaxGrade = clsToto::GetMaxGrade(doc.Round().Kaisaikai());
    state.SortAscending = doc.Tickets().SortAscending();
    state.HasProbability = doc.Round().Probability().has_value();
    state.SinglePercent = doc.Tickets().SinglePercent();
    state.CanUndo = doc.History().CanUndo();
    state.CanRedo = doc.History().CanRedo();
    return state;
}

bool Enabled(Item id, const State& state)
{
    if (id == I::Count || !state.Wired.test(static_cast<std::size_t>(id))) {
        return false;
    }
    // A run or a batch owns the document until it ends; a locked document is half-way through
    // a read, a write or a replacement of its tickets.
    if (state.Running || state.Batch || state.WorkLock) {
        return false;
    }
    if (!Visible(id, state)) {
        return false;
    }
    if (const auto kind = SortKindOf(id)) {
        return clsTicketSet::SortAvailable(*kind, state.VoteKaisaikai, state.MaxGrade,
                                           state.HasProbability);
    }
    switch (id) {
    case I::EditUndo:
        return state.CanUndo;
    case I::EditRedo:
        return state.CanRedo;
    case I::EditSelectAll:
    case I::EditSelectNone:
    case I::EditSingleAdd:
    case I::EditSingleDel:
        return state.Page == kPageSingle;
    case I::EditSortResult:
        return state.Page == kPageCheck;
    default:
        break;
    }
    return true;
}

PopupMenu SortMenu(const State& state)
{
    PopupMenu menu;
    menu.Name = "mnuEdit_Sort";
    for (int id = static_cast<int>(I::EditSortPayout1);
         id <= static_cast<int>(I::EditSortAscending); ++id) {
        const auto item = static_cast<I>(id);
        if (item == I::EditSortResult) {
            continue;
        }
        const ItemInfo& info = Info(item);
        if (info.SeparatorBefore) {
            PopupMenuItem separator;
            separator.Caption = "-";
            menu.Items.push_back(separator);
        }
        PopupMenuItem entry;
        entry.Caption = std::string(info.Caption);
        entry.Visible = Visible(item, state);
        entry.Enabled = Enabled(item, state);
        entry.Checked = Checked(item, state);
        entry.Index = id + 1;
        menu.Items.push_back(entry);
    }
    return menu;
}

std::optional<Item> SortMenuChoice(const PopupMenuItem* chosen)
{
    if (chosen == nullptr || chosen->Index <= 0 ||
        chosen->Index > static_cast<int>(I::EditSortAscending) + 1) {
        return std::nullopt;
    }
    return static_cast<I>(chosen->Index - 1);
}
} // namespace basMainMenu
