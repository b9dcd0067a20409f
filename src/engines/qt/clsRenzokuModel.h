#pragma once
// The batch window's file list as a table model: one row per file of the batch, the path and
// its status. Reads the batch it is given (owned by the same window, which outlives it); the
// window tells it when a row or the whole list changed.

#include <QAbstractTableModel>

#include <functional>

class clsTRenzoku;

class clsRenzokuModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColumnFile = 0,
        ColumnStatus = 1,
        ColumnCount = 2
    };

    clsRenzokuModel(const clsTRenzoku& batch, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void RowChanged(int lngRow);
    // fnChange adds or removes rows of the batch; the views start again from the new list.
    void ChangeList(const std::function<void()>& fnChange);

private:
    const clsTRenzoku& m_batch;
};
