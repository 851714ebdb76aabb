#include "core/genetics/Breeding.h"

#include "core/genetics/Mutation.h"
#include "core/genetics/TraitOrder.h"
#include "core/platform/RandomSource.h"

#include <cmath>

namespace Breeding {

namespace {

// Passes every draw on and keeps the last value it gave.
class LastDraw final : public RandomSource {
public:
    explicit LastDraw(RandomSource& source)
        : m_source(source)
    {
    }

    void reseed() override { m_source.reseed(); }
    float next() override { return m_last = m_source.next(); }
    float last() const { return m_last; }

private:
    RandomSource& m_source;
    float m_last = 0.0F;
};

// The product is taken in single precision, as the parent count is.
std::size_t parentPicked(float r, float count)
{
    return static_cast<std::size_t>(std::floor(r * count));
}

struct Child {
    const std::vector<GeneticCode>& parents;
    RandomSource& random;
    float count;

    // Trait of gene i mutates when it may; otherwise its mutation's draws pick the parent it is copied from.
    void mutate(clsGene& gene, std::size_t i, const Trait& trait, bool free) const
    {
        if (free) {
            (gene.*trait.randomise)(random);
            return;
        }
        LastDraw draws(random);
        clsGene unused;
        (unused.*trait.randomise)(draws);
        trait.inherit(gene, parents[parentPicked(draws.last(), count)][i]);
    }
};

} // namespace

GeneticCode breed(double rate, RandomSource& random, const std::vector<GeneticCode>& parents)
{
    return breed(rate, random, parents, EveryTrait);
}

GeneticCode breed(
    double rate, RandomSource& random, const std::vector<GeneticCode>& parents, const MutableTraits& mutableTraits)
{
    GeneticCode child;
    if (parents.empty()) {
        for (clsGene& gene : child)
            gene.Random(random);
        return child;
    }
    const Child breeding { parents, random, static_cast<float>(parents.size()) };
    for (std::size_t i = 0; i < child.size(); ++i) {
        clsGene& gene = child[i];
        const auto free = [&](std::size_t trait) { return ((mutableTraits[i] >> trait) & 1U) != 0; };
        if (rate >= 1.0) {
            // As Random, trait by trait.
            for (const std::size_t trait : RandomOrder)
                breeding.mutate(gene, i, TraitOrder[trait], free(trait));
            continue;
        }
        random.reseed();
        for (std::size_t trait = 0; trait < TraitOrder.size(); ++trait) {
            if (Mutation::mutates(rate, random.next()))
                breeding.mutate(gene, i, TraitOrder[trait], free(trait));
            else
                TraitOrder[trait].inherit(gene, parents[parentPicked(random.next(), breeding.count)][i]);
        }
    }
    return child;
}

} // namespace Breeding
