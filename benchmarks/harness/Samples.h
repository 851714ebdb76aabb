#pragma once
// Times measured over many runs, in milliseconds: the median, percentiles and the line that reports them.

#include <chrono>
#include <vector>

// The median, and the spread between the 10th and 90th percentiles.
double percentile(const std::vector<double>& sorted, double fraction);
void printMilliseconds(const char* label, std::vector<double> samples);
double median(std::vector<double> samples);
double millisecondsSince(std::chrono::steady_clock::time_point start);
