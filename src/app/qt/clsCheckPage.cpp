#include "app/qt/clsCheckPage.h"

#include "base/clsIGridSource.h"
#include "lottery/clsToto.h"
#include "results/clsTResult.h"
#include "results/clsTResultBalance.h"
#include "widgets/clsGridView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <string>
#include <utility>
#include <vector>

namespace {
GridColor Rgb(std::uint32_t lngRgb)
{
    return {GridColor::Kind::Rgb, lngRgb};
}

GridCellData Heading(std::string strText)
{
    GridCellData cell;
    cell.strText = std::move(strText);
    cell.BackColor = GridColor::ButtonFaceColor();
    cell.Align = GridAlign::Center;
    return cell;
}

std::string MatchName(std::int32_t lngMatch)
{
    return "第" + std::to_string(lngMatch + 1) + "試合";
}

// Columns "1", "0", "2" over the 13 matches; a mark symbol in each outcome cell.
class EntrySource final : public clsIGridSource
{
public:
    explicit EntrySource(const clsCheckFacet& check)
        : m_check(check)
    {}
    std::int32_t Rows() const override { return clsToto::kMatchCount + 1; }
    std::int32_t Cols() const override { return 3; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        const std::int32_t outcome = clsTMultiResult::ColumnOutcome(lngCol);
        if (lngRow == 0) {
            return Heading(std::to_string(outcome));
        }
        GridCellData cell;
        cell.strText = m_check.Checker().Entry().CellText(outcome, lngRow - 1);
        cell.Align = GridAlign::Center;
        cell.strAccessibleText = MatchName(lngRow - 1) + " " + std::to_string(outcome) + " " +
                                 (cell.strText.empty() ? std::string("未入力") : cell.strText);
        return cell;
    }

private:
    const clsCheckFacet& m_check;
};

// Ten singles a page: the digits on their hit colours, the grade value at the foot.
class PageSource final : public clsIGridSource
{
public:
    explicit PageSource(const clsCheckFacet& check)
        : m_check(check)
    {}
    std::int32_t Rows() const override { return clsTResultGrid::kRows; }
    std::int32_t Cols() const override { return clsTResultGrid::kColumns; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        const clsTResultGrid& grid = m_check.Checker().Grid();
        GridCellData cell;
        cell.strText = grid.CellText(lngRow, lngCol);
        cell.Align = GridAlign::Center;
        if (lngRow == 0) {
            cell.BackColor = GridColor::ButtonFaceColor();
            return cell;
        }
        cell.BackColor = Rgb(grid.CellColor(lngRow, lngCol));
        const clsTResultGrid::Column& column = grid.GetColumn(lngCol);
        if (!column.Used) {
            return cell;
        }
        if (lngRow == clsTResultGrid::kRows - 1) {
            cell.blnBold = true;
            cell.strAccessibleText = std::to_string(lngCol + 1) + "列 " + cell.strText + "等";
        } else {
            static constexpr const char* kHit[] = {"はずれ", "的中", "的中", "中止", "結果なし"};
            const auto hit = column.Color[static_cast<std::size_t>(lngRow - 1)];
            cell.strAccessibleText = std::to_string(lngCol + 1) + "列 " + MatchName(lngRow - 1) +
                                     " " + cell.strText + " " + (hit <= 4 ? kHit[hit] : "");
        }
        return cell;
    }

private:
    const clsCheckFacet& m_check;
};

// "1等" .. "14等" with the count and share; prize rows in blue; "－" until a result is known.
class GradeSource final : public clsIGridSource
{
public:
    explicit GradeSource(const clsCheckFacet& check)
        : m_check(check)
    {}
    std::int32_t Rows() const override { return 15; }
    std::int32_t Cols() const override { return 3; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        const clsTResultGrade& grade = m_check.Checker().GradeTable();
        if (lngRow == 0) {
            return Heading(lngCol == 0 ? std::string("等級") : grade.Heading(lngCol - 1));
        }
        const std::int32_t row = lngRow - 1;
        GridCellData cell;
        cell.ForeColor = Rgb(grade.TextColor(row));
        if (lngCol == 0) {
            cell.strText = grade.Label(row);
            cell.BackColor = GridColor::ButtonFaceColor();
            cell.Align = GridAlign::Center;
        } else {
            cell.strText = grade.ValueText(row, lngCol - 1);
            cell.Align = GridAlign::Right;
        }
        return cell;
    }

private:
    const clsCheckFacet& m_check;
};

// Grades 1 to 3 and the total: the official figures beside the set's own. A row of group
// headings above the column headings tells the two 当せん口数 columns apart.
class PrizeSource final : public clsIGridSource
{
public:
    static constexpr std::int32_t kHeadRows = 2;

