#include "core/animation/InBetween.h"

#include <cmath>

namespace InBetween {

namespace {

// Exact at both ends for whole numbers; between two 16-bit values, so within their range.
qint16 roundedBetween(qint16 first, qint16 second, double t)
{
    return static_cast<qint16>(std::round(first + t * (second - first)));
}

} // namespace

clsGene gene(const clsGene& first, const clsGene& second, double t)
{
    const clsGene& switches = t < 0.5 ? first : second;
    clsGene between;
    between.Length = roundedBetween(first.Length, second.Length, t);
    between.Width = roundedBetween(first.Width, second.Width, t);
    // std::lerp is first + t (second - first) exact at both ends: t = 1 gives second's angle to the last bit.
    between.Angle = std::lerp(first.Angle, second.Angle, t);
    between.ColorRed = roundedBetween(first.ColorRed, second.ColorRed, t);
    between.ColorGreen = roundedBetween(first.ColorGreen, second.ColorGreen, t);
    between.ColorBlue = roundedBetween(first.ColorBlue, second.ColorBlue, t);
    between.Done = switches.Done;
    between.Draw = switches.Draw;
    return between;
}

GeneticCode code(const GeneticCode& first, const GeneticCode& second, double t)
{
    GeneticCode between;
    for (std::size_t i = 0; i < between.size(); ++i)
        between[i] = gene(first[i], second[i], t);
    return between;
}

} // namespace InBetween
