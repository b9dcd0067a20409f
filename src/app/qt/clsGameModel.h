#pragma once
// The round view's 13 match rows as a Qt table model over clsTGame: the texts, colours and
// header all come from the core model. Owned by its clsGameView.

#include <QAbstractTableModel>

class clsTGame;

class clsGameModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int VoteColumn = 5;

    clsGameModel(const clsTGame& game, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The game's records changed: every cell and the header are read again.
    void Refresh();
    // One rate of the vote column (0 home win, 1 draw, 2 away win).
    QString RateText(int lngRow, int lngOutcomeColumn) const;
    const clsTGame& Game() const { return m_game; }

private:
    const clsTGame& m_game;
};
