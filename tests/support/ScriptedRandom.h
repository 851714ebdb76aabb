#pragma once
// A random source that returns a given sequence of r values and logs every reseed and draw; the program-wide
// generator while it lives.

#include "program/SharedRandom.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values = {}, float fallback = -1.0F)
        : m_values(std::move(values))
        , m_fallback(fallback)
        , m_scope(*this)
    {
    }

    void reseed() override
    {
        ++reseeds;
        log += 'S';
    }

    float next() override
    {
        ++draws;
        log += 'D';
        if (m_position < m_values.size())
            return m_values[m_position++];
        if (m_fallback < 0.0F)
            throw std::out_of_range("scripted random source ran out of values");
        return m_fallback;
    }

    void append(const std::vector<float>& more) { m_values.insert(m_values.end(), more.begin(), more.end()); }

    int reseeds = 0;
    int draws = 0;
    // "S" for each reseed, "D" for each draw, in order.
    std::string log;

private:
    std::vector<float> m_values;
    std::size_t m_position = 0;
    float m_fallback;
    Rnd::ScopedSource m_scope;
};
