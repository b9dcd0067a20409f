#include "engines/qt/clsRenzokuModel.h"

#include "base/qt/basQtText.h"
#include "engines/clsTRenzoku.h"

clsRenzokuModel::clsRenzokuModel(const clsTRenzoku& batch, QObject* parent)
    : QAbstractTableModel(parent)
    , m_batch(batch)
{}

int clsRenzokuModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_batch.Rows().size());
}

int clsRenzokuModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant clsRenzokuModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const clsTRenzoku::Row& row = m_batch.Rows()[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return basQtText::ToQ(index.column() == ColumnFile ? row.Path : row.Status);
    case Qt::TextAlignmentRole:
        return index.column() == ColumnFile
                   ? QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant clsRenzokuModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return section == ColumnFile ? QStringLiteral("ファイル名") : QStringLiteral("状 態");
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(section == ColumnFile ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignHCenter | Qt::AlignVCenter);
    }
    return {};
}

void clsRenzokuModel::RowChanged(int lngRow)
{
    if (lngRow >= 0 && lngRow < rowCount()) {
        emit dataChanged(index(lngRow, 0), index(lngRow, ColumnCount - 1));
    }
}

void clsRenzokuModel::ChangeList(const std::function<void()>& fnChange)
{
    beginResetModel();
    fnChange();
    endResetModel();
}
