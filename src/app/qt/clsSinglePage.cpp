#include "app/qt/clsSinglePage.h"

#include "app/clsValueFigures.h"
#include "app/qt/clsSheetView.h"
#include "base/clsIGridSource.h"
#include "lottery/clsTNumber.h"
#include "widgets/clsGridView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {
// The payout and count rows, and the worth rows while the document has probabilities.
std::int32_t FigureRows(const clsValueFigures& values)
{
    return clsTSingleList::kRows + (values.Shown() ? clsValueFigures::kRows : 0);
}

// The sheet's figure list as a grid: read from the document's sheet at each paint.
class FigureSource final : public clsIGridSource
{
public:
    FigureSource(const clsTicketsFacet& tickets, const clsValueFigures& values)
        : m_tickets(tickets)
        , m_values(values)
    {}
    std::int32_t Rows() const override { return FigureRows(m_values); }
    std::int32_t Cols() const override { return clsTSingleList::kColumns; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        GridCellData cell;
        if (lngRow >= clsTSingleList::kRows) {
            const std::int32_t row = lngRow - clsTSingleList::kRows;
            cell.strText = lngCol == 0 ? std::string(clsValueFigures::RowHeading(row))
                                       : m_values.Text(row, lngCol - 1);
        } else {
            cell.strText = m_tickets.Sheet().FigureList().CellText(lngRow, lngCol);
        }
        cell.Align = lngCol == 0 ? GridAlign::Left : GridAlign::Right;
        if (lngCol == 0) {
            cell.BackColor = GridColor::ButtonFaceColor();
        } else if (clsTSingleList::RowShaded(lngRow)) {
            cell.BackColor = GridColor::FromRgb(253, 214, 201);
        }
        return cell;
    }

private:
    const clsTicketsFacet& m_tickets;
    const clsValueFigures& m_values;
};

// The match list's width at 96 dpi: the figure list's headings stand under it.
std::int32_t MatchListWidth96()
{
    std::int32_t width = 0;
    for (const std::int32_t w : clsTSingleGameGrid::ColWidths96()) {
        width += w;
    }
    return width;
}

clsGridGeometry FigureGeometry(std::int32_t lngRows)
{
    // Under each slot of the sheet, one column of its width; the headings to the left, under
    // the match list (less the list's frame, drawn inside it).
    std::vector<std::int32_t> widths(clsTSingleList::kColumns, 53);
    widths[0] = MatchListWidth96() - 1;
    return clsGridGeometry(std::vector<std::int32_t>(static_cast<std::size_t>(lngRows), 20),
                           widths);
}

// A grid standing beside the sheet, its rows level with the sheet's, without a frame of its own
// (the sheet's red border is the card's edge).
clsGridView* SheetSideGrid(const clsIGridSource& source, const clsTSingleDraw& draw,
                           std::vector<std::int32_t> lngColWidths96, const char* strName,
                           const QString& strAccessibleName, QWidget* parent)
{
    auto* grid = new clsGridView(parent);
    grid->setObjectName(QString::fromLatin1(strName));
    grid->setAccessibleName(strAccessibleName);
    grid->setFrameShape(QFrame::NoFrame);
    grid->SetSource(source);
    grid->SetGeometry96(clsGridGeometry(draw.RowHeights96(), std::move(lngColWidths96)));
    grid->SetFitToCells(true);
    return grid;
}

QPushButton* Button(const QString& strCaption, const char* strName, QWidget* parent)
{
    auto* button = new QPushButton(strCaption, parent);
    button->setObjectName(QString::fromLatin1(strName));
    return button;
}
} // namespace

