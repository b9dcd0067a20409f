#include "app/qt/clsLedgerModel.h"

#include "app/clsLedger.h"
#include "base/qt/basQtText.h"
#include "results/clsTResultBalance.h"

#include <QBrush>
#include <QColor>

namespace {
QString Yen(Currency c, bool blnSigned)
{
    const std::string sign = blnSigned && c > Currency() ? "+" : "";
    return basQtText::ToQ(sign + c.FormatNumber(0, true) + "円");
}
} // namespace

clsLedgerModel::clsLedgerModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

clsLedgerModel::~clsLedgerModel() = default;

void clsLedgerModel::SetEntries(std::vector<LedgerEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int clsLedgerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int clsLedgerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString clsLedgerModel::Text(const LedgerEntry& e, int lngColumn) const
{
    const QString unknown = basQtText::ToQ(clsTResultBalance::kUnknown);
    if (!e.Read()) {
        // The row stays, saying why: a file dropped silently would change the season's total
        // without a word.
        if (lngColumn == ColFile) {
            return basQtText::ToQ(e.FileName) + QStringLiteral("（読み込めません）");
        }
        return lngColumn == ColRound ? unknown : QString();
    }
    switch (lngColumn) {
    case ColRound:
        return e.Kaisaikai > 0 ? QStringLiteral("第%1回").arg(e.Kaisaikai) +
                                     basQtText::ToQ(e.Kumi.empty() ? "" : " " + e.Kumi + "組")
                               : unknown;
    case ColTickets:
        return basQtText::ToQ(Currency::FromInt(e.Tickets).FormatNumber(0, true));
    case ColCost:
        return Yen(e.Cost, false);
    case ColWon:
        return e.Graded ? Yen(e.Won, false) : unknown;
    case ColBalance:
        return e.Graded ? Yen(e.Balance(), true) : unknown;
    case ColFile:
        return basQtText::ToQ(e.FileName);
    default:
        return {};
    }
}

QVariant clsLedgerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) {
        return {};
    }
    const LedgerEntry& e = m_entries[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(e, index.column());
    case Qt::AccessibleTextRole:
        return headerData(index.column(), Qt::Horizontal).toString() + QLatin1Char(' ') +
               Text(e, index.column());
    case Qt::ToolTipRole:
        return e.Read() ? basQtText::ToQ(e.FileName) : basQtText::ToQ(e.Error);
    case Qt::TextAlignmentRole:
        return index.column() == ColFile || index.column() == ColRound
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (!e.Read()) {
            return QBrush(QColor(0xc0, 0x00, 0x00));
        }
        if (index.column() == ColBalance && e.Graded && e.Balance() < Currency()) {
            return QBrush(QColor(0xc0, 0x00, 0x00));
        }
        return {};
    default:
        return {};
    }
}

QVariant clsLedgerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static constexpr const char* kHead[ColumnCount] = {"開催回",     "口数", "購入金額",
                                                       "当せん金額", "収支", "ファイル"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(kHead[section]) : QString();
}