    explicit PrizeSource(const clsCheckFacet& check)
        : m_check(check)
    {}
    std::int32_t Rows() const override { return clsTResultKakutei::kRows + kHeadRows; }
    std::int32_t Cols() const override { return clsTResultKakutei::kColumns + 1; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        if (lngRow < kHeadRows) {
            if (lngCol == 0) {
                return Heading(std::string());
            }
            const std::string group = clsTResultKakutei::Group(lngCol - 1);
            GridCellData cell =
                Heading(lngRow == 0 ? group : clsTResultKakutei::Heading(lngCol - 1));
            cell.strAccessibleText = group + "の" + clsTResultKakutei::Heading(lngCol - 1);
            return cell;
        }
        const std::int32_t row = lngRow - kHeadRows;
        if (lngCol == 0) {
            return Heading(clsTResultKakutei::RowLabel(row));
        }
        const clsTResultKakutei& prize = m_check.Checker().Kakutei();
        GridCellData cell;
        cell.strText = prize.CellText(row, lngCol - 1);
        cell.Align = GridAlign::Right;
        if (prize.Highlighted(row, lngCol - 1)) {
            cell.ForeColor = Rgb(ResultColor::Highlight);
        }
        return cell;
    }

private:
    const clsCheckFacet& m_check;
};

clsGridGeometry EntryGeometry()
{
    // Level with the second round view's match rows beside it.
    std::vector<std::int32_t> rows(clsToto::kMatchCount + 1, 21);
    rows[0] = 20;
    return clsGridGeometry(rows, {30, 30, 30});
}

clsGridGeometry PageGeometry()
{
    std::vector<std::int32_t> rows(clsTResultGrid::kRows, 21);
    rows[0] = 20;
    return clsGridGeometry(rows, std::vector<std::int32_t>(clsTResultGrid::kColumns, 26));
}

clsGridView* Grid(const char* strName, const QString& strAccessible, const clsIGridSource& source,
                  const clsGridGeometry& geometry, QWidget* parent)
{
    auto* grid = new clsGridView(parent);
    grid->setObjectName(QString::fromLatin1(strName));
    grid->setAccessibleName(strAccessible);
    grid->SetSource(source);
    grid->SetGeometry96(geometry);
    grid->SetFitToCells(true);
    return grid;
}

QPushButton* Button(const QString& strCaption, const char* strName, QWidget* parent)
{
    auto* button = new QPushButton(strCaption, parent);
    button->setObjectName(QString::fromLatin1(strName));
    button->setAccessibleName(strCaption);
    return button;
}

QToolButton* Arrow(Qt::ArrowType type, const char* strName, const QString& strAccessible,
                   QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(strName));
    button->setArrowType(type);
    button->setAccessibleName(strAccessible);
    button->setToolTip(strAccessible);
    return button;
}

// One legend entry: a swatch of the colour and what it means.
QWidget* Legend(std::uint32_t lngRgb, const QString& strText, QWidget* parent)
{
    auto* entry = new QWidget(parent);
    auto* row = new QHBoxLayout(entry);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto* swatch = new QLabel(entry);
    swatch->setFixedSize(28, 14);
    swatch->setFrameShape(QFrame::Box);
    swatch->setStyleSheet(QStringLiteral("background-color: #%1; border: 1px solid gray;")
                              .arg(lngRgb, 6, 16, QLatin1Char('0')));
    swatch->setAccessibleName(strText);
    auto* label = new QLabel(strText, entry);
    row->addWidget(swatch);
    row->addWidget(label);
    row->addStretch(1);
    return entry;
}
} // namespace

