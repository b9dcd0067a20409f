#pragma once
// The back-test window's table: one row per round tested, with the running balance of all the
// rounds up to it. The window owns it and hands it the rows as the back-test makes them.

#include "store/clsBacktest.h"

#include <QAbstractTableModel>

#include <vector>

// No Q_OBJECT: no signals of its own, and moc cannot read the core's C++20 headers.
class clsBacktestModel : public QAbstractTableModel
{
public:
    enum Column
    {
        ColumnRound,
        ColumnSingles,
        ColumnHit,
        ColumnCost,
        ColumnWon,
        ColumnBalance,
        ColumnCount
    };

    explicit clsBacktestModel(QObject* parent);

    void Clear();
    void Append(const std::vector<clsBacktest::Row>& rows);
    const std::vector<clsBacktest::Row>& Rows() const { return m_rows; }
    // Won minus cost of every round up to row lngRow.
    Currency Balance(int lngRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString Text(int lngRow, int lngColumn) const;

    std::vector<clsBacktest::Row> m_rows;
    std::vector<Currency> m_balance;
};