clsSinglePage::clsSinglePage(clsTicketsFacet& tickets, clsRoundFacet& round, clsIMessage& message,
                             QWidget* parent)
    : QWidget(parent)
    , m_tickets(tickets)
    , m_round(round)
    , m_values(std::make_unique<clsValueFigures>())
    , m_figureSource(std::make_unique<FigureSource>(tickets, *m_values))
    , m_game(message)
    , m_gameSource(m_game)
    , m_countSource(tickets.Sheet().CountGrid())
{
    m_game.Initialize();
    m_game.SetScheduleRecord(round.Schedule());
    setObjectName(QStringLiteral("frmSingle"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);

    auto* left = new QVBoxLayout();
    m_figures = new clsGridView(this);
    m_figures->setObjectName(QStringLiteral("grdSingleList"));
    m_figures->setAccessibleName(QStringLiteral("シングル一覧"));
    m_figures->SetSource(*m_figureSource);
    m_values->Update(round, tickets);
    m_figures->SetGeometry96(FigureGeometry(FigureRows(*m_values)));
    m_figures->SetFitToCells(true);
    // The sheet is made after the list: showing its first page fills the list too.
    m_sheet = new clsSheetView(tickets, message, this);
    m_matches = SheetSideGrid(m_gameSource, m_sheet->Draw(), clsTSingleGameGrid::ColWidths96(),
                              "picSingleGame", QStringLiteral("試合一覧"), this);
    std::vector<std::int32_t> countWidths(clsTCountGrid::kCols, 52);
    m_countGrid = SheetSideGrid(m_countSource, m_sheet->Draw(), countWidths, "picSCount",
                                QStringLiteral("シングル構成"), this);
    m_countGrid->setToolTip(
        QStringLiteral("シングルに各試合の1・0・2が何口あるか。クリックで口数と％を切り替えます"));
    // The matches, the slots and the counts side by side, row for row.
    auto* sheetRow = new QHBoxLayout();
    sheetRow->setSpacing(0);
    sheetRow->addWidget(m_matches, 0, Qt::AlignLeft | Qt::AlignTop);
    sheetRow->addWidget(m_sheet, 0, Qt::AlignLeft | Qt::AlignTop);
    sheetRow->addSpacing(6);
    sheetRow->addWidget(m_countGrid, 0, Qt::AlignLeft | Qt::AlignTop);
    sheetRow->addStretch(1);
    left->addLayout(sheetRow);
    // The list's columns of singles stand under their slots, its headings under the matches.
    auto* figureRow = new QHBoxLayout();
    figureRow->setSpacing(0);
    const int figureLeft = m_figures->frameWidth() + m_figures->Geometry().ColWidth(0);
    figureRow->addSpacing(std::max(0, m_matches->width() - figureLeft));
    figureRow->addWidget(m_figures, 0, Qt::AlignLeft | Qt::AlignTop);
    left->addSpacing(4);
    left->addLayout(figureRow);
    left->addStretch(1);

    auto* controls = new QVBoxLayout();
    auto* countRow = new QHBoxLayout();
    auto* countCaption = new QLabel(QStringLiteral("シングル数"), this);
    m_lblCount = new QLabel(this);
    m_lblCount->setObjectName(QStringLiteral("lblSingleCount"));
    m_lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblCount->setAccessibleName(countCaption->text());
    countCaption->setBuddy(m_lblCount);
    countRow->addWidget(countCaption);
    countRow->addWidget(m_lblCount, 1);
    auto* paging = new QHBoxLayout();
    m_cmdPrevious = Button(QStringLiteral("<"), "cmdPrevious", this);
    m_cmdPrevious->setAccessibleName(QStringLiteral("前のページ"));
    m_cmdPrevious->setToolTip(m_cmdPrevious->accessibleName());
    m_lblPage = new QLabel(this);
    m_lblPage->setObjectName(QStringLiteral("lblPage"));
    m_lblPage->setAlignment(Qt::AlignCenter);
    m_lblPage->setMinimumWidth(64);
    m_cmdNext = Button(QStringLiteral(">"), "cmdNext", this);
    m_cmdNext->setAccessibleName(QStringLiteral("次のページ"));
    m_cmdNext->setToolTip(m_cmdNext->accessibleName());
    paging->addWidget(m_cmdPrevious);
    paging->addWidget(m_lblPage);
    paging->addWidget(m_cmdNext);
    // A set of many thousand pages is crossed by typing the page: it moves on Enter (or on
    // leaving the box), not at every digit; the box keeps what is typed within the pages.
    auto* pageBoxRow = new QHBoxLayout();
    auto* pageCaption = new QLabel(QStringLiteral("ページ"), this);
    m_spnPage = new QSpinBox(this);
    m_spnPage->setObjectName(QStringLiteral("spnPage"));
    m_spnPage->setAccessibleName(pageCaption->text());
    m_spnPage->setKeyboardTracking(false);
    m_spnPage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_spnPage->setToolTip(QStringLiteral("見るページの番号。入れてEnterでそのページへ移ります"));
    // Room for the pages of every distinct single, so the box keeps its width as the set grows.
    m_spnPage->setRange(1, clsTNumber::SingleCount / clsTSingle::kPageSize + 1);
    m_spnPage->setMinimumWidth(m_spnPage->sizeHint().width());
    m_spnPage->setRange(1, 1);
    pageCaption->setBuddy(m_spnPage);
    m_lblPageCount = new QLabel(this);
    m_lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
    pageBoxRow->addWidget(pageCaption);
    pageBoxRow->addWidget(m_spnPage, 1);
    pageBoxRow->addWidget(m_lblPageCount);
    m_chkLock = new QCheckBox(QStringLiteral("編集ロック"), this);
    m_chkLock->setObjectName(QStringLiteral("chkEditLock"));
    m_chkLock->setToolTip(
        QStringLiteral("シングルを誤って変えないよう、追加・削除・マークの変更を止めます"));
    auto* add = Button(QStringLiteral("シングルを追加"), "cmdSingleAdd", this);
    auto* del = Button(QStringLiteral("選択シングルを削除"), "cmdSingleDel", this);
    auto* sort = Button(QStringLiteral("並び替え"), "cmdSort", this);
    add->setToolTip(QStringLiteral("シートに新しいシングルを１口加えます"));
    del->setToolTip(QStringLiteral("シートで選んだシングルを削除します"));
    sort->setToolTip(QStringLiteral("配当や当せんの順にシングルを並べ替えます"));
    controls->addLayout(countRow);
    controls->addLayout(paging);
    controls->addLayout(pageBoxRow);
    controls->addWidget(m_chkLock);
    controls->addWidget(add);
    controls->addWidget(del);
    controls->addWidget(sort);
    controls->addStretch(1);

    // The controls under the count grid, beside the figure list: the page stays as wide as
    // the card.
    figureRow->addSpacing(12);
    figureRow->addLayout(controls, 0);
    figureRow->addStretch(1);
    row->addLayout(left, 0);
    row->addStretch(1);

    connect(m_sheet, &clsSheetView::PageShown, this,
            [this](const QString& strLabel, bool blnPrevious, bool blnNext) {
                m_lblPage->setText(strLabel);
                m_lblPage->setAccessibleName(QStringLiteral("ページ ") + strLabel);
                m_cmdPrevious->setEnabled(blnPrevious);
                m_cmdNext->setEnabled(blnNext);
                // The box follows the page shown without moving it again.
                const QSignalBlocker quiet(m_spnPage);
                m_spnPage->setRange(1, m_tickets.Sheet().LastPage() + 1);
                m_spnPage->setValue(m_tickets.Sheet().Page() + 1);
                m_lblPageCount->setText(
                    QStringLiteral("/ %1").arg(m_tickets.Sheet().LastPage() + 1));
                m_lblPageCount->setAccessibleName(
                    QStringLiteral("全 %1 ページ").arg(m_tickets.Sheet().LastPage() + 1));
            });
    connect(m_sheet, &clsSheetView::CountShown, this,
            [this](const QString& strCount) { ShowCount(strCount); });
    // A left click on a match row of the count grid flips the document's percent switch, as
    // the View menu's シングル構成を％で表示 does.
    connect(m_countGrid, &clsGridView::CellClicked, this,
            [this](int lngRow, int, Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (button == Qt::LeftButton && lngRow >= 1 && m_tickets.Edit().MayEdit()) {
                    m_tickets.SetSinglePercent(!m_tickets.SinglePercent());
                }
            });
    m_changed = m_tickets.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & DocumentParts::PartRound) != 0) {
            m_game.SetScheduleRecord(m_round.Schedule());
            m_matches->Refresh();
        }
        if ((lngParts & (DocumentParts::PartSingles | DocumentParts::PartView |
                         DocumentParts::PartMulti)) != 0) {
            m_countGrid->Refresh();
            Refresh();
        }
        if ((lngParts & (DocumentParts::PartProbability | DocumentParts::PartVote |
                         DocumentParts::PartRound | DocumentParts::PartView)) != 0) {
            RefreshFigures();
        }
    });
    connect(m_sheet, &clsSheetView::SlotsChanged, this, &clsSinglePage::RefreshFigures);
    connect(m_cmdPrevious, &QPushButton::clicked, this,
            [this] { m_tickets.SheetMovePage(m_tickets.Sheet().Page() - 1); });
    connect(m_cmdNext, &QPushButton::clicked, this,
            [this] { m_tickets.SheetMovePage(m_tickets.Sheet().Page() + 1); });
    connect(m_spnPage, &QSpinBox::valueChanged, this,
            [this](int lngPage) { m_tickets.SheetMovePage(lngPage - 1); });
    connect(m_chkLock, &QCheckBox::clicked, this, [this](bool blnValue) {
        m_tickets.SetEditLock(blnValue);
        Refresh();
    });
    connect(add, &QPushButton::clicked, this, [this] { m_tickets.SheetAdd(); });
    connect(del, &QPushButton::clicked, this, [this] { m_tickets.SheetSelectDelete(); });
    connect(sort, &QPushButton::clicked, this, &clsSinglePage::SortRequested);
    // The sheet showed its first page before the labels were connected.
    m_tickets.SheetMovePage(m_tickets.Sheet().Page());
    ShowCount(QString::fromStdString(m_tickets.Sheet().CountLabel()));
    Refresh();
}

void clsSinglePage::ShowCount(const QString& strCount)
{
    m_lblCount->setText(strCount + QStringLiteral("口"));
    // A screen reader gives the label's name, not its text: the name carries the figure.
    m_lblCount->setAccessibleName(QStringLiteral("シングル数 ") + m_lblCount->text());
}

clsSinglePage::~clsSinglePage() = default;

void clsSinglePage::RefreshFigures()
{
    const std::int32_t before = FigureRows(*m_values);
    m_values->Update(m_round, m_tickets);
    if (FigureRows(*m_values) != before) {
        m_figures->SetGeometry96(FigureGeometry(FigureRows(*m_values)));
        m_figures->updateGeometry();
    }
    m_figures->Refresh();
}

void clsSinglePage::Refresh()
{
    m_chkLock->setChecked(m_tickets.EditLock());
}
