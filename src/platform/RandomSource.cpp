#include "RandomSource.h"

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

ClockRandomSource& defaultSource()
{
    static ClockRandomSource source;
    return source;
}

RandomSource* current = nullptr;

} // namespace

ClockRandomSource::ClockRandomSource()
{
    // Any state but all zeroes works; the clock makes each run differ.
    std::uint64_t seed = clockReading();
    for (std::uint64_t& word : m_state)
        word = splitMix64(seed++);
}

std::uint64_t ClockRandomSource::nextBits()
{
    const auto rotl = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
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
    constexpr float scale = 1.0F / 16777216.0F; // 2^-24: every k / 2^24 is exact in a float
    return static_cast<float>(nextBits() >> 40) * scale;
}

namespace Rnd {

RandomSource& shared()
{
    return current ? *current : defaultSource();
}

ScopedSource::ScopedSource(RandomSource& replacement)
    : m_previous(current)
{
    current = &replacement;
}

ScopedSource::~ScopedSource()
{
    current = m_previous;
}

} // namespace Rnd
