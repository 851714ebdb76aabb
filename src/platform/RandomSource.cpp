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
    reseed();
}

void ClockRandomSource::reseed()
{
    const std::uint64_t stirred = splitMix64(m_engine() ^ splitMix64(clockReading()));
    std::seed_seq seq{static_cast<std::uint32_t>(stirred), static_cast<std::uint32_t>(stirred >> 32),
                      static_cast<std::uint32_t>(m_engine()), static_cast<std::uint32_t>(m_engine() >> 32)};
    m_engine.seed(seq);
}

float ClockRandomSource::next()
{
    constexpr float scale = 1.0F / 16777216.0F; // 2^-24: every k / 2^24 is exact in a float
    return static_cast<float>(m_engine() >> 40) * scale;
}

namespace Rnd {

RandomSource& shared()
{
    return current ? *current : defaultSource();
}

ScopedSource::ScopedSource(RandomSource& replacement) : m_previous(current)
{
    current = &replacement;
}

ScopedSource::~ScopedSource()
{
    current = m_previous;
}

} // namespace Rnd
