#include "core/platform/RandomSource.h"

#include <chrono>

namespace {

std::uint64_t splitMix64(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::uint64_t clockReading()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void seedState(std::array<std::uint64_t, 4>& state, std::uint64_t seed)
{
    for (std::uint64_t& word : state)
        word = splitMix64(seed++);
}

std::uint64_t xoshiroNext(std::array<std::uint64_t, 4>& state)
{
    const auto rotl = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const std::uint64_t result = rotl(state[1] * 5, 7) * 9;
    const std::uint64_t t = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= t;
    state[3] = rotl(state[3], 45);
    return result;
}

// The top 24 bits as k / 2^24: every such value is exact in a float.
float unitFloat(std::uint64_t bits)
{
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(bits >> 40) * scale;
}

} // namespace

ClockRandomSource::ClockRandomSource()
{
    // Any state but all zeroes works; the clock makes each run differ.
    seedState(m_state, clockReading());
}

std::uint64_t ClockRandomSource::nextBits()
{
    return xoshiroNext(m_state);
}

void ClockRandomSource::reseed()
{
    m_state[0] ^= splitMix64(clockReading());
    m_state[1] ^= splitMix64(m_state[0]);
    if ((m_state[0] | m_state[1] | m_state[2] | m_state[3]) == 0)
        m_state[0] = 0x9E3779B97F4A7C15ULL;
    // Spread the stirred words through the whole state before the next draw.
    for (int i = 0; i < 4; ++i)
        nextBits();
}

float ClockRandomSource::next()
{
    return unitFloat(nextBits());
}

SeededRandomSource::SeededRandomSource(std::uint64_t seed)
{
    // splitMix64 never gives four zero words in a row, so every seed is a valid state.
    seedState(m_state, seed);
}

float SeededRandomSource::next()
{
    return unitFloat(xoshiroNext(m_state));
}
