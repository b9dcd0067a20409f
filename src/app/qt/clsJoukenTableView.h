#pragma once
// One condition table on screen (本命, 人気 or 勝敗): its 29-tab strip, the tab's check box, the
// target lists and the count table, drawn from the document's panel and edited only through
// the document. The condition panel owns three.

#include "app/qt/frmJouken.h"
#include "base/clsIGridSource.h"
#include "base/clsSubscription.h"
#include "conditions/ConditionTableEntry.h"
#include "conditions/clsTLiveCount.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class clsConditionsFacet;
class clsGridView;
class clsIMenuChooser;
class clsTabStrip;
class clsXJoken1;

class clsJoukenTableView : public QWidget
{
    Q_OBJECT

public:
    clsJoukenTableView(clsConditionsFacet& conditions, JoukenKind kind, clsIMenuChooser& chooser,
                       QWidget* parent);

    JoukenKind Kind() const { return m_kind; }
    clsTabStrip* Tabs() const { return m_tabs; }
    clsGridView* GameList() const { return m_game; }
    clsGridView* MarkList() const { return m_mark; }
    clsGridView* CountTable() const { return m_count; }
    // The compound-row dialog while it is open, else null.
    frmJouken* CompoundDialog() const { return m_dialog; }

    // "Honmei", "Ninki", "Mark": the object names' suffix.
    static QString KindSuffix(JoukenKind kind);

signals:
    void KouseiBunsekiRequested(JoukenKind kind, int lngTab, int lngRow);
    void TableTabClicked();

private:
    // One column: a heading cell, then the rows; true rows are green.
    class FlagListSource final : public clsIGridSource
    {
    public:
        FlagListSource(std::string strCaption, std::function<std::int32_t()> fnRows,
                       std::function<std::string(std::int32_t)> fnTitle,
                       std::function<bool(std::int32_t)> fnFlag);
        std::int32_t Rows() const override { return m_rows() + 1; }
        std::int32_t Cols() const override { return 1; }
        GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    private:
        std::string m_caption;
        std::function<std::int32_t()> m_rows;
        std::function<std::string(std::int32_t)> m_title;
        std::function<bool(std::int32_t)> m_flag;
    };
    // Heading row "合計", 0..13 over the row titles and the marks of the shown tab.
    class CountSource final : public clsIGridSource
    {
    public:
        explicit CountSource(const clsJoukenTableView& view)
            : m_view(view)
        {}
        std::int32_t Rows() const override;
        std::int32_t Cols() const override { return kCountColumns + 1; }
        GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override;

    private:
        const clsJoukenTableView& m_view;
    };

    const clsXJoken1& Table() const;
    // The live spread of row lngRow of the shown tab, when one has been counted for it.
    const clsTLiveCount::RowSpread* Spread(std::int32_t lngRow) const;
    bool Edit(const std::function<void(clsXJoken1&)>& fnEdit);
    void Refresh();
    void OnTabChanged(int lngTab);
    void OnGameClicked(int lngRow, Qt::MouseButton button);
    void OnMarkClicked(int lngRow, Qt::MouseButton button);
    // The target-list menu: 全て対象 / 全て対象外; nothing for any other choice.
    void FlagListMenu(const std::function<void(clsXJoken1&, bool)>& fnSetAll);
    void OnCountClicked(int lngRow, int lngCol, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers);
    void OpenCompound(std::int32_t lngRow);

    clsConditionsFacet& m_conditions;
    JoukenKind m_kind;
    clsIMenuChooser& m_chooser;
    FlagListSource m_gameSource;
    FlagListSource m_markSource;
    CountSource m_countSource;
    clsTabStrip* m_tabs = nullptr;
    QCheckBox* m_chkFlg = nullptr;
    clsGridView* m_game = nullptr;
    clsGridView* m_mark = nullptr;
    clsGridView* m_count = nullptr;
    QPointer<frmJouken> m_dialog;
    std::int32_t m_countRows = -1; // rows the count table was sized for
    clsSubscription m_changed;
};
