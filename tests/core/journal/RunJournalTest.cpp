#include "core/journal/RunJournal.h"

#include "core/journal/JournalRecord.h"
#include "support/CaseNames.h"
#include "support/TestCodes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

const QDateTime runStart(QDate(2026, 12, 8), QTime(17, 3, 12, 345));

PictureRecord picture(qint16 id)
{
    return { id, QStringLiteral("p%1").arg(id), BirthRecord::fromBreeding({}, 0), testCode(id), true };
}

// A run of three pictures, 1 closed and 2 saved, that ended by Exit: each record a line.
std::vector<QByteArray> exitedRun()
{
    return { JournalRecord::run(runStart), JournalRecord::opened(picture(0)), JournalRecord::opened(picture(1)),
        JournalRecord::closed(1), JournalRecord::opened(picture(2)), JournalRecord::saved(2, QStringLiteral("/a.gen")),
        JournalRecord::end(RunEnding::Exit) };
}

QByteArray joined(const std::vector<QByteArray>& records)
{
    QByteArray bytes;
    for (const QByteArray& record : records)
        bytes += record;
    return bytes;
}

class RunJournalTest : public testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = folder.filePath(QStringLiteral("run.jsonl"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(RunJournalTest, ARunReadsBackWithItsPicturesWhichWereOpenAndHowItEnded)
{
    const RunJournal run = RunJournal::read(write(joined(exitedRun())));
    EXPECT_FALSE(run.damaged());
    EXPECT_EQ(run.start, runStart);
    EXPECT_EQ(run.startText(), QStringLiteral("2026-12-08 17:03:12"));
    ASSERT_EQ(run.pictures.size(), 3U);
    EXPECT_TRUE(run.pictures[0].open);
    EXPECT_FALSE(run.pictures[1].open);
    EXPECT_TRUE(run.pictures[2].open);
    EXPECT_EQ(run.openAtEnd(), 2);
    EXPECT_EQ(run.ending, RunEnding::Exit);
    EXPECT_TRUE(sameTraits(run.pictures[2].code, testCode(2)));
}

TEST_F(RunJournalTest, APictureShownAgainIsOpenAtItsEnd)
{
    const RunJournal run = RunJournal::read(write(joined({ JournalRecord::run(runStart),
        JournalRecord::opened(picture(0)), JournalRecord::closed(0), JournalRecord::shown(0) })));
    EXPECT_FALSE(run.damaged());
    ASSERT_EQ(run.pictures.size(), 1U);
    EXPECT_TRUE(run.pictures[0].open);
}

struct Cut {
    const char* name;
    // The records kept, then what follows them.
    int records;
    QByteArray tail;
    int pictures;
    int damagedLine;
    RunEnding ending;
};

const Cut cuts[] = {
    { "Whole", 7, {}, 3, 0, RunEnding::Exit },
    { "CutOffBeforeItsEnd", 6, {}, 3, 0, RunEnding::CutOff },
    { "TornLastLine", 4, R"({"event":"opened","id":2,"na)", 2, 0, RunEnding::CutOff },
    { "TornLastLineThatReads", 4, R"({"event":"closed","id":0})", 2, 0, RunEnding::CutOff },
    { "NotJson", 3, "this is no record\n" + JournalRecord::closed(1), 2, 4, RunEnding::CutOff },
    { "UnknownEvent", 3,
        R"({"event":"painted","id":1})"
        "\n",
        2, 4, RunEnding::CutOff },
    { "ClosingAPictureNeverOpened", 3, JournalRecord::closed(9), 2, 4, RunEnding::CutOff },
    { "APictureTwice", 3, JournalRecord::opened(picture(1)), 2, 4, RunEnding::CutOff },
    { "Empty", 0, {}, 0, 0, RunEnding::CutOff },
    { "NoStart", 0, JournalRecord::opened(picture(0)), 0, 1, RunEnding::CutOff },
};

class RunJournalCut : public RunJournalTest, public testing::WithParamInterface<Cut> { };

TEST_P(RunJournalCut, KeepsWhatCameBeforeTheDamage)
{
    const Cut& cut = GetParam();
    QByteArray bytes;
    const auto records = exitedRun();
    for (int i = 0; i < cut.records; ++i)
        bytes += records[static_cast<std::size_t>(i)];
    bytes += cut.tail;
    const RunJournal run = RunJournal::read(write(bytes));
    EXPECT_EQ(static_cast<int>(run.pictures.size()), cut.pictures);
    EXPECT_EQ(run.damagedLine, cut.damagedLine);
    EXPECT_EQ(run.ending, cut.ending);
}

INSTANTIATE_TEST_SUITE_P(Journals, RunJournalCut, testing::ValuesIn(cuts), CaseNames::testName);

TEST_F(RunJournalTest, AFifoIsNeverOpenedAndReadsAsDamaged)
{
    const QString fifo = folder.filePath(QStringLiteral("fifo.jsonl"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a FIFO for reading would wait for a writer; reading it must not.
    const RunJournal run = RunJournal::read(fifo);
    EXPECT_TRUE(run.damaged());
    EXPECT_TRUE(run.pictures.empty());
}

TEST_F(RunJournalTest, ALinkToAJournalElsewhereIsNotFollowed)
{
    const QString target = write(exitedRun().front() + JournalRecord::opened(picture(0)));
    const QString link = folder.filePath(QStringLiteral("link.jsonl"));
    ASSERT_TRUE(QFile::link(target, link));
    const RunJournal run = RunJournal::read(link);
    EXPECT_TRUE(run.damaged());
    EXPECT_TRUE(run.pictures.empty());
}

} // namespace
