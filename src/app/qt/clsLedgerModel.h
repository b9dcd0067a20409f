#pragma once
// The ledger window's table: one row per bought data file as the core graded it, in round
// order. Owned by the ledger window; filled once per listing.

#include <QAbstractTableModel>

#include <vector>

// Declared only: moc cannot read the money type's header.
struct LedgerEntry;

class clsLedgerModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ColRound,
        ColTickets,
        ColCost,
        ColWon,
        ColBalance,
        ColFile,
        ColumnCount
    };

    explicit clsLedgerModel(QObject* parent = nullptr);
    ~clsLedgerModel() override;

    void SetEntries(std::vector<LedgerEntry> entries);
    const std::vector<LedgerEntry>& Entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString Text(const LedgerEntry& e, int lngColumn) const;

    std::vector<LedgerEntry> m_entries;
};
