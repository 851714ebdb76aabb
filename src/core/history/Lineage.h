#pragma once
// A picture's line of descent in its run: from its oldest ancestor, through first parents, to itself.

#include <QtGlobal>

#include <vector>

class RunHistory;

namespace Lineage {

// The pictures from the oldest ancestor to id, each the first parent of the next (the original of a copy);
// just id when it has no parent in the run, nothing when the run has no picture id.
std::vector<qint16> of(const RunHistory& history, qint16 id);

} // namespace Lineage
