#pragma once
// The round view on screen, drawn with the widget kit: the match table, the vote table laid
// over its last column below the header, and the 13 bars over the vote table's bar rows. All
// texts, colours and lengths come from clsTGame. The main window owns two (home page with the
// division column, check page without).

#include <QWidget>

#include <cstdint>

class clsBarGraph;
class clsGridView;
class clsTGame;

class clsGameView : public QWidget
{
    Q_OBJECT

public:
    clsGameView(const clsTGame& game, QWidget* parent);

    // The game's records changed.
    void Refresh();
    clsGridView* MatchTable() const { return m_match; }
    clsGridView* VoteTable() const { return m_vote; }
    clsBarGraph* Bars() const { return m_bars; }
    // The player's own probabilities and their ratios, beside the match table; hidden while
    // the game has none.
    clsGridView* ProbabilityTable() const { return m_probability; }

signals:
    // A click on the vote table or a bar.
    void VoteClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void PlaceParts();

    const clsTGame& m_game;
    clsGridView* m_match = nullptr;
    clsGridView* m_vote = nullptr;
    clsBarGraph* m_bars = nullptr;
    clsGridView* m_probability = nullptr;
    // The vote column's inner width at 96 dpi the vote table was last fitted to.
    std::int32_t m_voteWidth96 = -1;
};
