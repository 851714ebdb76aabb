#pragma once
// Breeding as a pure function: a child's genetic code from a mutation rate, a random source and its parents.

#include "core/genetics/GeneticCode.h"

#include <vector>

class RandomSource;

namespace Breeding {

// With no parent or a rate of 1 or more, every gene Random in turn. Otherwise gene by gene, after one reseed:
// each trait in TraitOrder mutates when the rate (in single precision) exceeds a draw r, taking the gene's
// random value; else it is copied from the same gene of the parent that a second draw s picks
// (floor(s * parent count)). Error 6 when the rate lies beyond the single-precision range.
GeneticCode breed(double rate, RandomSource& random, const std::vector<GeneticCode>& parents);

} // namespace Breeding
