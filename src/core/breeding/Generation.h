#pragma once
// One generation of the Breed window: its parents in its first cells, then its new offspring; what it was bred
// with; and the cells the user left selected and focused. Its codes are kept, never its images.

#include "core/breeding/BreedOptions.h"
#include "core/history/BirthRecord.h"

#include <QString>

#include <vector>

struct Generation {
    // Every cell's genetic code, row by row, the parents first.
    std::vector<GeneticCode> cells;
    // Each cell's picture ID once it is a picture of the run, -1 until then.
    std::vector<qint16> ids;
    // One for each parent: how a parent that is no picture of the run came to be (read from a file, a picture of an
    // earlier run). Not asked of a parent with an ID.
    std::vector<BirthRecord> origins;
    BreedOptions options;
    // Cells from 0: the selected ones, ascending, and the focused one.
    std::vector<int> selection;
    int focus = 0;

    int cellCount() const { return static_cast<int>(cells.size()); }
    int parentCount() const { return static_cast<int>(origins.size()); }
    bool isParent(int cell) const { return cell < parentCount(); }
    // Cells in a row.
    int side() const;
    bool isSelected(int cell) const;
    // Selects cell, or takes it out of the selection.
    void setSelected(int cell, bool selected);

    // The IDs of its parents that are pictures of the run, in the order of their cells.
    std::vector<qint16> parentIds() const;
    // "picture 7", "tree.gen", "picture 7 of the run of 2026-12-08 17:03:12".
    QString parentName(int parent) const;
    // What cell is, for its tooltip: "Parent 1: picture 7", "Bred from picture 7 and tree.gen at rate 0.1".
    QString describe(int cell) const;
    // How cell enters the run's history when it is chosen as a parent, drawn with flags: a parent as it came, an
    // offspring bred in the Breed window from the parents of the run.
    BirthRecord birthOf(int cell, Drawing::Flags flags) const;
};
