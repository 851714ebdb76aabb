#include "core/genetics/Mutation.h"

#include "core/platform/RuntimeError.h"

#include <cmath>
#include <limits>

namespace Mutation {

bool mutates(double rate, float r)
{
    // Half an ulp above the largest float is where rounding to single precision overflows.
    constexpr double limit = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
    if (!(std::fabs(rate) < limit))
        throw RuntimeError::overflow(QStringLiteral("(mutation rate %1 beyond single precision)").arg(rate));
    return static_cast<float>(rate) > r;
}

} // namespace Mutation
