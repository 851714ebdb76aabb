#pragma once
// Rows of test tables name their tests, and print as their names when a test fails rather than as bytes.
//
// A table's file brings PrintTo in with "using CaseNames::PrintTo;" in the namespace of its rows, and names its
// tests with CaseNames::testName as the last argument of INSTANTIATE_TEST_SUITE_P.

#include <ostream>
#include <string>

namespace CaseNames {

template <typename Case>
requires requires(const Case& c)
{
    *static_cast<std::ostream*>(nullptr) << c.name;
}
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

inline constexpr auto testName = [](const auto& info) { return std::string(info.param.name); };

} // namespace CaseNames
