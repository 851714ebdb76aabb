#pragma once
// Runs independent pieces of work on several threads, each piece exactly once.

#include <functional>

namespace ParallelRun {

// requested when above 0, else one for each core.
int threadCount(int requested);

// Calls work(i) for every i from 0 to count - 1 on up to threads threads (this one among them) and
// returns when all are done. Pieces are handed out in order, one at a time, so a slow one never holds
// up the rest; work must not throw.
void forEachIndex(int count, int threads, const std::function<void(int index)>& work);

} // namespace ParallelRun
