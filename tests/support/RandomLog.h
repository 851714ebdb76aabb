#pragma once
// Expected logs of the scripted random source: "S" a reseed, "D" a draw.

#include <string>

inline std::string repeat(const std::string& part, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += part;
    return s;
}

// Twelve genes of Random: each of the eight operations reseeds, then draws.
inline const std::string wholeCodeRandom = repeat("SD", 96);
