#include "app/qt/clsJoukenTableView.h"

#include "app/basMultiPage.h"
#include "app/clsConditionsFacet.h"
#include "app/frmMenu.h"
#include "app/qt/frmJouken.h"
#include "base/clsGridGeometry.h"
#include "base/qt/basQtText.h"
#include "conditions/clsJoukenPanels.h"
#include "conditions/clsXJoken1.h"
#include "lottery/clsToto.h"
#include "widgets/clsGridView.h"
#include "widgets/clsTabStrip.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr GridColor kGreen = GridColor::FromRgb(128, 255, 128);
constexpr GridColor kRed = GridColor::FromRgb(255, 0, 0);
constexpr GridColor kSpreadColor = GridColor::FromRgb(96, 96, 96);
constexpr std::int32_t kRowHeight = 20;
constexpr std::int32_t kListWidth = 64;
// Wide enough for a compound title of every category but one ("◎+○+▲+△+×").
constexpr std::int32_t kTitleWidth = 112;
constexpr std::int32_t kCountWidth = 22;
// The spread figures are small and grey, so that the marks stay what the eye finds first.
constexpr std::int32_t kSpreadPoints = 7;

GridCellData Heading(std::string strText)
{
    GridCellData cell;
    cell.strText = std::move(strText);
    cell.BackColor = GridColor::ButtonFaceColor();
    cell.Align = GridAlign::Center;
    return cell;
}

clsGridView* NewGrid(const QString& strName, const QString& strAccessible, QWidget* parent)
{
    auto* grid = new clsGridView(parent);
    grid->setObjectName(strName);
    grid->setAccessibleName(strAccessible);
    grid->setFrameShape(QFrame::Box);
    grid->SetFitToCells(true);
    return grid;
}
} // namespace

clsJoukenTableView::FlagListSource::FlagListSource(std::string strCaption,
                                                   std::function<std::int32_t()> fnRows,
                                                   std::function<std::string(std::int32_t)> fnTitle,
                                                   std::function<bool(std::int32_t)> fnFlag)
    : m_caption(std::move(strCaption))
    , m_rows(std::move(fnRows))
    , m_title(std::move(fnTitle))
    , m_flag(std::move(fnFlag))
{}

GridCellData clsJoukenTableView::FlagListSource::Cell(std::int32_t lngRow, std::int32_t) const
{
    if (lngRow == 0) {
        return Heading(m_caption);
    }
    GridCellData cell;
    cell.strText = m_title(lngRow - 1);
    cell.Align = GridAlign::Center;
    if (m_flag(lngRow - 1)) {
        cell.BackColor = kGreen;
    }
    return cell;
}

std::int32_t clsJoukenTableView::CountSource::Rows() const
{
    return m_view.Table().Shown().RowCount + 1;
}

GridCellData clsJoukenTableView::CountSource::Cell(std::int32_t lngRow, std::int32_t lngCol) const
{
    const clsXJoken1& table = m_view.Table();
    const std::int32_t count = lngCol - 1;
    if (lngRow == 0) {
        GridCellData cell = Heading(lngCol == 0 ? "合計" : std::to_string(count));
        if (lngCol > 0 && table.IsRedColumn(count)) {
            cell.ForeColor = kRed;
        }
        return cell;
    }
    if (lngCol == 0) {
        GridCellData cell = Heading(table.RowTitle(lngRow - 1));
        cell.Align = GridAlign::Left;
        return cell;
    }
    GridCellData cell;
    cell.strText = table.CellText(count, lngRow - 1);
    cell.Align = GridAlign::Center;
    if (table.IsRedColumn(count)) {
        cell.ForeColor = kRed;
    }
    // A cell without a mark shows how much of the multi has that count: what a × would drop.
    if (const clsTLiveCount::RowSpread* spread = m_view.Spread(lngRow - 1)) {
        const std::int32_t multi = m_view.m_conditions.LiveResult()->MultiCount;
        const std::int32_t singles = spread->Counts[static_cast<std::size_t>(count)];
        const std::string tip = basMultiPage::SpreadCellTip(count, singles, multi);
        if (cell.strText.empty()) {
            cell.strText = basMultiPage::SpreadCellText(singles, multi);
            cell.lngFontPoints = kSpreadPoints;
            if (!table.IsRedColumn(count)) {
                cell.ForeColor = kSpreadColor;
            }
            cell.strAccessibleText = tip;
        } else {
            cell.strAccessibleText = cell.strText + " " + tip;
        }
    }
    return cell;
}

const clsTLiveCount::RowSpread* clsJoukenTableView::Spread(std::int32_t lngRow) const
{
    const std::optional<clsTLiveCount::Result>& live = m_conditions.LiveResult();
    if (!live || !live->Ok) {
        return nullptr;
    }
    const std::int32_t lngTab = Table().CurrentTab();
    for (const clsTLiveCount::RowSpread& spread : live->Rows) {
        if (spread.Kind == m_kind && spread.Tab == lngTab && spread.Row == lngRow) {
            return &spread;
        }
    }
    return nullptr;
}

