#pragma once
// Where each picture of a run stands in its family tree: generations in rows from the top.
//
// A picture with no parent in the run is in generation 0, a child one generation below its deepest
// parent. A generation fills lines of at most perLine pictures, left to right in the order they came.

#include <QHash>
#include <QPointF>
#include <QSizeF>

#include <vector>

class FamilyLayout {
public:
    // cell: the room one picture takes, spacing included; gap: the extra room between generations.
    FamilyLayout(QSizeF cell, double gap, int perLine);

    // Places id below its deepest placed parent (parents not placed are not of this run). Gives true
    // when pictures placed earlier moved, because a generation above them took another line.
    bool add(qint16 id, const std::vector<qint16>& parents);

    bool contains(qint16 id) const { return m_places.contains(id); }
    int generation(qint16 id) const;
    // The top-left corner of the picture's cell.
    QPointF position(qint16 id) const;
    // The room all the pictures take.
    QSizeF size() const;
    int generations() const { return static_cast<int>(m_members.size()); }

private:
    struct Place {
        int generation;
        int index;
    };

    int lines(int generation) const;
    void updateTops();

    QSizeF m_cell;
    double m_gap;
    int m_perLine;
    std::vector<std::vector<qint16>> m_members;
    std::vector<double> m_tops;
    QHash<qint16, Place> m_places;
};
