// The ordered keyed collection: adding, looking up, removing by position, counting and visiting in order.

#include "core/platform/KeyedCollection.h"

#include "core/platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/ErrorNumber.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Keys " 0", " 1", ... in the registry's form, each holding its key's text without the blank.
void fill(KeyedCollection<QString>& collection, int count)
{
    for (int i = 0; i < count; ++i)
        collection.add(QStringLiteral(" %1").arg(i), QString::number(i));
}

using Items = std::vector<std::string>;

Items itemsOf(const KeyedCollection<QString>& collection)
{
    Items items;
    collection.forEach([&](const QString& item) { items.push_back(item.toStdString()); });
    return items;
}

TEST(KeyedCollection, StartsEmpty)
{
    const KeyedCollection<QString> collection;
    EXPECT_EQ(collection.count(), 0);
    EXPECT_TRUE(itemsOf(collection).empty());
    EXPECT_FALSE(collection.contains(QStringLiteral(" 0")));
}

TEST(KeyedCollection, VisitsInInsertionOrderNotKeyOrder)
{
    KeyedCollection<QString> collection;
    for (const char* key : { "c", "a", "b", "10", "2" })
        collection.add(QString::fromLatin1(key), QString::fromLatin1(key).toUpper());
    EXPECT_EQ(collection.count(), 5);
    EXPECT_EQ(itemsOf(collection), Items({ "C", "A", "B", "10", "2" }));
}

TEST(KeyedCollection, LooksUpByKey)
{
    KeyedCollection<QString> collection;
    fill(collection, 3);
    EXPECT_EQ(collection.item(QStringLiteral(" 0")).toStdString(), "0");
    EXPECT_EQ(collection.item(QStringLiteral(" 2")).toStdString(), "2");
    EXPECT_TRUE(collection.contains(QStringLiteral(" 1")));
}

TEST(KeyedCollection, KeysAreExactText)
{
    KeyedCollection<QString> collection;
    fill(collection, 1);
    EXPECT_FALSE(collection.contains(QStringLiteral("0")));
    EXPECT_EQ(errorOf([&] { collection.item(QStringLiteral("0")); }), RuntimeError::InvalidArgument);
}

TEST(KeyedCollection, AbsentKeyIsError5)
{
    KeyedCollection<QString> collection;
    fill(collection, 2);
    EXPECT_EQ(errorOf([&] { collection.item(QStringLiteral(" 7")); }), RuntimeError::InvalidArgument);
}

TEST(KeyedCollection, DuplicateKeyIsError457AndChangesNothing)
{
    KeyedCollection<QString> collection;
    fill(collection, 3);
    EXPECT_EQ(
        errorOf([&] { collection.add(QStringLiteral(" 1"), QStringLiteral("other")); }), RuntimeError::KeyAlreadyUsed);
    EXPECT_EQ(collection.count(), 3);
    EXPECT_EQ(collection.item(QStringLiteral(" 1")).toStdString(), "1");
    EXPECT_EQ(itemsOf(collection), Items({ "0", "1", "2" }));
}

// Removing one position out of " 0", " 1", " 2", " 3".
struct RemoveRow {
    std::string name;
    int position;
    Items remaining;
    int error;
};

void PrintTo(const RemoveRow& row, std::ostream* out)
{
    *out << "position " << row.position;
}

class RemoveByPosition : public testing::TestWithParam<RemoveRow> { };