clsJoukenTableView::clsJoukenTableView(clsConditionsFacet& conditions, JoukenKind kind,
                                       clsIMenuChooser& chooser, QWidget* parent)
    : QWidget(parent)
    , m_conditions(conditions)
    , m_kind(kind)
    , m_chooser(chooser)
    , m_gameSource(
          "対象試合", [] { return clsToto::kMatchCount; },
          [](std::int32_t r) { return std::to_string(r + 1); },
          [this](std::int32_t r) {
              return Table().Shown().MatchFlags[static_cast<std::size_t>(r)];
          })
    , m_markSource(
          "対象結果", [] { return 3; },
          [](std::int32_t r) {
              return std::to_string(clsXJoken1::kResultRowOutcome[static_cast<std::size_t>(r)]);
          },
          [this](std::int32_t r) {
              const auto outcome = clsXJoken1::kResultRowOutcome[static_cast<std::size_t>(r)];
              return Table().Shown().ResultFlags[static_cast<std::size_t>(outcome)];
          })
    , m_countSource(*this)
{
    const QString suffix = KindSuffix(kind);
    const QString name = basQtText::ToQ(basJouken::KindName(kind));
    setObjectName(QStringLiteral("joukenTable") + suffix);
    setAccessibleName(name);

    m_tabs = new clsTabStrip(this);
    m_tabs->setObjectName(QStringLiteral("picTab") + suffix);
    m_tabs->setAccessibleName(name + QStringLiteral(" タブ"));
    QStringList captions;
    for (std::int32_t t = 0; t < kJoukenTabs; ++t) {
        captions.push_back(basQtText::ToQ(basJouken::TabName(t)));
    }
    m_tabs->SetCaptions(captions);
    m_tabs->setToolTip(QStringLiteral("条件表を切り替えます。表ごとに別の条件を決められます"));

    m_chkFlg = new QCheckBox(QStringLiteral(" 下の×と△マークを削除する"), this);
    m_chkFlg->setObjectName(QStringLiteral("chkFlg") + suffix);
    m_chkFlg->setAccessibleName(m_chkFlg->text().trimmed());
    m_chkFlg->setToolTip(QStringLiteral("この表で×や△を付けた口数のシングルを削ります"));

    m_game = NewGrid(QStringLiteral("picGame") + suffix, QStringLiteral("対象試合"), this);
    m_game->SetSource(m_gameSource);
    m_game->setToolTip(QStringLiteral(
        "数える試合。クリックで入れる・外すを切り替え、右クリックでまとめて選びます"));
    m_game->SetGeometry96(clsGridGeometry::Uniform(clsToto::kMatchCount + 1, kRowHeight, 1,
                                                   kListWidth, clsGridGeometry::kBaseDpi));
    m_mark = NewGrid(QStringLiteral("picMark") + suffix, QStringLiteral("対象結果"), this);
    m_mark->SetSource(m_markSource);
    m_mark->setToolTip(
        QStringLiteral("数える結果（1・0・2）。クリックで入れる・外すを切り替えます"));
    m_mark->SetGeometry96(
        clsGridGeometry::Uniform(4, kRowHeight, 1, kListWidth, clsGridGeometry::kBaseDpi));
    m_count = NewGrid(QStringLiteral("picMulti") + suffix, name + QStringLiteral(" 条件表"), this);
    m_count->SetSource(m_countSource);
    m_count->setToolTip(QStringLiteral(
        "選んだ試合で当たる数ごとに、残す○と削る×を付けます。右クリックでメニューを開きます"));

    // Side by side, top-aligned: the page is no taller than the match list.
    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    body->addWidget(m_count, 0, Qt::AlignTop);
    body->addWidget(m_game, 0, Qt::AlignTop);
    body->addWidget(m_mark, 0, Qt::AlignTop);
    body->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(m_tabs);
    column->addWidget(m_chkFlg);
    column->addLayout(body, 1);

    connect(m_tabs, &clsTabStrip::TabChanged, this, &clsJoukenTableView::OnTabChanged);
    connect(m_chkFlg, &QCheckBox::clicked, this,
            [this](bool blnChecked) { Edit([&](clsXJoken1& t) { t.SetApplied(blnChecked); }); });
    connect(m_game, &clsGridView::CellClicked, this,
            [this](int lngRow, int, Qt::MouseButton button) { OnGameClicked(lngRow, button); });
    connect(m_mark, &clsGridView::CellClicked, this,
            [this](int lngRow, int, Qt::MouseButton button) { OnMarkClicked(lngRow, button); });
    connect(m_count, &clsGridView::CellClicked, this, &clsJoukenTableView::OnCountClicked);

    m_changed = m_conditions.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartConditions) != 0) {
            Refresh();
        } else if ((lngParts & DocumentParts::PartLive) != 0) {
            m_count->Refresh();
        }
    });
    Refresh();
}

