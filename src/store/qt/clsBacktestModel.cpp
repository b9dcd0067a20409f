#include "store/qt/clsBacktestModel.h"

#include <QBrush>
#include <QColor>

namespace {
QString Yen(Currency c)
{
    return QString::fromStdString(c.FormatNumber(0, true));
}
} // namespace

clsBacktestModel::clsBacktestModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void clsBacktestModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_balance.clear();
    endResetModel();
}

void clsBacktestModel::Append(const std::vector<clsBacktest::Row>& rows)
{
    if (rows.empty()) {
        return;
    }
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (const clsBacktest::Row& r : rows) {
        const Currency before = m_balance.empty() ? Currency() : m_balance.back();
        m_rows.push_back(r);
        m_balance.push_back(before + r.Won - r.Cost);
    }
    endInsertRows();
}

Currency clsBacktestModel::Balance(int lngRow) const
{
    return lngRow >= 0 && lngRow < static_cast<int>(m_balance.size())
               ? m_balance[static_cast<std::size_t>(lngRow)]
               : Currency();
}

int clsBacktestModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int clsBacktestModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString clsBacktestModel::Text(int lngRow, int lngColumn) const
{
    const clsBacktest::Row& r = m_rows[static_cast<std::size_t>(lngRow)];
    switch (lngColumn) {
    case ColumnRound:
        return QStringLiteral("第%1回").arg(r.Kaisaikai);
    case ColumnSingles:
        return Yen(Currency::FromInt(r.Singles));
    case ColumnHit:
        return r.Hit ? QStringLiteral("的中") : QString();
    case ColumnCost:
        return Yen(r.Cost);
    case ColumnWon:
        return Yen(r.Won);
    case ColumnBalance:
        return Yen(Balance(lngRow));
    default:
        return {};
    }
}

QVariant clsBacktestModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size())) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column());
    case Qt::AccessibleTextRole:
        // An empty cell says nothing to a screen reader: the miss is read out.
        if (index.column() == ColumnHit && !m_rows[static_cast<std::size_t>(index.row())].Hit) {
            return QStringLiteral("外れ");
        }
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == ColumnHit
                                       ? Qt::Alignment(Qt::AlignCenter)
                                       : Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::ForegroundRole:
        if (index.column() == ColumnBalance && Balance(index.row()) < Currency()) {
            return QBrush(QColor(Qt::red));
        }
        return {};
    default:
        return {};
    }
}

QVariant clsBacktestModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case ColumnRound:
        return QStringLiteral("開催回");
    case ColumnSingles:
        return QStringLiteral("シングル数");
    case ColumnHit:
        return QStringLiteral("1等");
    case ColumnCost:
        return QStringLiteral("購入金額(円)");
    case ColumnWon:
        return QStringLiteral("当せん金額(円)");
    case ColumnBalance:
        return QStringLiteral("収支累計(円)");
    default:
        return {};
    }
}
