#include "core/history/RunHistory.h"

#include "core/genefile/GeneFileWriter.h"
#include "support/CaseNames.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>

namespace {

class RunHistoryTest : public testing::Test {
protected:
    RunHistoryTest()
    {
        for (qint16 id = 0; id < 2; ++id) {
            GeneticCode code;
            for (qint16 gene = 0; gene < 12; ++gene)
                code[static_cast<std::size_t>(gene)].Length = static_cast<qint16>(100 * id + gene);
            history.opened({ id, QStringLiteral("p%1").arg(id), BirthRecord::fromBreeding({}, 0), code });
        }
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray savedContents(qint16 id) const { return GeneFileWriter::Contents(history.find(id)->code); }

    QTemporaryDir folder;
    RunHistory history;
};

struct SavedCase {
    const char* name;
    // What happens to the file between the save and the open.
    QByteArray (*change)(const QByteArray& saved);
    qint16 savedBy;
};

const SavedCase savedCases[] = {
    { "Unchanged", [](const QByteArray& saved) { return saved; }, 1 },
    { "OneTraitChanged", [](const QByteArray& saved) { return QByteArray(saved).replace("101\r\n", "102\r\n"); }, -1 },
    { "LineAdded", [](const QByteArray& saved) { return saved + "\r\n"; }, -1 },
    { "Shortened", [](const QByteArray& saved) { return saved.left(saved.size() - 2); }, -1 },
};

class RunHistorySavedBy : public RunHistoryTest, public testing::WithParamInterface<SavedCase> { };

TEST_P(RunHistorySavedBy, NamesTheSaverOnlyWhileTheFileHoldsItsSave)
{
    history.saved(0, path(QStringLiteral("a.gen")));
    GeneFileWriter::Save(history.find(1)->code, path(QStringLiteral("a.gen")));
    history.saved(1, path(QStringLiteral("a.gen")));
    write(QStringLiteral("a.gen"), GetParam().change(savedContents(1)));
    EXPECT_EQ(history.savedBy(path(QStringLiteral("a.gen"))), GetParam().savedBy);
}

INSTANTIATE_TEST_SUITE_P(Files, RunHistorySavedBy, testing::ValuesIn(savedCases), CaseNames::testName);

TEST_F(RunHistoryTest, AFileNoPictureSavedHasNoSaver)
{
    write(QStringLiteral("b.gen"), savedContents(0));
    EXPECT_EQ(history.savedBy(path(QStringLiteral("b.gen"))), -1);
    EXPECT_EQ(history.savedBy(path(QStringLiteral("missing.gen"))), -1);
}

TEST_F(RunHistoryTest, ARelativeNameFindsTheSaveOfItsAbsolutePath)
{
    GeneFileWriter::Save(history.find(0)->code, path(QStringLiteral("c.gen")));
    history.saved(0, path(QStringLiteral("c.gen")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    EXPECT_EQ(history.savedBy(QStringLiteral("./c.gen")), 0);
    QDir::setCurrent(previous);
}

TEST_F(RunHistoryTest, ClosingIsHeardOnceAndNotWhileTheRunEnds)
{
    QSignalSpy closedSpy(&history, &RunHistory::pictureClosed);
    history.closed(0);
    history.closed(0);
    EXPECT_EQ(closedSpy.count(), 1);
    EXPECT_FALSE(history.find(0)->open);
    history.ending(RunEnding::Exit);
    history.closed(1);
    EXPECT_EQ(closedSpy.count(), 1);
    EXPECT_TRUE(history.find(1)->open);
}

} // namespace
