#pragma once
// Prints Google Benchmark's table and keeps each benchmark's time per iteration (the median of
// its repetitions where it has them) for the summary lines.

#include <benchmark/benchmark.h>
#include <map>
#include <string>

class BenchReporter final : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so a saved run reads as plain text.
    explicit BenchReporter(bool colour)
        : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            // CPU time: the machine may be busy with other work while benchmarks run.
            const double ns = run.GetAdjustedCPUTime() * timeUnitToNanoseconds(run.time_unit);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                nanoseconds[name] = ns;
            else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && run.repetitions <= 1)
                nanoseconds[name] = ns;
        }
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
