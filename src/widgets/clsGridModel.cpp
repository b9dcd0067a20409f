#include "widgets/clsGridModel.h"

#include "base/clsIGridSource.h"
#include "base/qt/basQtText.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPalette>

namespace {
QVariant Brush(const GridColor& color)
{
    switch (color.enuKind) {
    case GridColor::Kind::Rgb:
        return QBrush(QColor(static_cast<int>((color.lngRgb >> 16) & 0xFF),
                             static_cast<int>((color.lngRgb >> 8) & 0xFF),
                             static_cast<int>(color.lngRgb & 0xFF)));
    case GridColor::Kind::ButtonFace:
        return QBrush(QApplication::palette().color(QPalette::Button));
    case GridColor::Kind::Default:
        break;
    }
    return {};
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
        return Brush(CellAt(index.row(), index.column()).ForeColor);
    case Qt::BackgroundRole:
        return Brush(CellAt(index.row(), index.column()).BackColor);
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
        if (cell.lngFontPoints > 0) {
            font.setPointSize(cell.lngFontPoints);
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
