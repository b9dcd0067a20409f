#pragma once
// The round view on screen: one table of 13 match rows whose last column holds the three vote
// rates with the match's bar under them, sized from the core layout at the screen's dpi. The
// main window owns two (home page with the division column, check page without).

#include <QTableView>

class clsTGame;
class clsGameModel;

class clsGameView : public QTableView
{
    Q_OBJECT

public:
    clsGameView(const clsTGame& game, QWidget* parent);

    // The game's records changed.
    void Refresh();
    clsGameModel* GameModel() const { return m_model; }

signals:
    // A click on the vote column (rates or bar).
    void VoteClick();

private:
    void ApplyLayout();

    const clsTGame& m_game;
    clsGameModel* m_model = nullptr;
};
