#include "core/genetics/Breeding.h"

#include "core/genetics/Mutation.h"
#include "core/genetics/TraitOrder.h"
#include "core/platform/RandomSource.h"

#include <cmath>

namespace Breeding {

GeneticCode breed(double rate, RandomSource& random, const std::vector<GeneticCode>& parents)
{
    GeneticCode child;
    if (rate >= 1.0 || parents.empty()) {
        for (clsGene& gene : child)
            gene.Random(random);
        return child;
    }
    // The product is taken in single precision, as the parent count is.
    const auto count = static_cast<float>(parents.size());
    for (std::size_t i = 0; i < child.size(); ++i) {
        random.reseed();
        clsGene& gene = child[i];
        for (const Trait& trait : TraitOrder) {
            if (Mutation::mutates(rate, random.next())) {
                (gene.*trait.randomise)(random);
                continue;
            }
            const auto j = static_cast<std::size_t>(std::floor(random.next() * count));
            trait.inherit(gene, parents[j][i]);
        }
    }
    return child;
}

} // namespace Breeding
