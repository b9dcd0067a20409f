#include "app/qt/clsGameView.h"

#include "app/clsTGame.h"
#include "app/qt/clsGameModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
QColor ToColour(const clsTGame::Colour& c)
{
    return QColor(c.Red, c.Green, c.Blue);
}

// Paints the vote column: the three rates side by side over the bar of the match.
class VoteDelegate final : public QStyledItemDelegate
{
public:
    VoteDelegate(const clsGameModel& model, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_model(model)
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (index.column() != clsGameModel::VoteColumn) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const clsTGame& game = m_model.Game();
        const int dpi = option.widget != nullptr ? option.widget->logicalDpiY() : 96;
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, index.data(Qt::BackgroundRole).value<QBrush>());
        const int rateHeight = cell.height() - clsTGame::VoteRowHeight(1, dpi);
        const int columnWidth = cell.width() / clsTGame::kVoteColumns;
        painter->setPen(Qt::black);
        for (int k = 0; k < clsTGame::kVoteColumns; ++k) {
            const QRect rateRect(cell.left() + k * columnWidth, cell.top(), columnWidth,
                                 rateHeight);
            painter->drawText(rateRect, Qt::AlignCenter, m_model.RateText(index.row(), k));
        }
        const int barHeight = clsTGame::Scale(7, dpi) > clsTGame::VoteRowHeight(1, dpi)
                                  ? clsTGame::VoteRowHeight(1, dpi)
                                  : clsTGame::Scale(7, dpi);
        const QRect bar(cell.left() + 2, cell.top() + rateHeight, cell.width() - 4, barHeight - 1);
        const std::array<int, 3> widths = game.BarWidths(index.row(), bar.width());
        int x = bar.left();
        for (int k = 0; k < 3; ++k) {
            const int w = widths[static_cast<std::size_t>(k)];
            if (w > 0) {
                painter->fillRect(QRect(x, bar.top(), w, bar.height()),
                                  ToColour(clsTGame::BarColour(k)));
            }
            x += w;
        }
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(option.palette.highlight().color(), 1, Qt::DotLine));
            painter->drawRect(cell.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

private:
    const clsGameModel& m_model;
};
} // namespace

clsGameView::clsGameView(const clsTGame& game, QWidget* parent)
    : QTableView(parent)
    , m_game(game)
{
    m_model = new clsGameModel(game, this);
    setModel(m_model);
    setItemDelegateForColumn(clsGameModel::VoteColumn, new VoteDelegate(*m_model, this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == clsGameModel::VoteColumn) {
            emit VoteClick();
        }
    });
    ApplyLayout();
}

void clsGameView::Refresh()
{
    m_model->Refresh();
    ApplyLayout();
}

void clsGameView::ApplyLayout()
{
    const int dpi = logicalDpiY();
    const QFontMetrics metrics(font());
    const int padding = metrics.horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < clsTGame::kMatchColumns; ++c) {
        int w = m_game.MatchColumnWidth(c, dpi);
        // Long club names and a wide font must not be clipped: a column grows to its widest
        // text, never below the fixed layout. A hidden column stays hidden.
        if (w > 0 && c != clsGameModel::VoteColumn) {
            for (int r = 0; r < clsTGame::kMatches; ++r) {
                const QString text =
                    m_model->data(m_model->index(r, c), Qt::DisplayRole).toString();
                w = std::max(w, metrics.horizontalAdvance(text) + padding);
            }
            w = std::max(w,
                         metrics.horizontalAdvance(
                             m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                             padding);
        } else if (c == clsGameModel::VoteColumn) {
            w = std::max(w,
                         metrics.horizontalAdvance(
                             m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                             3 * padding);
        }
        setColumnHidden(c, w == 0);
        setColumnWidth(c, w);
    }
    const int textHeight = metrics.height();
    const int headerHeight = std::max(clsTGame::MatchRowHeight(0, dpi), textHeight + 6);
    horizontalHeader()->setFixedHeight(headerHeight);
    // The rates keep a pixel of air above the bar, whatever the font.
    const int rateHeight = std::max(clsTGame::VoteRowHeight(0, dpi), textHeight + 2);
    const int rowHeight =
        std::max(clsTGame::MatchRowHeight(1, dpi), rateHeight + clsTGame::VoteRowHeight(1, dpi));
    for (int r = 0; r < clsTGame::kMatches; ++r) {
        setRowHeight(r, rowHeight);
    }
    const int frame = 2 * frameWidth();
    // The headers know the real section lengths (a hidden column counts 0).
    setFixedSize(horizontalHeader()->length() + frame,
                 headerHeight + verticalHeader()->length() + frame);
}
