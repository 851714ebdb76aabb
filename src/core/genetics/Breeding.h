#pragma once
// Breeding as a pure function: a child's genetic code from a mutation rate, a random source and its parents.

#include "core/genetics/GeneticCode.h"

#include <array>
#include <cstdint>
#include <vector>

class RandomSource;

namespace Breeding {

// Which traits of each gene may mutate: bit t of gene i's mask stands for TraitOrder[t].
using MutableTraits = std::array<std::uint8_t, GeneCount>;
inline constexpr std::uint8_t AllTraits = 0xFF;
inline constexpr MutableTraits EveryTrait { AllTraits, AllTraits, AllTraits, AllTraits, AllTraits, AllTraits, AllTraits,
    AllTraits, AllTraits, AllTraits, AllTraits, AllTraits };

// With no parent or a rate of 1 or more, every gene Random in turn. Otherwise gene by gene, after one reseed:
// each trait in TraitOrder mutates when the rate (in single precision) exceeds a draw r, taking the gene's
// random value; else it is copied from the same gene of the parent that a second draw s picks
// (floor(s * parent count)). Error 6 when the rate lies beyond the single-precision range.
GeneticCode breed(double rate, RandomSource& random, const std::vector<GeneticCode>& parents);

// The same with only some traits free to mutate. A trait left out makes exactly the draws the breeding above makes
// for it, so the traits left free come out draw for draw as there. Where that breeding would mutate it (its
// mutation test passed, or every gene Random with a rate of 1 or more) the trait is instead copied from the parent
// that the last draw of that mutation picks (floor(value * parent count)); where it would inherit, it inherits as
// usual. With no parent the whole code is random, left-out traits too: there is nothing to copy.
GeneticCode breed(
    double rate, RandomSource& random, const std::vector<GeneticCode>& parents, const MutableTraits& mutableTraits);

} // namespace Breeding
