#pragma once
// Breeds a generation of the Breed window from its parents: the parents in the first cells, then new offspring.

#include "core/breeding/Generation.h"
#include "core/drawing/DrawFlags.h"

#include <vector>

class RandomSource;

namespace Offspring {

// How often an offspring that draws no segment is bred again.
inline constexpr int EmptyRetries = 20;

struct Parent {
    GeneticCode code;
    // Its picture ID when it is a picture of the run, else -1 and origin says what it is.
    qint16 id = -1;
    BirthRecord origin;
};

// Cells in a row for a generation of parentCount parents when wanted are asked for: more when the parents would
// leave no room for an offspring, up to MaxGridSide.
int sideFor(std::size_t parentCount, int wanted);

// The parents in the first cells (so many that they leave one cell of the largest grid free), then offspring, each
// bred from all of them with options; with no parent, every cell random. With options.skipEmpty an offspring that
// draws no segment with flags is bred again, up to EmptyRetries times.
Generation breed(std::vector<Parent> parents, const BreedOptions& options, int wantedSide, Drawing::Flags flags,
    RandomSource& random);

// Whether the drawing of code with flags has a segment; one whose drawing fails before its first segment has none.
bool drawsSegment(const GeneticCode& code, Drawing::Flags flags);

} // namespace Offspring
