// The desktop's thumbnail cache as the album fills it: where a file's thumbnail goes, what it says, when it is made
// again, and what a file that cannot be read, or a cache that cannot be written, leaves there.

#include "core/thumbnails/ThumbnailCache.h"

#include "core/album/ThumbnailWork.h"
#include "core/genefile/GeneFileWriter.h"
#include "support/CaseNames.h"
#include "support/RenderTesting.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using CaseNames::PrintTo;

// What the work leaves in the cache.
enum class Kept { Thumbnail, InMemory, FailureNote, Nothing };

struct CacheCase {
    const char* name;
    int side;
    // Makes the file, and the cache as it was, before the work.
    void (*prepare)(const QString& file, ThumbnailCache& cache, const QString& root);
    Kept kept;
};

void writeCacheTestBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
    file.write(bytes);
}

void writeCode(const QString& file, ThumbnailCache&, const QString&)
{
    GeneFileWriter::Save(RenderTesting::sampleCode(), file);
}

// Unlike any thumbnail of the test's code.
QImage redSquare()
{
    QImage red(128, 128, QImage::Format_ARGB32);
    red.fill(Qt::red);
    return red;
}

qint64 mtimeOf(const QString& file)
{
    return QFileInfo(file).lastModified().toSecsSinceEpoch();
}

int permissionsOf(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? static_cast<int>(status.st_mode & 0777) : -1;
}

class ThumbnailCacheTest : public testing::TestWithParam<CacheCase> {
protected:
    QTemporaryDir folder;
    // A space, which the URI escapes.
    const QString file = folder.filePath(QStringLiteral("my tree.gen"));
    const QString root = folder.filePath(QStringLiteral("cache/thumbnails"));
};

TEST_P(ThumbnailCacheTest, KeepsTheThumbnailDrawnAsTheThumbnailerDrawsItUnderTheNameOfItsUri)
{
    ThumbnailCache cache(root, QStringLiteral("vantrell-1.0"));
    GetParam().prepare(file, cache, root);
    const int side = GetParam().side;

    const ThumbnailOutcome outcome = ThumbnailWork::run(cache, { file, side, true });

    const QByteArray uri = "file://" + QFile::encodeName(folder.path()) + "/my%20tree.gen";
    const QString name = QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex());
    const QString kept = QStringLiteral("%1/%2/%3.png")
                             .arg(root, side == 256 ? QStringLiteral("large") : QStringLiteral("normal"), name);
    const QString note = QStringLiteral("%1/fail/vantrell-1.0/%2.png").arg(root, name);
    const Kept expected = GetParam().kept;
    EXPECT_EQ(QFileInfo::exists(kept), expected == Kept::Thumbnail);
    EXPECT_EQ(QFileInfo::exists(note), expected == Kept::FailureNote);
    EXPECT_EQ(outcome.damage.isEmpty(), expected == Kept::Thumbnail || expected == Kept::InMemory)
        << outcome.damage.toStdString();
    if (expected == Kept::FailureNote || expected == Kept::Nothing)
        return;
    const QImage image = expected == Kept::Thumbnail ? QImage(kept) : *cache.find(file, mtimeOf(file), side);
    EXPECT_EQ(image.text(QStringLiteral("Thumb::URI")), QString::fromLatin1(uri));
    EXPECT_EQ(image.text(QStringLiteral("Thumb::MTime")).toLongLong(), mtimeOf(file));
    EXPECT_EQ(cache.memoryOnly(), expected == Kept::InMemory);
    if (expected == Kept::Thumbnail) {
        EXPECT_EQ(permissionsOf(kept), 0600);
        EXPECT_EQ(permissionsOf(QFileInfo(kept).path()), 0700);
        EXPECT_EQ(permissionsOf(root), 0700);
    }
    const QString drawn = folder.filePath(QStringLiteral("drawn.png"));
    ASSERT_EQ(RenderTesting::runTool({ "--thumbnail", QString::number(side), file, drawn }, folder.path()).exitCode, 0);
    EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32), QImage(drawn).convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(outcome.image.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
}

INSTANTIATE_TEST_SUITE_P(Files, ThumbnailCacheTest,
    testing::Values(CacheCase { "Normal", 128, writeCode, Kept::Thumbnail },
        CacheCase { "Large", 256, writeCode, Kept::Thumbnail },
        CacheCase { "ModifiedSince", 128,
            [](const QString& file, ThumbnailCache& cache, const QString&) {
                writeCode(file, cache, {});
                cache.store(file, mtimeOf(file) - 1, 128, redSquare());
            },
            Kept::Thumbnail },
        CacheCase { "DamagedCachedPng", 128,
            [](const QString& file, ThumbnailCache& cache, const QString&) {
                writeCode(file, cache, {});
                cache.store(file, mtimeOf(file), 128, redSquare());
                writeCacheTestBytes(cache.thumbnailPath(file, 128), QByteArray("\x89PNG\r\n\x1a\n damaged"));
            },
            Kept::Thumbnail },
        CacheCase { "UnwritableCache", 128,
            [](const QString& file, ThumbnailCache& cache, const QString& root) {
                writeCode(file, cache, {});
                // A file where the cache's folder would be: no one, not even root, can write below it.
                QDir().mkpath(QFileInfo(root).path());
                writeCacheTestBytes(root, "not a folder");
            },
            Kept::InMemory },
        CacheCase { "NotAGeneticCode", 128,
            [](const QString& file, ThumbnailCache&, const QString&) {
                writeCacheTestBytes(file, "a shopping list\r\n");
            },
            Kept::FailureNote },
        CacheCase { "EmptyAsTheReaderTakesIt", 128,
            [](const QString& file, ThumbnailCache&, const QString&) { writeCacheTestBytes(file, {}); },
            Kept::Thumbnail },
        CacheCase { "HugeLine", 128,
            [](const QString& file, ThumbnailCache&, const QString&) {
                writeCacheTestBytes(file, QByteArray(8 << 20, '7'));
            },
            Kept::FailureNote },
        CacheCase { "Fifo", 128,
            [](const QString& file, ThumbnailCache&, const QString&) {
                ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            },
            Kept::FailureNote },
        CacheCase { "RemovedBeforeRead", 128, [](const QString&, ThumbnailCache&, const QString&) {}, Kept::Nothing }),
    CaseNames::testName);

} // namespace