clsCheckPage::clsCheckPage(clsCheckFacet& check, clsTicketsFacet& tickets, QWidget* objRoundView,
                           QWidget* parent)
    : QWidget(parent)
    , m_check(check)
    , m_tickets(tickets)
    , m_entrySource(std::make_unique<EntrySource>(check))
    , m_pageSource(std::make_unique<PageSource>(check))
    , m_gradeSource(std::make_unique<GradeSource>(check))
    , m_prizeSource(std::make_unique<PrizeSource>(check))
{
    setObjectName(QStringLiteral("frmCheck"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    m_entry =
        Grid("picResultMulti", QStringLiteral("結果入力"), *m_entrySource, EntryGeometry(), this);
    m_page = Grid("picResult", QStringLiteral("結果一覧"), *m_pageSource, PageGeometry(), this);
    m_grade = Grid("picResultGrade", QStringLiteral("等級別口数"), *m_gradeSource,
                   clsGridGeometry(std::vector<std::int32_t>(15, 20), {50, 72, 50}), this);
    m_prize =
        Grid("picResultKakutei", QStringLiteral("確定当せん金"), *m_prizeSource,
             clsGridGeometry(std::vector<std::int32_t>(6, 20), {44, 112, 80, 104, 80, 112}), this);
    m_countView = Grid("picResultCount", QStringLiteral("シングル構成"), m_countSource,
                       clsTCountGrid::Geometry96(), this);
    // Hidden by a click, it keeps its place: the page does not jump.
    QSizePolicy keep = m_countView->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_countView->setSizePolicy(keep);

    auto* countCaption = new QLabel(QStringLiteral("口数"), this);
    m_lblCount = new QLabel(this);
    m_lblCount->setObjectName(QStringLiteral("lblResultSingleCount"));
    m_lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblCount->setMinimumWidth(72);
    countCaption->setBuddy(m_lblCount);
    m_cmdPrevious = Arrow(Qt::LeftArrow, "cmdResultPrevious", QStringLiteral("前のページ"), this);
    m_cmdNext = Arrow(Qt::RightArrow, "cmdResultNext", QStringLiteral("次のページ"), this);
    m_lblPage = new QLabel(this);
    m_lblPage->setObjectName(QStringLiteral("lblResultPage"));
    m_lblPage->setAlignment(Qt::AlignCenter);
    m_lblPage->setMinimumWidth(64);
    auto* paging = new QHBoxLayout();
    paging->addWidget(countCaption);
    paging->addWidget(m_lblCount);
    paging->addSpacing(12);
    paging->addWidget(m_cmdPrevious);
    paging->addWidget(m_lblPage);
    paging->addWidget(m_cmdNext);
    paging->addStretch(1);

    auto* pageColumn = new QVBoxLayout();
    pageColumn->addWidget(m_page, 0, Qt::AlignLeft | Qt::AlignTop);
    pageColumn->addLayout(paging);
    pageColumn->addStretch(1);

    auto* top = new QHBoxLayout();
    top->setSpacing(12);
    if (objRoundView != nullptr) {
        objRoundView->setParent(this);
        top->addWidget(objRoundView, 0, Qt::AlignTop);
    }
    top->addWidget(m_entry, 0, Qt::AlignTop);
    top->addLayout(pageColumn, 0);
    top->addWidget(m_countView, 0, Qt::AlignTop);
    top->addStretch(1);

    m_cmdViewAll = Button(QStringLiteral("全ての結果を表示"), "cmdResultViewAll", this);
    m_cmdViewNext = Button(QStringLiteral("次の結果を表示"), "cmdResultViewNext", this);
    m_cmdSort = Button(QStringLiteral("当せん数順"), "cmdSortResult", this);
    m_chkAll = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), this);
    m_chkAll->setObjectName(QStringLiteral("chkResultAll"));
    m_chkAll->setAccessibleName(m_chkAll->text());
    m_cmdViewAll->setToolTip(
        QStringLiteral("まだ見ていない試合の結果をすべて表示し、当たりを数えます"));
    m_cmdViewNext->setToolTip(QStringLiteral("結果を１試合ずつ表示し、そこまでの当たりを数えます"));
    m_cmdSort->setToolTip(QStringLiteral("当たりの多いシングルから順に並べ替えます"));
    m_chkAll->setToolTip(QStringLiteral("結果を読み込んだら、すぐに全試合の結果を表示します"));
    m_entry->setToolTip(
        QStringLiteral("試合結果の入力。クリックで1・0・2を選び、右クリックでメニューを開きます"));
    m_countView->setToolTip(QStringLiteral("クリックで口数と％の表示を切り替えます"));

    auto* legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("fraResultLegend"));
    legend->setAccessibleName(QStringLiteral("色の説明"));
    auto* legendGrid = new QGridLayout(legend);
    legendGrid->setContentsMargins(0, 0, 0, 0);
    static constexpr const char* kLegend[] = {"的中", "中止", "はずれ", "当せん"};
    const auto colors = clsTResultGrid::LegendColors();
    for (std::size_t i = 0; i < colors.size(); ++i) {
        legendGrid->addWidget(Legend(colors[i], QString::fromUtf8(kLegend[i]), legend),
                              static_cast<int>(i / 2), static_cast<int>(i % 2));
    }

    auto* commands = new QVBoxLayout();
    commands->addWidget(legend);
    commands->addSpacing(8);
    commands->addWidget(m_cmdViewAll);
    commands->addWidget(m_cmdViewNext);
    commands->addWidget(m_chkAll);
    commands->addSpacing(8);
    commands->addWidget(m_cmdSort);
    commands->addStretch(1);

    // What the set cost and brought back, under the prize table it comes from.
    auto* money = new QGridLayout();
    money->setHorizontalSpacing(8);
    const std::pair<const char*, QLabel**> moneyRows[] = {
        {"lblResultCost", &m_lblCost},
        {"lblResultWinnings", &m_lblWinnings},
        {"lblResultBalance", &m_lblBalance},
        {"lblResultReturn", &m_lblReturn},
    };
    static constexpr const char* kMoneyCaption[] = {"購入金額", "当せん金額", "収支", "回収率"};
    for (int i = 0; i < 4; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(kMoneyCaption[i]), this);
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(moneyRows[i].first));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(120);
        caption->setBuddy(value);
        *moneyRows[i].second = value;
        money->addWidget(caption, i, 0);
        money->addWidget(value, i, 1);
    }
    m_chkBought = new QCheckBox(QStringLiteral("購入済み"), this);
    m_chkBought->setObjectName(QStringLiteral("chkBought"));
    m_chkBought->setAccessibleName(m_chkBought->text());
    m_chkBought->setToolTip(QStringLiteral("このデータファイルを買った組として ツール → 収支 "
                                           "に加えます（データファイルには書きません）"));
    m_chkBought->setEnabled(false);
    money->addWidget(m_chkBought, 4, 0, 1, 2);
    money->setColumnStretch(2, 1);
    auto* prizeColumn = new QVBoxLayout();
    prizeColumn->addWidget(m_prize, 0, Qt::AlignLeft | Qt::AlignTop);
    prizeColumn->addLayout(money);
    prizeColumn->addStretch(1);

    auto* bottom = new QHBoxLayout();
    bottom->setSpacing(12);
    bottom->addWidget(m_grade, 0, Qt::AlignTop);
    bottom->addLayout(prizeColumn, 0);
    bottom->addLayout(commands, 0);
    bottom->addStretch(1);

    column->addLayout(top);
    column->addLayout(bottom);
    column->addStretch(1);

    connect(m_entry, &clsGridView::CellClicked, this,
            [this](int lngRow, int lngCol, Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (lngRow < 1 || lngCol < 0) {
                    return;
                }
                if (button == Qt::LeftButton) {
                    m_check.ResultEntryClick(clsTMultiResult::ColumnOutcome(lngCol), lngRow - 1);
                } else if (button == Qt::RightButton) {
                    m_check.ResultEntryMenu(lngRow - 1);
                }
            });
    connect(
        m_countView, &clsGridView::CellClicked, this,
        [this](int, int, Qt::MouseButton, Qt::KeyboardModifiers) { m_check.ResultCountClick(); });
    // A double click arrives as a second click: it moves two pages.
    connect(m_cmdPrevious, &QToolButton::clicked, this,
            [this] { m_check.ResultMovePage(m_check.Checker().Page() - 1); });
    connect(m_cmdNext, &QToolButton::clicked, this,
            [this] { m_check.ResultMovePage(m_check.Checker().Page() + 1); });
    connect(m_cmdViewAll, &QPushButton::clicked, this, [this] { m_check.ResultViewAll(); });
    connect(m_cmdViewNext, &QPushButton::clicked, this, [this] { m_check.ResultViewNext(); });
    connect(m_cmdSort, &QPushButton::clicked, this, [this] { m_tickets.SortByWinnings(); });
    connect(m_chkAll, &QCheckBox::clicked, this,
            [this](bool blnValue) { m_check.SetShowAllResults(blnValue); });
    connect(m_chkBought, &QCheckBox::clicked, this, &clsCheckPage::BoughtClicked);

    m_changed = m_check.SubscribeChanged([this](std::uint32_t lngParts) {
        constexpr std::uint32_t kShown = DocumentParts::PartRound | DocumentParts::PartSingles |
                                         DocumentParts::PartCheck | DocumentParts::PartRunState |
                                         DocumentParts::PartView;
        if ((lngParts & kShown) != 0) {
            Refresh();
        }
    });
    Refresh();
}

