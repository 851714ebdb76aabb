#pragma once
// Prints Google Benchmark's table and keeps each benchmark's time per iteration for summaries.

#include <benchmark/benchmark.h>
#include <map>
#include <string>

class BenchReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime() * timeUnitToNanoseconds(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> nanoseconds;

private:
    static double timeUnitToNanoseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond:
            return 1e9;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kMicrosecond:
            return 1e3;
        default:
            return 1.0;
        }
    }
};
