#pragma once
// Random generators that draw r in [0, 1): one reseeded from the clock, one that repeats from a seed.

#include <array>
#include <cstdint>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Stirs the clock into the state; never restarts the sequence.
    virtual void reseed() = 0;
    // The next r = k / 2^24, 0 <= r < 1, in single precision.
    virtual float next() = 0;
};

// xoshiro256** whose reseed stirs a hash of the clock into the running state: the sequence
// goes on from where it was, so many reseeds within one clock tick still give fresh values.
// A reseed costs a few nanoseconds, as breeding reseeds about a hundred times per picture.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    void reseed() override;
    float next() override;

private:
    std::uint64_t nextBits();

    std::array<std::uint64_t, 4> m_state;
};

// xoshiro256** started from a given seed and never from the clock: the same seed gives the same
// values on any machine. Its reseed leaves the sequence as it is, so it repeats exactly.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed);
    void reseed() override { }
    float next() override;

private:
    std::array<std::uint64_t, 4> m_state;
};
