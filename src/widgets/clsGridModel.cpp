#include "widgets/clsGridModel.h"

#include "base/basCellColors.h"
#include "base/clsIGridSource.h"
#include "base/qt/basQtText.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPalette>

#include <cstdint>
#include <optional>

namespace {
// The size the core's point sizes were chosen at: a cell's size scales with the application
// font, as the rest of the grid's text does.
constexpr double kBasePoints = 9.0;

std::optional<std::uint32_t> Rgb(const GridColor& color)
{
    switch (color.enuKind) {
    case GridColor::Kind::Rgb:
        return color.lngRgb;
    case GridColor::Kind::ButtonFace:
        return QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFFu;
    case GridColor::Kind::Default:
        break;
    }
    return std::nullopt;
}

QBrush Brush(std::uint32_t lngRgb)
{
    return QBrush(QColor::fromRgb(static_cast<QRgb>(lngRgb | 0xFF000000u)));
}

// The cell's colours as they are drawn under the application's palette, readable on each
// other; none for a cell that keeps the palette's own.
QVariant CellBrush(const GridCellData& cell, int lngRole)
{
    const std::optional<std::uint32_t> back = Rgb(cell.BackColor);
    const std::optional<std::uint32_t> fore = Rgb(cell.ForeColor);
    const QPalette palette = QApplication::palette();
    const std::uint32_t base = palette.color(QPalette::Base).rgb() & 0xFFFFFFu;
    const std::uint32_t text = palette.color(QPalette::Text).rgb() & 0xFFFFFFu;
    const basCellColors::Pair pair = basCellColors::Resolve(back, fore, base, text);
    if (lngRole == Qt::BackgroundRole) {
        return back ? QVariant(Brush(pair.lngBack)) : QVariant();
    }
    return back || fore ? QVariant(Brush(pair.lngFore)) : QVariant();
}

Qt::Alignment Alignment(GridAlign align)
{
    switch (align) {
    case GridAlign::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case GridAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case GridAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
} // namespace

clsGridModel::clsGridModel(const clsIGridSource& source, QObject* parent)
    : QAbstractTableModel(parent)
    , m_source(source)
    , m_rows(source.Rows())
    , m_cols(source.Cols())
{}

int clsGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int clsGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

const GridCellData& clsGridModel::CellAt(int lngRow, int lngCol) const
{
    if (lngRow != m_cachedRow || lngCol != m_cachedCol) {
        m_cached = m_source.Cell(lngRow, lngCol);
        m_cachedRow = lngRow;
        m_cachedCol = lngCol;
    }
    return m_cached;
}

QVariant clsGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_cols) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return basQtText::ToQ(CellAt(index.row(), index.column()).strText);
    case Qt::AccessibleTextRole: {
        const GridCellData& cell = CellAt(index.row(), index.column());
        return basQtText::ToQ(cell.strAccessibleText.empty() ? cell.strText
                                                             : cell.strAccessibleText);
    }
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        return CellBrush(CellAt(index.row(), index.column()), role);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Alignment(CellAt(index.row(), index.column()).Align));
    case Qt::FontRole: {
        const GridCellData& cell = CellAt(index.row(), index.column());
        if (!cell.blnBold && cell.lngFontPoints <= 0 && cell.strFontName.empty()) {
            return {};
        }
        QFont font = QApplication::font();
        if (!cell.strFontName.empty()) {
            font.setFamily(basQtText::ToQ(cell.strFontName));
        }
        if (cell.lngFontPoints > 0 && font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * cell.lngFontPoints / kBasePoints);
        }
        font.setBold(cell.blnBold);
        return font;
    }
    default:
        break;
    }
    return {};
}

Qt::ItemFlags clsGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void clsGridModel::Refresh()
{
    m_cachedRow = -1;
    m_cachedCol = -1;
    if (m_source.Rows() != m_rows || m_source.Cols() != m_cols) {
        beginResetModel();
        m_rows = m_source.Rows();
        m_cols = m_source.Cols();
        endResetModel();
        return;
    }
    if (m_rows > 0 && m_cols > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
    }
}

void clsGridModel::RefreshCell(std::int32_t lngRow, std::int32_t lngCol)
{
    if (lngRow < 0 || lngRow >= m_rows || lngCol < 0 || lngCol >= m_cols) {
        return;
    }
    if (lngRow == m_cachedRow && lngCol == m_cachedCol) {
        m_cachedRow = -1;
    }
    const QModelIndex cell = index(lngRow, lngCol);
    emit dataChanged(cell, cell);
}
