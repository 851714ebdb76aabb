#include "core/sheet/SheetLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int squareColumns(qsizetype count)
{
    return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
}

} // namespace

SheetLayout::SheetLayout(const QList<QSize>& pictures, int columns, int scale)
    : m_pictures(pictures)
    , m_scale(scale)
    , m_columns(static_cast<int>(std::clamp<qsizetype>(
          columns > 0 ? columns : squareColumns(pictures.size()), 1, std::max<qsizetype>(1, pictures.size()))))
{
    // Every cell as big as the biggest picture, so that whole-tree pictures line up in rows and columns.
    for (const QSize& picture : pictures)
        m_cell = m_cell.expandedTo(picture);
    const int rows = static_cast<int>((pictures.size() + m_columns - 1) / m_columns);
    const int margin = Margin * scale;
    const int gap = Gap * scale;
    const int rowHeight = m_cell.height() + LabelHeight * scale;
    m_size = QSize(2 * margin + m_columns * m_cell.width() + (m_columns - 1) * gap,
        2 * margin + rows * rowHeight + std::max(0, rows - 1) * gap);
}

QRect SheetLayout::cell(int index) const
{
    const int column = index % m_columns;
    const int row = index / m_columns;
    const int gap = Gap * m_scale;
    return { Margin * m_scale + column * (m_cell.width() + gap),
        Margin * m_scale + row * (m_cell.height() + LabelHeight * m_scale + gap), m_cell.width(), m_cell.height() };
}

QRect SheetLayout::picture(int index) const
{
    const QRect place = cell(index);
    const QSize size = m_pictures[index];
    return { place.x() + (place.width() - size.width()) / 2, place.bottom() + 1 - size.height(), size.width(),
        size.height() };
}

QRect SheetLayout::label(int index) const
{
    const QRect place = cell(index);
    return { place.x(), place.bottom() + 1, place.width(), LabelHeight * m_scale };
}
