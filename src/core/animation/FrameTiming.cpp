#include "core/animation/FrameTiming.h"

#include <algorithm>
#include <cmath>

FrameTiming::FrameTiming(int pictures, double secondsPerStep, int framesPerSecond, bool backAndForth)
    : m_pictures(std::max(2, pictures))
    , m_framesPerSecond(std::max(1, framesPerSecond))
    , m_framesPerStep(std::max(1, static_cast<int>(std::lround(secondsPerStep * m_framesPerSecond))))
    , m_backAndForth(backAndForth)
{
}

int FrameTiming::frameCount() const
{
    return (m_pictures - 1) * m_framesPerStep + 1;
}

int FrameTiming::loopLength() const
{
    return m_backAndForth ? 2 * (frameCount() - 1) : frameCount();
}

int FrameTiming::frameOfLoop(int index) const
{
    const int last = frameCount() - 1;
    const int place = std::clamp(index, 0, loopLength() - 1);
    return place <= last ? place : 2 * last - place;
}

FramePosition FrameTiming::position(int frame) const
{
    const int last = frameCount() - 1;
    const int shown = std::clamp(frame, 0, last);
    if (shown == last)
        return { m_pictures - 2, 1.0 };
    const int step = shown / m_framesPerStep;
    return { step, static_cast<double>(shown - step * m_framesPerStep) / m_framesPerStep };
}

int FrameTiming::frameNearest(const FrameTiming& other, int frame) const
{
    const FramePosition at = other.position(frame);
    return std::clamp(static_cast<int>(std::lround((at.step + at.t) * m_framesPerStep)), 0, frameCount() - 1);
}
