#include "core/history/BirthRecord.h"

#include "support/CaseNames.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct DescribeCase {
    const char* name;
    BirthRecord birth;
    const char* text;
    std::vector<qint16> parentsInRun;
    // As a web page tells it, and the alt text of picture 8 so born.
    const char* summary;
    const char* altText;
};

BirthRecord savedBy(BirthRecord birth, qint16 id)
{
    birth.parents = { id };
    return birth;
}

const DescribeCase describeCases[] = {
    { "File", BirthRecord::fromFile(QStringLiteral("/home/me/tree.gen"), 0.05),
        "read from /home/me/tree.gen at rate 0.05", {}, "opened from tree.gen", "Picture 8, opened from tree.gen" },
    { "FileSavedInTheRun", savedBy(BirthRecord::fromFile(QStringLiteral("/tmp/a.gen"), 0), 4),
        "read from /tmp/a.gen at rate 0, as saved by 4", { 4 }, "opened from a.gen, as saved by 4",
        "Picture 8, opened from a.gen, as saved by 4" },
    { "BredFromOne", BirthRecord::fromBreeding({ 3 }, 0.1), "bred from 3 at rate 0.1", { 3 }, "bred from 3",
        "Picture 8, bred from 3" },
    { "BredFromThree", BirthRecord::fromBreeding({ 1, 2, 5 }, 0.25), "bred from 1, 2 and 5 at rate 0.25", { 1, 2, 5 },
        "bred from 1, 2 and 5", "Picture 8, bred from 1, 2 and 5" },
    { "NoParentTicked", BirthRecord::fromBreeding({}, 0.1), "random at rate 0.1", {}, "random", "Picture 8, random" },
    { "RateOfOne", BirthRecord::fromBreeding({ 2 }, 1), "random at rate 1", {}, "random", "Picture 8, random" },
    { "Copy", BirthRecord::copy(7, {}), "copy of 7", { 7 }, "copy of 7", "Picture 8, copy of 7" },
    { "CopyOfAnEarlierRun", BirthRecord::copy(7, {}, QStringLiteral("2026-12-08 17:03:12")),
        "picture 7 of the run of 2026-12-08 17:03:12", {}, "picture 7 of an earlier run",
        "Picture 8, picture 7 of an earlier run" },
    { "Edited", BirthRecord::edited(7, {}), "edited from 7", { 7 }, "edited from 7", "Picture 8, edited from 7" },
    { "Between", BirthRecord::between(3, 7, {}), "between 3 and 7", { 3, 7 }, "between 3 and 7",
        "Picture 8, between 3 and 7" },
    { "BetweenAPictureAndAFile", BirthRecord::between({ 3 }, {}), "between 3 and a file", { 3 }, "between 3 and a file",
        "Picture 8, between 3 and a file" },
    { "BetweenTwoFiles", BirthRecord::between({}, {}), "between two files", {}, "between two files",
        "Picture 8, between two files" },
    { "BredInTheBreedWindow", BirthRecord::bredInWindow({ 9 }, 0.1, {}), "bred in the Breed window from 9 at rate 0.1",
        { 9 }, "bred in the Breed window from 9", "Picture 8, bred in the Breed window from 9" },
    { "BredInTheBreedWindowFromFiles", BirthRecord::bredInWindow({}, 0.1, {}), "bred in the Breed window at rate 0.1",
        {}, "bred in the Breed window", "Picture 8, bred in the Breed window" },
};

class BirthRecordDescribe : public testing::TestWithParam<DescribeCase> { };

TEST_P(BirthRecordDescribe, SaysHowThePictureCameToBe)
{
    EXPECT_EQ(GetParam().birth.describe().toStdString(), GetParam().text);
    EXPECT_EQ(GetParam().birth.parentsInRun(), GetParam().parentsInRun);
    EXPECT_EQ(GetParam().birth.summary().toStdString(), GetParam().summary);
    EXPECT_EQ(GetParam().birth.altText(8).toStdString(), GetParam().altText);
}

INSTANTIATE_TEST_SUITE_P(Births, BirthRecordDescribe, testing::ValuesIn(describeCases), CaseNames::testName);

TEST(BirthRecord, BreedingWithoutParentsOrAtRateOneIsRandomAndKeepsNoParents)
{
    EXPECT_EQ(BirthRecord::fromBreeding({}, 0.5).kind, BirthRecord::Kind::Random);
    EXPECT_EQ(BirthRecord::fromBreeding({ 1 }, 1.0).kind, BirthRecord::Kind::Random);
    EXPECT_TRUE(BirthRecord::fromBreeding({ 1 }, 1.0).parents.empty());
    EXPECT_EQ(BirthRecord::fromBreeding({ 1 }, 0.999).kind, BirthRecord::Kind::Bred);
}

TEST(BirthRecord, DescribesTheFlags)
{
    EXPECT_EQ(BirthRecord::describe(Drawing::Flags { true, false }), QStringLiteral("Done on, Draw off"));
    EXPECT_EQ(BirthRecord::describe(Drawing::Flags { false, true }), QStringLiteral("Done off, Draw on"));
}

} // namespace
