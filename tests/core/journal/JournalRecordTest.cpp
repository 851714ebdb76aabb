#include "core/journal/JournalRecord.h"

#include "support/CaseNames.h"
#include "support/TestCodes.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>
#include <string>

namespace {

QJsonObject objectOf(const QByteArray& line)
{
    return QJsonDocument::fromJson(line).object();
}

struct BirthCase {
    const char* name;
    BirthRecord birth;
};

BirthRecord withFlags(BirthRecord birth, Drawing::Flags flags)
{
    birth.flags = flags;
    return birth;
}

BirthRecord fileSavedBy(qint16 id)
{
    BirthRecord birth = BirthRecord::fromFile(QStringLiteral("/home/me/trees/a tree.gen"), 0.05);
    birth.parents = { id };
    return birth;
}

const BirthCase birthCases[] = {
    { "File", BirthRecord::fromFile(QStringLiteral("/tmp/x.gen"), 0.125) },
    { "FileSavedInTheRun", fileSavedBy(3) },
    { "Bred", withFlags(BirthRecord::fromBreeding({ 0, 4, 9 }, 0.1), { false, true }) },
    { "Random", BirthRecord::fromBreeding({}, 2.5) },
    { "Copy", withFlags(BirthRecord::copy(7, {}), { false, false }) },
    { "CopyOfAnEarlierRun", BirthRecord::copy(12, { true, true }, QStringLiteral("2026-12-08 17:03:12")) },
    { "Edited", BirthRecord::edited(5, { false, true }) },
    { "Between", BirthRecord::between(2, 6, { true, false }) },
    { "BredInTheBreedWindow", BirthRecord::bredInWindow({ 4, 9 }, 0.25, { false, true }) },
};

class JournalRecordBirth : public testing::TestWithParam<BirthCase> { };

TEST_P(JournalRecordBirth, APictureReadsBackAsItWasWritten)
{
    const PictureRecord picture { 42, QStringLiteral("name with \"quotes\" and ü"), GetParam().birth, extremeCode(),
        true };
    const QByteArray line = JournalRecord::opened(picture);
    ASSERT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\n'), 1);
    const auto back = JournalRecord::pictureOf(objectOf(line));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->id, 42);
    EXPECT_EQ(back->name, picture.name);
    EXPECT_EQ(back->birth, picture.birth);
    EXPECT_TRUE(sameTraits(back->code, picture.code));
    const bool copy = GetParam().birth.kind == BirthRecord::Kind::Copy;
    EXPECT_EQ(objectOf(line).value(QStringLiteral("event")).toString(), copy ? u"reopened" : u"opened");
}

INSTANTIATE_TEST_SUITE_P(Births, JournalRecordBirth, testing::ValuesIn(birthCases), CaseNames::testName);

struct DamagedTrait {
    const char* name;
    int trait; // in the gene's order: Length, Width, Angle, Red, Green, Blue, Done, Draw
    QJsonValue value;
};

const DamagedTrait damagedTraits[] = {
    { "LengthAbove16Bits", 0, 32768 },
    { "WidthBelow16Bits", 1, -32769 },
    { "RedNotWhole", 3, 1.5 },
    { "GreenAsText", 4, QStringLiteral("12") },
    { "AngleNotANumber", 2, QJsonValue::Null },
    { "AngleAsOtherText", 2, QStringLiteral("0.5") },
    { "AngleBeyondTheDoubles", 2, QStringLiteral("1e999") },
    { "DoneAsNumber", 6, 1 },
    { "DrawMissing", 7, QJsonValue::Undefined },
};

class JournalRecordDamage : public testing::TestWithParam<DamagedTrait> { };

TEST_P(JournalRecordDamage, ATraitThatDoesNotFitItsTypeDoesNotRead)
{
    QJsonObject record = objectOf(JournalRecord::opened({ 1, {}, BirthRecord::fromBreeding({}, 0), testCode(1) }));
    QJsonArray genes = record.value(QStringLiteral("genes")).toArray();
    QJsonArray traits = genes[5].toArray();
    if (GetParam().value.isUndefined())
        traits.removeAt(GetParam().trait);
    else
        traits[GetParam().trait] = GetParam().value;
    genes[5] = traits;
    record.insert(QStringLiteral("genes"), genes);
    EXPECT_FALSE(JournalRecord::pictureOf(record).has_value());
}

INSTANTIATE_TEST_SUITE_P(Traits, JournalRecordDamage, testing::ValuesIn(damagedTraits), CaseNames::testName);

TEST(JournalRecord, ElevenGenesDoNotRead)
{
    QJsonObject record = objectOf(JournalRecord::opened({ 1, {}, BirthRecord::fromBreeding({}, 0), testCode(1) }));
    QJsonArray genes = record.value(QStringLiteral("genes")).toArray();
    genes.removeLast();
    record.insert(QStringLiteral("genes"), genes);
    EXPECT_FALSE(JournalRecord::pictureOf(record).has_value());
}

TEST(JournalRecord, TheOtherEventsReadBack)
{
    const QDateTime start(QDate(2026, 12, 8), QTime(17, 3, 12, 345));
    EXPECT_EQ(JournalRecord::startOf(objectOf(JournalRecord::run(start))), start);
    EXPECT_EQ(JournalRecord::idOf(objectOf(JournalRecord::closed(-1))), qint16(-1));
    EXPECT_EQ(JournalRecord::idOf(objectOf(JournalRecord::saved(32767, QStringLiteral("/a")))), qint16(32767));
    EXPECT_EQ(JournalRecord::endOf(objectOf(JournalRecord::end(RunEnding::Exit))), RunEnding::Exit);
    EXPECT_EQ(JournalRecord::endOf(objectOf(JournalRecord::end(RunEnding::CloseBox))), RunEnding::CloseBox);
}

} // namespace
