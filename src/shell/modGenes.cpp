#include "shell/modGenes.h"

#include "platform/Conversions.h"
#include "platform/RuntimeError.h"
#include "shell/modMain.h"

#include <cmath>
#include <limits>

namespace modGenes {

double MutationRate = 0.0;

void InitGenes()
{
    MutationRate = 0.0;
}

void ReadMutationRate()
{
    if (modMain::IsMutationRateValid())
        MutationRate = Conv::toDouble(modMain::MainWindow().MutationRateText());
}

bool Mutates(float r)
{
    // Half an ulp above the largest float is where rounding to single precision overflows.
    constexpr double limit = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
    if (!(std::fabs(MutationRate) < limit))
        throw RuntimeError::overflow(QStringLiteral("(mutation rate %1 beyond single precision)").arg(MutationRate));
    return static_cast<float>(MutationRate) > r;
}

} // namespace modGenes
