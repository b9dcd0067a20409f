#include "app/qt/clsGameModel.h"

#include "app/clsTGame.h"
#include "base/qt/basQtText.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QPalette>

namespace {
QColor ToColour(const clsTGame::Colour& c)
{
    if (c.ButtonFace) {
        return QApplication::palette().color(QPalette::Button);
    }
    return QColor(c.Red, c.Green, c.Blue);
}
} // namespace

clsGameModel::clsGameModel(const clsTGame& game, QObject* parent)
    : QAbstractTableModel(parent)
    , m_game(game)
{}

int clsGameModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : clsTGame::kMatches;
}

int clsGameModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : clsTGame::kMatchColumns;
}

QString clsGameModel::RateText(int lngRow, int lngOutcomeColumn) const
{
    return basQtText::ToQ(m_game.VoteText(2 * lngRow, lngOutcomeColumn));
}

QVariant clsGameModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (column == VoteColumn) {
            // Read out as one cell: the three rates in the column order 1, 0, 2.
            return RateText(row, 0) + QLatin1Char(' ') + RateText(row, 1) + QLatin1Char(' ') +
                   RateText(row, 2);
        }
        return basQtText::ToQ(m_game.MatchText(row + 1, column));
    case Qt::BackgroundRole:
        return QBrush(ToColour(clsTGame::MatchRowColour(row + 1)));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::TextAlignmentRole:
        return column >= 3 && column <= 4 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                          : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant clsGameModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return basQtText::ToQ(m_game.MatchText(0, section));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    return {};
}

void clsGameModel::Refresh()
{
    emit headerDataChanged(Qt::Horizontal, 0, clsTGame::kMatchColumns - 1);
    emit dataChanged(index(0, 0), index(clsTGame::kMatches - 1, clsTGame::kMatchColumns - 1));
}
