#pragma once
// The summary lines printed after the benchmarks: ratios and measured figures.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace BenchSummary {

// Registers a line printer, run after all benchmarks with their times in nanoseconds.
void add(std::function<void(const std::map<std::string, double>&)> printer);
void print(const std::map<std::string, double>& nanoseconds);

} // namespace BenchSummary
