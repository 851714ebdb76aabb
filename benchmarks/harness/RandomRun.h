#pragma once
// A run of many pictures for the family tree and journal benchmarks: litters of nine bred from earlier ones.

#include "core/history/RunHistory.h"

// Opens count pictures in history, IDs from first: random genetic codes from a fixed seed, each litter of
// nine bred from one picture of the litter before, with now and then a closed one.
void fillRandomRun(RunHistory& history, int count, qint16 first = 0);
