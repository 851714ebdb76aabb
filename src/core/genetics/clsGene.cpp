#include "core/genetics/clsGene.h"

#include "core/genetics/TraitOrder.h"
#include "core/platform/RandomSource.h"

#include <cmath>

namespace {

double freshDraw(RandomSource& random)
{
    random.reseed();
    return random.next();
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

void clsGene::RndLength(RandomSource& random)
{
    Length = scaled(freshDraw(random), 1000.0);
}

void clsGene::RndWidth(RandomSource& random)
{
    Width = static_cast<qint16>(scaled(freshDraw(random), 16.0) + 1);
}

void clsGene::RndAngle(RandomSource& random)
{
    // The constant is the single-precision 3.14159 (3.1415901184082031), not pi.
    constexpr double pi = static_cast<double>(3.14159F);
    Angle = 2.0 * freshDraw(random) * pi;
}

void clsGene::RndColorRed(RandomSource& random)
{
    ColorRed = scaled(freshDraw(random), 256.0);
}

void clsGene::RndColorBlue(RandomSource& random)
{
    ColorBlue = scaled(freshDraw(random), 256.0);
}

void clsGene::RndDraw(RandomSource& random)
{
    Draw = coinFlip(freshDraw(random));
}

void clsGene::RndColorGreen(RandomSource& random)
{
    ColorGreen = scaled(freshDraw(random), 256.0);
}

void clsGene::RndDone(RandomSource& random)
{
    Done = coinFlip(freshDraw(random));
}

void clsGene::Random(RandomSource& random)
{
    for (const std::size_t trait : RandomOrder)
        (this->*TraitOrder[trait].randomise)(random);
}
