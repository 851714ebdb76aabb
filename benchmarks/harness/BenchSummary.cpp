#include "harness/BenchSummary.h"

namespace BenchSummary {

namespace {
std::vector<std::function<void(const std::map<std::string, double>&)>>& printers()
{
    static std::vector<std::function<void(const std::map<std::string, double>&)>> list;
    return list;
}
} // namespace

void add(std::function<void(const std::map<std::string, double>&)> printer)
{
    printers().push_back(std::move(printer));
}

void print(const std::map<std::string, double>& nanoseconds)
{
    for (const auto& printer : printers())
        printer(nanoseconds);
}

} // namespace BenchSummary
