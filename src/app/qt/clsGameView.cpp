#include "app/qt/clsGameView.h"

#include "app/clsTGame.h"
#include "lottery/clsToto.h"
#include "widgets/clsBarGraph.h"
#include "widgets/clsGridView.h"

#include <QEvent>

#include <algorithm>

clsGameView::clsGameView(const clsTGame& game, QWidget* parent)
    : QWidget(parent)
    , m_game(game)
{
    m_match = new clsGridView(this);
    m_match->setObjectName(QStringLiteral("grdMatch"));
    m_match->SetSource(game.MatchGrid());
    m_match->SetGeometry96(game.MatchGeometry96());
    m_match->SetFitToCells(true);

    m_vote = new clsGridView(this);
    m_vote->setObjectName(QStringLiteral("grdVote"));
    m_vote->setAccessibleName(QStringLiteral("投票率"));
    m_vote->SetSource(game.VoteGrid());
    m_vote->SetGeometry96(clsTGame::VoteGeometry96());
    m_vote->SetFitToCells(true);

    // Beside the vote table rather than inside it: the bars run the whole column, a few pixels
    // wider than the three rate columns.
    m_bars = new clsBarGraph(this);
    m_bars->setObjectName(QStringLiteral("barVote"));
    m_bars->SetBarCount(clsToto::kMatchCount);
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        m_bars->SetBarRect96(i, clsTGame::BarRect96(i));
    }

    m_probability = new clsGridView(this);
    m_probability->setObjectName(QStringLiteral("grdProbability"));
    m_probability->setAccessibleName(QStringLiteral("予想確率"));
    m_probability->SetSource(game.ProbabilityGrid());
    m_probability->SetGeometry96(clsTGame::ProbabilityGeometry96());
    m_probability->SetFitToCells(true);

    connect(m_vote, &clsGridView::CellClicked, this, [this] { emit VoteClick(); });
    connect(m_bars, &clsBarGraph::BarClicked, this, [this] { emit VoteClick(); });
    Refresh();
}

void clsGameView::Refresh()
{
    m_match->Refresh();
    m_vote->Refresh();
    m_probability->Refresh();
    m_probability->setVisible(m_game.HasProbability());
    for (int i = 0; i < clsToto::kMatchCount; ++i) {
        m_bars->SetBar(i, m_game.Bar(i));
    }
    PlaceParts();
}

void clsGameView::PlaceParts()
{
    // The vote table lies over the match table's last column, below the header row.
    const clsGridGeometry& match = m_match->Geometry();
    const int frame = m_match->frameWidth();
    const int lastColumn = clsTGame::kMatchColumns - 1;
    m_match->move(0, 0);
    // The rate columns fill the vote column to its right edge at every dpi: no strip of the
    // match table's column shows beside them.
    const int dpi = std::max(1, match.Dpi());
    const int inner = match.ColWidth(lastColumn) - 2 * m_vote->frameWidth();
    const std::int32_t width96 = (inner * clsGridGeometry::kBaseDpi + dpi / 2) / dpi;
    if (width96 != m_voteWidth96) {
        m_voteWidth96 = width96;
        m_vote->SetGeometry96(clsTGame::VoteGeometry96(width96));
        for (int i = 0; i < clsToto::kMatchCount; ++i) {
            GridRect bar = clsTGame::BarRect96(i);
            bar.lngWidth = width96;
            m_bars->SetBarRect96(i, bar);
        }
    }
    m_vote->move(frame + match.ColLeft(lastColumn), frame + match.RowTop(1));
    m_vote->raise();
    m_bars->move(m_vote->pos() + QPoint(m_vote->frameWidth(), m_vote->frameWidth()));
    m_bars->resize(m_bars->sizeHint());
    m_bars->raise();
    QSize size = m_match->size();
    if (m_game.HasProbability()) {
        // A small gap keeps the two tables apart while their rows stay level.
        const int gap = match.Dpi() * 6 / 96;
        m_probability->move(m_match->width() + gap, 0);
        size.setWidth(m_probability->x() + m_probability->width());
        size.setHeight(std::max(size.height(), m_probability->height()));
    }
    setFixedSize(size);
}

void clsGameView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        PlaceParts();
    }
}
