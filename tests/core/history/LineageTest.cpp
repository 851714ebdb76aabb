#include "core/history/Lineage.h"

#include "core/history/RunHistory.h"

#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// 0 and 1 random; 2 bred from 1 and 0; 3 a copy of 2; 4 a frame between 3 and 0.
TEST(LineageTest, RunsFromTheOldestAncestorThroughFirstParents)
{
    RunHistory history;
    const std::vector<BirthRecord> births { BirthRecord::fromBreeding({}, 0), BirthRecord::fromBreeding({}, 0),
        BirthRecord::fromBreeding({ 1, 0 }, 0.1), BirthRecord::copy(2, {}), BirthRecord::between(3, 0, {}) };
    for (qint16 id = 0; id < static_cast<qint16>(births.size()); ++id)
        history.opened({ id, QString(), births[static_cast<std::size_t>(id)], GeneticCode {} });

    EXPECT_THAT(Lineage::of(history, 4), ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(Lineage::of(history, 2), ElementsAre(1, 2));
    EXPECT_THAT(Lineage::of(history, 0), ElementsAre(0));
    EXPECT_THAT(Lineage::of(history, 9), IsEmpty());
}

} // namespace