TEST_P(RemoveByPosition, RemovesOneBasedPositionOrFailsWithError9)
{
    const RemoveRow& row = GetParam();
    KeyedCollection<QString> collection;
    fill(collection, 4);
    EXPECT_EQ(errorOf([&] { collection.remove(row.position); }), row.error);
    EXPECT_EQ(itemsOf(collection), row.remaining);
    EXPECT_EQ(static_cast<std::size_t>(collection.count()), row.remaining.size());
    for (int i = 0; i < 4; ++i) {
        const QString key = QStringLiteral(" %1").arg(i);
        const bool kept
            = std::find(row.remaining.begin(), row.remaining.end(), std::to_string(i)) != row.remaining.end();
        EXPECT_EQ(collection.contains(key), kept) << key.toStdString();
        if (kept) {
            EXPECT_EQ(collection.item(key).toStdString(), std::to_string(i));
        } else {
            EXPECT_EQ(errorOf([&] { collection.item(key); }), RuntimeError::InvalidArgument);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RemoveByPosition,
    testing::Values(RemoveRow { "First", 1, { "1", "2", "3" }, 0 }, RemoveRow { "Middle", 2, { "0", "2", "3" }, 0 },
        RemoveRow { "Last", 4, { "0", "1", "2" }, 0 },
        RemoveRow { "Zero", 0, { "0", "1", "2", "3" }, RuntimeError::SubscriptOutOfRange },
        RemoveRow { "Negative", -1, { "0", "1", "2", "3" }, RuntimeError::SubscriptOutOfRange },
        RemoveRow { "PastTheEnd", 5, { "0", "1", "2", "3" }, RuntimeError::SubscriptOutOfRange }),
    CaseNames::testName);

TEST(KeyedCollection, RemovingFromEmptyIsError9)
{
    KeyedCollection<QString> collection;
    EXPECT_EQ(errorOf([&] { collection.remove(1); }), RuntimeError::SubscriptOutOfRange);
}

TEST(KeyedCollection, RemovedKeyCanBeAddedAgainAtTheEnd)
{
    KeyedCollection<QString> collection;
    fill(collection, 3);
    collection.remove(1);
    collection.add(QStringLiteral(" 0"), QStringLiteral("again"));
    EXPECT_EQ(itemsOf(collection), Items({ "1", "2", "again" }));
    EXPECT_EQ(collection.item(QStringLiteral(" 0")).toStdString(), "again");
}

TEST(KeyedCollection, EmptyingByFirstPositionKeepsOrder)
{
    KeyedCollection<QString> collection;
    fill(collection, 5);
    Items seen;
    while (collection.count() > 0) {
        seen.push_back(itemsOf(collection).front());
        collection.remove(1);
    }
    EXPECT_EQ(seen, Items({ "0", "1", "2", "3", "4" }));
}

// The registry is reset by assigning a fresh collection; look-ups must then use the moved entries.
TEST(KeyedCollection, MovedCollectionKeepsWorking)
{
    KeyedCollection<QString> original;
    fill(original, 3);
    KeyedCollection<QString> moved(std::move(original));
    EXPECT_EQ(moved.item(QStringLiteral(" 2")).toStdString(), "2");
    moved.remove(2);
    EXPECT_EQ(itemsOf(moved), Items({ "0", "2" }));

    KeyedCollection<QString> assigned;
    fill(assigned, 1);
    assigned = std::move(moved);
    EXPECT_EQ(assigned.item(QStringLiteral(" 0")).toStdString(), "0");
    assigned.remove(1);
    EXPECT_EQ(itemsOf(assigned), Items({ "2" }));

    assigned = {};
    EXPECT_EQ(assigned.count(), 0);
    assigned.add(QStringLiteral(" 2"), QStringLiteral("new"));
    EXPECT_EQ(assigned.item(QStringLiteral(" 2")).toStdString(), "new");
}

TEST(KeyedCollection, HoldsMoveOnlyItems)
{
    KeyedCollection<std::unique_ptr<int>> collection;
    collection.add(QStringLiteral("a"), std::make_unique<int>(1));
    collection.add(QStringLiteral("b"), std::make_unique<int>(2));
    EXPECT_EQ(*collection.item(QStringLiteral("b")), 2);
    int sum = 0;
    collection.forEach([&](const std::unique_ptr<int>& item) { sum += *item; });
    EXPECT_EQ(sum, 3);
}

} // namespace
