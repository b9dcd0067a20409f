#pragma once
// The item model over a core grid source: it turns each cell's text, colours, alignment and
// font into Qt's roles and computes nothing itself. Owned by its clsGridView.

#include "base/GridCellData.h"

#include <QAbstractTableModel>

#include <cstdint>

class clsIGridSource;

class clsGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit clsGridModel(const clsIGridSource& source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The source changed: a new size resets the view, otherwise every cell is drawn again.
    void Refresh();
    void RefreshCell(std::int32_t lngRow, std::int32_t lngCol);
    const clsIGridSource& Source() const { return m_source; }

private:
    // The view asks for several roles of one cell in a row: the cell is read from the source
    // once for all of them.
    const GridCellData& CellAt(int lngRow, int lngCol) const;

    const clsIGridSource& m_source;
    int m_rows = 0;
    int m_cols = 0;
    mutable int m_cachedRow = -1;
    mutable int m_cachedCol = -1;
    mutable GridCellData m_cached;
};
