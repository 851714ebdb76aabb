#include "core/album/Likeness.h"

#include "core/genetics/TraitOrder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Likeness {

namespace {

// The spans of the values clsGene's random operations give: lengths 0 to 999, widths 1 to 16, colours 0 to 255.
constexpr double LengthSpan = 999.0;
constexpr double WidthSpan = 15.0;
constexpr double ColourSpan = 255.0;

double apart(qint16 a, qint16 b, double span)
{
    return std::min(1.0, std::abs(static_cast<double>(a) - static_cast<double>(b)) / span);
}

// The shorter way round, over the half turn that is the farthest two angles can be.
double angleApart(double a, double b)
{
    const double turn = 2.0 * std::numbers::pi;
    const double d = std::fmod(std::abs(a - b), turn);
    if (!std::isfinite(d))
        return 1.0;
    return std::min(d, turn - d) / std::numbers::pi;
}

double geneApart(const clsGene& a, const clsGene& b)
{
    return apart(a.Length, b.Length, LengthSpan) + apart(a.Width, b.Width, WidthSpan) + angleApart(a.Angle, b.Angle)
        + apart(a.ColorRed, b.ColorRed, ColourSpan) + apart(a.ColorGreen, b.ColorGreen, ColourSpan)
        + apart(a.ColorBlue, b.ColorBlue, ColourSpan) + (a.Done != b.Done ? 1.0 : 0.0) + (a.Draw != b.Draw ? 1.0 : 0.0);
}

} // namespace

double distance(const GeneticCode& a, const GeneticCode& b)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += geneApart(a[i], b[i]);
    return sum / static_cast<double>(GeneCount * TraitOrder.size());
}

} // namespace Likeness
