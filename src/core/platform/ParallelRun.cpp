#include "core/platform/ParallelRun.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace ParallelRun {

int threadCount(int requested)
{
    return requested > 0 ? requested : std::max(1, QThread::idealThreadCount());
}

void forEachIndex(int count, int threads, const std::function<void(int index)>& work)
{
    std::atomic<int> next { 0 };
    const auto worker = [&] {
        for (int i = next.fetch_add(1, std::memory_order_relaxed); i < count;
             i = next.fetch_add(1, std::memory_order_relaxed))
            work(i);
    };
    std::vector<std::jthread> helpers;
    const int helperCount = std::min(threads, count) - 1;
    for (int i = 0; i < helperCount; ++i)
        helpers.emplace_back(worker);
    worker();
}

} // namespace ParallelRun
