#pragma once
// How unlike two genetic codes are: each trait's difference over the range breeding gives it, averaged.

#include "core/genetics/GeneticCode.h"

namespace Likeness {

// From 0 for the same code to 1 for codes that differ in every trait as far as the ranges allow; the same either
// way round. Angles are compared on the circle; a trait beyond its bred range counts as differing at most fully.
double distance(const GeneticCode& a, const GeneticCode& b);

} // namespace Likeness
