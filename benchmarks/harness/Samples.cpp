#include "harness/Samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double percentile(const std::vector<double>& sorted, double fraction)
{
    const double at = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return percentile(samples, 0.5);
}

void printMilliseconds(const char* label, std::vector<double> samples)
{
    if (samples.empty())
        return;
    std::sort(samples.begin(), samples.end());
    std::printf("%s: median %.2f ms, p10 %.2f ms, p90 %.2f ms\n", label, percentile(samples, 0.5),
        percentile(samples, 0.1), percentile(samples, 0.9));
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
