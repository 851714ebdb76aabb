#pragma once
// Rows of test tables print as their names when a test fails, rather than as bytes.
//
// A table's file brings this in with "using CaseNames::PrintTo;" in the namespace of its rows.

#include <ostream>

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

} // namespace CaseNames
