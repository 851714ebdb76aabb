#include "core/journal/JournalFolder.h"

#include "core/journal/JournalRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

class JournalFolderTest : public testing::Test {
protected:
    // The journal of a run that started minutes after the first.
    QString writeRun(int minutes)
    {
        const QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(9, 0)).addSecs(60 * minutes);
        const QString path = QDir(folder.path()).filePath(JournalFolder::fileNameFor(start));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(JournalRecord::run(start));
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(JournalFolderTest, TwentyFiveRunsLeaveTheNewestTwenty)
{
    QStringList paths;
    for (int run = 0; run < 25; ++run)
        paths.prepend(writeRun(run));
    JournalFolder::prune(folder.path());
    EXPECT_EQ(JournalFolder::journals(folder.path()), paths.mid(0, 20));
    for (int oldest = 20; oldest < 25; ++oldest)
        EXPECT_FALSE(QFileInfo::exists(paths[oldest])) << oldest;
}

TEST_F(JournalFolderTest, FifosLinksAndOtherFilesAreNeitherListedNorDeleted)
{
    for (int run = 0; run < 22; ++run)
        writeRun(run);
    const QString fifo = folder.filePath(QStringLiteral("2000-01-01_00-00-00.000.jsonl"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTemporaryDir elsewhere;
    const QString link = folder.filePath(QStringLiteral("2099-01-01_00-00-00.000.jsonl"));
    ASSERT_TRUE(QFile::link(elsewhere.filePath(QStringLiteral("x")), link));
    QFile other(folder.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    EXPECT_EQ(JournalFolder::journals(folder.path()).size(), 22);
    EXPECT_FALSE(JournalFolder::journals(folder.path()).contains(fifo));
    JournalFolder::prune(folder.path());
    EXPECT_EQ(JournalFolder::journals(folder.path()).size(), 20);
    EXPECT_TRUE(QFileInfo(fifo).exists());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(other.exists());
    // Reading them all never waits on the FIFO.
    EXPECT_EQ(JournalFolder::readAll(folder.path()).size(), 20U);
}

TEST_F(JournalFolderTest, ReadAllGivesTheRunsNewestFirstButTheCurrentOne)
{
    writeRun(1);
    const QString current = writeRun(3);
    writeRun(2);
    const std::vector<RunJournal> runs = JournalFolder::readAll(folder.path(), current);
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_EQ(runs[0].startText(), QStringLiteral("2026-12-08 09:02:00"));
    EXPECT_EQ(runs[1].startText(), QStringLiteral("2026-12-08 09:01:00"));
}

} // namespace
