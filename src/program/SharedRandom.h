#pragma once
// The program-wide random generator every random operation of the program draws from.

#include "core/platform/RandomSource.h"

namespace Rnd {

// The clock-seeded generator, unless a ScopedSource stands in for it.
RandomSource& shared();
inline void reseed()
{
    shared().reseed();
}
inline float next()
{
    return shared().next();
}

// Puts another source in place of the shared one for its lifetime (tests, benchmarks).
class ScopedSource {
public:
    explicit ScopedSource(RandomSource& replacement);
    ~ScopedSource();
    ScopedSource(const ScopedSource&) = delete;
    ScopedSource& operator=(const ScopedSource&) = delete;

private:
    RandomSource* m_previous;
};

} // namespace Rnd
