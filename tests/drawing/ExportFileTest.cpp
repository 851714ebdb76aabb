// Exported files are written whole or not at all: what each format starts with, and failures that leave nothing.

#include "drawing/PictureRender.h"
#include "genefile/ScopedTmpfs.h"
#include "genefile/UnblockedCall.h"
#include "platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace {

using CaseNames::PrintTo;

std::optional<RuntimeError> exportError(Drawing::Format format, const QString& fileName)
{
    try {
        Drawing::exportPicture(format, *codeOf(PictureCodes::wideTree()), {},
            { 4, Drawing::Frame::Window, true, Qt::white }, QStringLiteral("Picture 0"), fileName);
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

struct WrittenCase {
    const char* name;
    Drawing::Format format;
    QByteArray start;
};

class ExportFileWrittenTest : public testing::TestWithParam<WrittenCase> { };

TEST_P(ExportFileWrittenTest, ReplacesAnExistingFileWholeAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("picture"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();

    EXPECT_EQ(exportError(GetParam().format, name), std::nullopt);

    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith(GetParam().start));
    EXPECT_FALSE(written.contains("xxxx"));
    EXPECT_EQ(entries(dir.path()), QStringList { "picture" });
}

INSTANTIATE_TEST_SUITE_P(Formats, ExportFileWrittenTest,
    testing::Values(WrittenCase { "Png", Drawing::Format::Png, "\x89PNG\r\n" },
        WrittenCase { "Svg", Drawing::Format::Svg, "<?xml" }, WrittenCase { "Pdf", Drawing::Format::Pdf, "%PDF-" }),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    // Makes what stands in the way inside the folder and gives the name to export to.
    std::function<QString(const QString& folder)> make;
    const char* says;
};

class ExportFileFailureTest : public testing::TestWithParam<FailureCase> { };

TEST_P(ExportFileFailureTest, NamesTheFileAndTheReasonAndWritesNothing)
{
    QTemporaryDir dir;
    const QString name = GetParam().make(dir.path());
    const QStringList before = entries(dir.path());

    const CallOutcome outcome = callBesideFifo(name, [&] {
        if (const auto error = exportError(Drawing::Format::Png, name))
            throw *error;
    });

    EXPECT_FALSE(outcome.blocked);
    ASSERT_TRUE(outcome.error) << "the export reported success";
    try {
        std::rethrow_exception(outcome.error);
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().says).arg(name));
    }
    EXPECT_EQ(entries(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Names, ExportFileFailureTest,
    testing::Values(
        FailureCase { "MissingFolder", [](const QString& folder) { return folder + "/missing/picture.png"; },
            "No such file or directory (error 76) in \"%1\"" },
        FailureCase { "Folder",
            [](const QString& folder) {
                QDir(folder).mkdir("picture.png");
                return folder + "/picture.png";
            },
            "Is a directory (error 75) in \"%1\"" },
        FailureCase { "Fifo",
            [](const QString& folder) {
                const QString fifo = folder + "/picture.png";
                ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
                return fifo;
            },
            "Not a regular file (error 75) in \"%1\"" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportFileTest, AFullDiskLeavesNeitherFileNorTemporary)
{
    ScopedTmpfs tmpfs(64);
    if (!tmpfs.mounted())
        GTEST_SKIP() << tmpfs.refusal().toStdString();
    QFile filler(tmpfs.path() + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) { }
    filler.close();

    for (const Drawing::Format format : { Drawing::Format::Png, Drawing::Format::Svg, Drawing::Format::Pdf }) {
        const QString name = tmpfs.path() + "/picture." + Drawing::suffixOf(format);
        const std::optional<RuntimeError> error = exportError(format, name);
        ASSERT_TRUE(error.has_value()) << name.toStdString();
        EXPECT_EQ(error->message(), QStringLiteral("No space left on device (error 61) in \"%1\"").arg(name));
    }
    EXPECT_EQ(entries(tmpfs.path()), QStringList { "filler" });
}

} // namespace
