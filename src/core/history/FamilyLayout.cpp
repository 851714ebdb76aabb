#include "core/history/FamilyLayout.h"

#include <algorithm>

FamilyLayout::FamilyLayout(QSizeF cell, double gap, int perLine)
    : m_cell(cell)
    , m_gap(gap)
    , m_perLine(std::max(1, perLine))
{
}

int FamilyLayout::lines(int generation) const
{
    const auto count = static_cast<int>(m_members[static_cast<std::size_t>(generation)].size());
    return (count + m_perLine - 1) / m_perLine;
}

void FamilyLayout::updateTops()
{
    m_tops.resize(m_members.size());
    double top = 0;
    for (std::size_t g = 0; g < m_members.size(); ++g) {
        m_tops[g] = top;
        top += lines(static_cast<int>(g)) * m_cell.height() + m_gap;
    }
}

bool FamilyLayout::add(qint16 id, const std::vector<qint16>& parents)
{
    int generation = 0;
    for (const qint16 parent : parents) {
        const auto it = m_places.constFind(parent);
        if (it != m_places.cend())
            generation = std::max(generation, it->generation + 1);
    }
    if (generation >= generations())
        m_members.resize(static_cast<std::size_t>(generation) + 1);
    auto& row = m_members[static_cast<std::size_t>(generation)];
    const int linesBefore = lines(generation);
    m_places.insert(id, Place { generation, static_cast<int>(row.size()) });
    row.push_back(id);
    const bool moved = lines(generation) != linesBefore && generation + 1 < generations();
    updateTops();
    return moved;
}

int FamilyLayout::generation(qint16 id) const
{
    return m_places.value(id, Place { -1, -1 }).generation;
}

QPointF FamilyLayout::position(qint16 id) const
{
    const auto it = m_places.constFind(id);
    if (it == m_places.cend())
        return {};
    return { (it->index % m_perLine) * m_cell.width(),
        m_tops[static_cast<std::size_t>(it->generation)] + (it->index / m_perLine) * m_cell.height() };
}

QSizeF FamilyLayout::size() const
{
    if (m_members.empty())
        return {};
    double width = 0;
    for (const auto& row : m_members)
        width = std::max(width, std::min<int>(static_cast<int>(row.size()), m_perLine) * m_cell.width());
    const int last = generations() - 1;
    return { width, m_tops.back() + lines(last) * m_cell.height() };
}