QString clsJoukenTableView::KindSuffix(JoukenKind kind)
{
    switch (kind) {
    case JoukenKind::Honmei:
        return QStringLiteral("Honmei");
    case JoukenKind::Ninki:
        return QStringLiteral("Ninki");
    case JoukenKind::Mark:
        return QStringLiteral("Mark");
    }
    return {};
}

const clsXJoken1& clsJoukenTableView::Table() const
{
    return m_conditions.JoukenPanels().Table(m_kind);
}

bool clsJoukenTableView::Edit(const std::function<void(clsXJoken1&)>& fnEdit)
{
    return m_conditions.EditJouken([&](clsJoukenPanels& panels) { fnEdit(panels.Table(m_kind)); });
}

void clsJoukenTableView::Refresh()
{
    const clsXJoken1& table = Table();
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->SetCurrentTab(table.CurrentTab());
    }
    m_chkFlg->setChecked(table.AppliedChecked());
    m_chkFlg->setEnabled(table.AppliedEnabled());
    m_game->setVisible(table.TargetListsVisible());
    m_mark->setVisible(table.TargetListsVisible());
    const std::int32_t rows = table.Shown().RowCount;
    if (rows != m_countRows) {
        m_countRows = rows;
        std::vector<std::int32_t> widths(kCountColumns + 1, kCountWidth);
        widths[0] = kTitleWidth;
        m_count->SetGeometry96(clsGridGeometry(std::vector<std::int32_t>(rows + 1, kRowHeight),
                                               widths, clsGridGeometry::kBaseDpi));
    }
    m_game->Refresh();
    m_mark->Refresh();
    m_count->Refresh();
}

void clsJoukenTableView::OnTabChanged(int lngTab)
{
    m_conditions.ShowJoukenTab(m_kind, lngTab);
    // A refused edit keeps the tab the document shows, and is no tab click.
    Refresh();
    if (Table().CurrentTab() == lngTab) {
        emit TableTabClicked();
    }
}

void clsJoukenTableView::OnGameClicked(int lngRow, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        FlagListMenu([](clsXJoken1& t, bool blnValue) { t.SetAllMatches(blnValue); });
    } else if (button == Qt::LeftButton && lngRow > 0) {
        Edit([&](clsXJoken1& t) { t.ToggleMatch(lngRow - 1); });
    }
}

void clsJoukenTableView::OnMarkClicked(int lngRow, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        FlagListMenu([](clsXJoken1& t, bool blnValue) { t.SetAllResults(blnValue); });
    } else if (button == Qt::LeftButton && lngRow > 0) {
        Edit([&](clsXJoken1& t) { t.ToggleResultRow(lngRow - 1); });
    }
}

void clsJoukenTableView::FlagListMenu(const std::function<void(clsXJoken1&, bool)>& fnSetAll)
{
    frmMenu menu;
    const std::int32_t index = menu.Show(frmMenu::Kind::GridB, m_chooser);
    if (index == 1 || index == 2) {
        Edit([&](clsXJoken1& t) { fnSetAll(t, index == 1); });
    }
}

void clsJoukenTableView::OnCountClicked(int lngRow, int lngCol, Qt::MouseButton button,
                                        Qt::KeyboardModifiers modifiers)
{
    if (Table().ClickCancel() || lngRow < 0 || lngCol < 0) {
        return;
    }
    const bool right = button == Qt::RightButton;
    if (!right && button != Qt::LeftButton) {
        return;
    }
    if (lngRow == 0) {
        if (!right) {
            return;
        }
        frmMenu menu;
        const std::int32_t index = menu.Show(frmMenu::Kind::GridMT, m_chooser);
        if (index >= 1 && index <= 3) {
            const auto action = static_cast<clsXJoken1::HeadAction>(index - 1);
            Edit([&](clsXJoken1& t) { t.HeadMenu(action); });
        }
        return;
    }
    const std::int32_t row = lngRow - 1;
    if (lngCol == 0) {
        frmMenu menu;
        const std::int32_t index = menu.Show(frmMenu::Kind::GridML, m_chooser);
        if (index == 1) {
            emit KouseiBunsekiRequested(m_kind, Table().CurrentTab(), row);
        } else if (index == 2) {
            OpenCompound(row);
        }
        return;
    }
    const std::int32_t count = lngCol - 1;
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    if (right && !shift && !ctrl) {
        frmMenu menu;
        const std::int32_t index = menu.Show(frmMenu::Kind::GridMC, m_chooser);
        if (index >= 1 && index <= 8) {
            const auto action = static_cast<clsXJoken1::CellAction>(index - 1);
            Edit([&](clsXJoken1& t) { t.CellMenu(count, row, action); });
        }
        return;
    }
    Edit([&](clsXJoken1& t) { t.CellClick(count, row, right, shift, ctrl); });
}

void clsJoukenTableView::OpenCompound(std::int32_t lngRow)
{
    bool opened = false;
    Edit([&](clsXJoken1& t) { opened = t.CompoundOpen(lngRow); });
    if (!opened) {
        return;
    }
    m_dialog = new frmJouken(m_conditions, m_kind, this);
    m_dialog->open();
}
