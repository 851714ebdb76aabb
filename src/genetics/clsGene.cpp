#include "genetics/clsGene.h"

#include "platform/RandomSource.h"

#include <cmath>

namespace {

double freshDraw()
{
    Rnd::reseed();
    return Rnd::next();
}

qint16 scaled(double r, double range)
{
    return static_cast<qint16>(std::floor(r * range));
}

bool coinFlip(double r)
{
    return std::floor(2.0 * r) != 0.0;
}

} // namespace

void clsGene::RndLength()
{
    Length = scaled(freshDraw(), 1000.0);
}

void clsGene::RndWidth()
{
    Width = static_cast<qint16>(scaled(freshDraw(), 16.0) + 1);
}

void clsGene::RndAngle()
{
    // The constant is the single-precision 3.14159 (3.1415901184082031), not pi.
    constexpr double pi = static_cast<double>(3.14159F);
    Angle = 2.0 * freshDraw() * pi;
}

void clsGene::RndColorRed()
{
    ColorRed = scaled(freshDraw(), 256.0);
}

void clsGene::RndColorBlue()
{
    ColorBlue = scaled(freshDraw(), 256.0);
}

void clsGene::RndDraw()
{
    Draw = coinFlip(freshDraw());
}

void clsGene::RndColorGreen()
{
    ColorGreen = scaled(freshDraw(), 256.0);
}

void clsGene::RndDone()
{
    Done = coinFlip(freshDraw());
}

void clsGene::Random()
{
    RndLength();
    RndAngle();
    RndColorBlue();
    RndColorGreen();
    RndColorRed();
    RndDone();
    RndDraw();
    RndWidth();
}
