#include "harness/RandomRun.h"

#include "core/platform/RandomSource.h"

void fillRandomRun(RunHistory& history, int count, qint16 first)
{
    SeededRandomSource seeded(20261208);
    constexpr int Litter = 9;
    for (int i = 0; i < count; ++i) {
        const auto id = static_cast<qint16>(first + i);
        GeneticCode code;
        for (clsGene& gene : code)
            gene.Random(seeded);
        // The first litter is random; each later one is bred from a picture of the one before.
        const int litter = i / Litter;
        std::vector<qint16> parents;
        if (litter > 0)
            parents.push_back(static_cast<qint16>(first + (litter - 1) * Litter + litter % Litter));
        history.opened(
            { id, QStringLiteral("tree-%1.gen").arg(id), BirthRecord::fromBreeding(std::move(parents), 0.05), code });
        if (i % 3 == 1)
            history.closed(id);
    }
}
