#include "harness/CpuClock.h"

#include <ctime>

namespace {

double cpuClockMilliseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

} // namespace

namespace CpuClock {

double threadMilliseconds()
{
    return cpuClockMilliseconds(CLOCK_THREAD_CPUTIME_ID);
}

double processMilliseconds()
{
    return cpuClockMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
}

} // namespace CpuClock
