#pragma once
// The program-wide random generator: draws r in [0, 1) and is reseeded from the clock.

#include <cstdint>
#include <memory>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Stirs the clock into the state; never restarts the sequence.
    virtual void reseed() = 0;
    // The next r = k / 2^24, 0 <= r < 1, in single precision.
    virtual float next() = 0;
};

// Mersenne Twister whose reseed hashes the clock together with fresh output of the engine,
// so many reseeds within one clock tick still give new, well-mixed values.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    void reseed() override;
    float next() override;

private:
    std::mt19937_64 m_engine;
};

namespace Rnd {
// The shared generator every random operation uses.
RandomSource& shared();
inline void reseed() { shared().reseed(); }
inline float next() { return shared().next(); }

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
