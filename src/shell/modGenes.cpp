#include "shell/modGenes.h"

#include "genetics/Mutation.h"
#include "platform/Conversions.h"
#include "shell/modMain.h"

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
    return Mutation::mutates(MutationRate, r);
}

} // namespace modGenes
