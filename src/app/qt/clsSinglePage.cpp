#include "app/qt/clsSinglePage.h"

#include "app/clsValueFigures.h"
#include "app/qt/clsSheetView.h"
#include "base/clsIGridSource.h"
#include "widgets/clsGridView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    FigureSource(const clsDocument& doc, const clsValueFigures& values)
        : m_doc(doc)
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
            cell.strText = m_doc.Sheet().FigureList().CellText(lngRow, lngCol);
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
    const clsDocument& m_doc;
    const clsValueFigures& m_values;
};

clsGridGeometry FigureGeometry(std::int32_t lngRows)
{
    // Under each slot of the sheet, one column of its width; the headings to the left.
    std::vector<std::int32_t> widths(clsTSingleList::kColumns, 53);
    widths[0] = 96;
    return clsGridGeometry(std::vector<std::int32_t>(static_cast<std::size_t>(lngRows), 20),
                           widths);
}

QPushButton* Button(const QString& strCaption, const char* strName, QWidget* parent)
{
    auto* button = new QPushButton(strCaption, parent);
    button->setObjectName(QString::fromLatin1(strName));
    return button;
}
} // namespace

clsSinglePage::clsSinglePage(clsDocument& doc, clsIMessage& message, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_values(std::make_unique<clsValueFigures>(message))
    , m_figureSource(std::make_unique<FigureSource>(doc, *m_values))
{
    setObjectName(QStringLiteral("frmSingle"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);

    auto* left = new QVBoxLayout();
    m_figures = new clsGridView(this);
    m_figures->setObjectName(QStringLiteral("grdSingleList"));
    m_figures->setAccessibleName(QStringLiteral("シングル一覧"));
    m_figures->SetSource(*m_figureSource);
    m_values->Update(doc);
    m_figures->SetGeometry96(FigureGeometry(FigureRows(*m_values)));
    m_figures->SetFitToCells(true);
    // The sheet is made after the list: showing its first page fills the list too.
    m_sheet = new clsSheetView(doc, message, this);
    // The slots stand over the list's columns of their singles, past its headings.
    auto* sheetRow = new QHBoxLayout();
    sheetRow->addSpacing(m_figures->Geometry().ColWidth(0) + m_figures->frameWidth());
    sheetRow->addWidget(m_sheet, 0, Qt::AlignLeft | Qt::AlignTop);
    sheetRow->addStretch(1);
    left->addLayout(sheetRow);
    left->addWidget(m_figures, 0, Qt::AlignLeft | Qt::AlignTop);
    left->addStretch(1);

    auto* controls = new QVBoxLayout();
    m_lblCount = new QLabel(this);
    m_lblCount->setObjectName(QStringLiteral("lblSingleCount"));
    auto* paging = new QHBoxLayout();
    m_cmdPrevious = Button(QStringLiteral("<"), "cmdPrevious", this);
    m_cmdPrevious->setAccessibleName(QStringLiteral("前のページ"));
    m_lblPage = new QLabel(this);
    m_lblPage->setObjectName(QStringLiteral("lblPage"));
    m_lblPage->setAlignment(Qt::AlignCenter);
    m_lblPage->setMinimumWidth(64);
    m_cmdNext = Button(QStringLiteral(">"), "cmdNext", this);
    m_cmdNext->setAccessibleName(QStringLiteral("次のページ"));
    paging->addWidget(m_cmdPrevious);
    paging->addWidget(m_lblPage);
    paging->addWidget(m_cmdNext);
    m_chkLock = new QCheckBox(QStringLiteral("編集ロック"), this);
    m_chkLock->setObjectName(QStringLiteral("chkEditLock"));
    auto* add = Button(QStringLiteral("シングルを追加"), "cmdSingleAdd", this);
    auto* del = Button(QStringLiteral("選択シングルを削除"), "cmdSingleDel", this);
    auto* sort = Button(QStringLiteral("並び替え"), "cmdSort", this);
    controls->addWidget(m_lblCount);
    controls->addLayout(paging);
    controls->addWidget(m_chkLock);
    controls->addWidget(add);
    controls->addWidget(del);
    controls->addWidget(sort);
    controls->addStretch(1);

    row->addLayout(left, 0);
    row->addLayout(controls, 0);
    row->addStretch(1);

    connect(m_sheet, &clsSheetView::PageShown, this,
            [this](const QString& strLabel, bool blnPrevious, bool blnNext) {
                m_lblPage->setText(strLabel);
                m_lblPage->setAccessibleName(QStringLiteral("ページ ") + strLabel);
                m_cmdPrevious->setEnabled(blnPrevious);
                m_cmdNext->setEnabled(blnNext);
            });
    connect(m_sheet, &clsSheetView::CountShown, m_lblCount, &QLabel::setText);
    connect(m_sheet, &clsSheetView::SlotsChanged, this, &clsSinglePage::RefreshFigures);
    connect(m_cmdPrevious, &QPushButton::clicked, this,
            [this] { m_doc.SheetMovePage(m_doc.Sheet().Page() - 1); });
    connect(m_cmdNext, &QPushButton::clicked, this,
            [this] { m_doc.SheetMovePage(m_doc.Sheet().Page() + 1); });
    connect(m_chkLock, &QCheckBox::clicked, this, [this](bool blnValue) {
        m_doc.SetEditLock(blnValue);
        Refresh();
    });
    connect(add, &QPushButton::clicked, this, [this] { m_doc.SheetAdd(); });
    connect(del, &QPushButton::clicked, this, [this] { m_doc.SheetSelectDelete(); });
    connect(sort, &QPushButton::clicked, this, &clsSinglePage::SortRequested);
    // The sheet showed its first page before the labels were connected.
    m_doc.SheetMovePage(m_doc.Sheet().Page());
    m_lblCount->setText(QString::fromStdString(m_doc.Sheet().CountLabel()));
    Refresh();
    m_changed = m_doc.SubscribeChanged([this](std::uint32_t lngParts) {
        if ((lngParts & (clsDocument::PartProbability | clsDocument::PartVote |
                         clsDocument::PartRound)) != 0) {
            RefreshFigures();
        }
    });
}

clsSinglePage::~clsSinglePage() = default;

void clsSinglePage::RefreshFigures()
{
    const std::int32_t before = FigureRows(*m_values);
    m_values->Update(m_doc);
    if (FigureRows(*m_values) != before) {
        m_figures->SetGeometry96(FigureGeometry(FigureRows(*m_values)));
        m_figures->updateGeometry();
    }
    m_figures->Refresh();
}

void clsSinglePage::Refresh()
{
    m_chkLock->setChecked(m_doc.EditLock());
}
