#include "program/modGenes.h"

#include "core/platform/Conversions.h"
#include "program/modMain.h"

namespace modGenes {

double MutationRate = 0.0;

void InitGenes()
{
    MutationRate = 0.0;
}

void ReadMutationRate()
{
    if (modMain::IsMutationRateValid())
        MutationRate = Conv::toDouble(modMain::MainWindow().mutationRate());
}

} // namespace modGenes