clsCheckPage::~clsCheckPage() = default;

void clsCheckPage::SetBought(bool blnEnabled, bool blnChecked)
{
    m_chkBought->setEnabled(blnEnabled);
    m_chkBought->setChecked(blnEnabled && blnChecked);
}

void clsCheckPage::Refresh()
{
    const clsTResult& checker = m_check.Checker();
    m_count.SetVisible(checker.CountCells());
    m_count.SetColor(checker.CountColor());
    m_count.SetPercent(checker.Percent());
    m_count.SetValue(checker.CountFrame());
    m_countView->Refresh();
    m_countView->setVisible(checker.CountVisible());
    m_entry->Refresh();
    m_page->Refresh();
    m_grade->Refresh();
    m_prize->Refresh();

    m_lblCount->setText(QString::fromStdString(checker.SingleCountLabel()));
    m_lblCount->setAccessibleName(QStringLiteral("口数 ") + m_lblCount->text());
    const clsTResultBalance money(checker.SingleCount(), checker.Kakutei());
    static constexpr const char* kMoneyName[] = {"購入金額 ", "当せん金額 ", "収支 ", "回収率 "};
    const std::string moneyText[] = {money.CostText(), money.WinningsText(), money.BalanceText(),
                                     money.ReturnText()};
    QLabel* const moneyLabel[] = {m_lblCost, m_lblWinnings, m_lblBalance, m_lblReturn};
    for (std::size_t i = 0; i < 4; ++i) {
        const QString text = QString::fromStdString(moneyText[i]);
        moneyLabel[i]->setText(text);
        moneyLabel[i]->setAccessibleName(QString::fromUtf8(kMoneyName[i]) + text);
    }
    const QString page = QString::fromStdString(checker.PageLabel());
    m_lblPage->setText(page);
    m_lblPage->setAccessibleName(QStringLiteral("ページ ") + page);
    for (auto [button, enabled] : {std::pair{m_cmdPrevious, checker.PreviousEnabled()},
                                   std::pair{m_cmdNext, checker.NextEnabled()}}) {
        button->setEnabled(enabled);
        button->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    const bool free = m_check.Edit().MayEdit();
    const bool reveal = free && m_check.ResultViewEnabled();
    m_cmdViewAll->setEnabled(reveal);
    m_cmdViewNext->setEnabled(reveal);
    m_cmdSort->setEnabled(free && checker.SingleCount() > 0);
    m_entry->setEnabled(free);
    m_chkAll->setChecked(m_check.ShowAllResults());
}
