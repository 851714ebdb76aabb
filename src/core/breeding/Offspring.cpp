#include "core/breeding/Offspring.h"

#include "core/drawing/DrawingSurface.h"
#include "core/drawing/TreeDrawing.h"
#include "core/platform/RuntimeError.h"

#include <algorithm>

namespace Offspring {

namespace {

// Ends a drawing at its first segment: whether there is one is all that is asked, and most offspring have thousands.
// Found is no error: drawsSegment catches it, and it never leaves this file.
class FirstSegment final : public DrawingSurface {
public:
    struct Found { };

    void Clear() override { }
    void SetPenWidth(int) override { }
    void Line(float, float, float, float, int) override { throw Found {}; }
};

} // namespace

int sideFor(std::size_t parentCount, int wanted)
{
    int side = std::clamp(wanted, MinGridSide, MaxGridSide);
    while (side < MaxGridSide && static_cast<std::size_t>(side * side) <= parentCount)
        ++side;
    return side;
}

Generation breed(std::vector<Parent> parents, const BreedOptions& options, int wantedSide, Drawing::Flags flags,
    RandomSource& random)
{
    const int side = sideFor(parents.size(), wantedSide);
    const auto cellCount = static_cast<std::size_t>(side * side);
    if (parents.size() >= cellCount)
        parents.resize(cellCount - 1);
    Generation generation;
    generation.options = options;
    generation.cells.reserve(cellCount);
    generation.ids.reserve(cellCount);
    std::vector<GeneticCode> codes;
    for (Parent& parent : parents) {
        codes.push_back(parent.code);
        generation.cells.push_back(parent.code);
        generation.ids.push_back(parent.id);
        generation.origins.push_back(std::move(parent.origin));
    }
    const Breeding::MutableTraits free = options.mutableTraits();
    while (generation.cells.size() < cellCount) {
        GeneticCode child = Breeding::breed(options.rate, random, codes, free);
        for (int retry = 0; options.skipEmpty && retry < EmptyRetries && !drawsSegment(child, flags); ++retry)
            child = Breeding::breed(options.rate, random, codes, free);
        generation.cells.push_back(child);
        generation.ids.push_back(-1);
    }
    return generation;
}

bool drawsSegment(const GeneticCode& code, Drawing::Flags flags)
{
    FirstSegment first;
    try {
        Drawing::drawTree(code, flags, first);
    } catch (const FirstSegment::Found&) {
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
    return false;
}

} // namespace Offspring
