// Saves that cannot be done: a clear error naming the file, the old file intact, nothing left behind.

#include "core/genefile/GeneFileWriter.h"
#include "core/platform/RuntimeError.h"
#include "program/clsGenSeq.h"
#include "support/CaseNames.h"
#include "support/GeneFileTest.h"
#include "support/ScopedTmpfs.h"
#include "support/UnblockedCall.h"

#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using CaseNames::PrintTo;

class GeneFileSaveFailureTest : public GeneFileTest {
protected:
    // Saves a fresh genetic code and gives the error it raised.
    static std::optional<RuntimeError> saveError(const QString& name)
    {
        return errorRaisedBy([&] { GeneFileWriter::Save(clsGenSeq().Code(), name); });
    }
};

struct RefusedName {
    const char* name;
    // Makes the thing to save over inside the folder and gives the name to save under.
    std::function<QString(const QString& folder)> make;
    int number;
    const char* text;
};

class GeneFileRefusedNameTest : public GeneFileSaveFailureTest, public testing::WithParamInterface<RefusedName> { };

TEST_P(GeneFileRefusedNameTest, FailsNamingTheFileAndWritesNothing)
{
    const QString name = GetParam().make(dir.path());
    const QStringList before = entries(dir.path());

    const std::optional<RuntimeError> error = saveError(name);

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), GetParam().number);
    EXPECT_EQ(error->message(),
        QStringLiteral("%1 (error %2) in \"%3\"")
            .arg(QLatin1String(GetParam().text), QString::number(GetParam().number), name));
    EXPECT_EQ(entries(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Names, GeneFileRefusedNameTest,
    testing::Values(
        RefusedName { "FolderThatDoesNotExist", [](const QString& folder) { return folder + "/missing/tree.gen"; },
            RuntimeError::PathNotFound, "No such file or directory" },
        RefusedName { "Folder",
            [](const QString& folder) {
                QDir(folder).mkdir("tree.gen");
                return folder + "/tree.gen";
            },
            RuntimeError::PathFileAccess, "Is a directory" },
        RefusedName { "LinkToFolder",
            [](const QString& folder) {
                QDir(folder).mkdir("real");
                QFile::link(folder + "/real", folder + "/tree.gen");
                return folder + "/tree.gen";
            },
            RuntimeError::PathFileAccess, "Is a directory" },
        RefusedName { "FolderWithATrailingSlash", [](const QString& folder) { return folder + "/"; },
            RuntimeError::PathFileAccess, "Is a directory" },
        RefusedName { "Device", [](const QString&) { return QStringLiteral("/dev/null"); },
            RuntimeError::PathFileAccess, "Not a regular file" },
        RefusedName { "Empty", [](const QString&) { return QString(); }, RuntimeError::PathNotFound,
            "No such file or directory" },
        RefusedName { "LinkLoop",
            [](const QString& folder) {
                QFile::link(folder + "/a.gen", folder + "/b.gen");
                QFile::link(folder + "/b.gen", folder + "/a.gen");
                return folder + "/a.gen";
            },
            RuntimeError::PathFileAccess, "Too many levels of symbolic links" }),
    CaseNames::testName);

TEST_F(GeneFileSaveFailureTest, AFifoIsRefusedWithoutBlocking)
{
    const QString fifo = path("tree.gen");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const CallOutcome outcome = callBesideFifo(fifo, [&] {
        clsGenSeq genSeq;
        GeneFileWriter::Save(genSeq.Code(), fifo);
    });

    EXPECT_FALSE(outcome.blocked) << "Save waited for a reader of the FIFO";
    ASSERT_TRUE(outcome.error);
    try {
        std::rethrow_exception(outcome.error);
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::PathFileAccess);
        EXPECT_EQ(error.message(), QStringLiteral("Not a regular file (error 75) in \"%1\"").arg(fifo));
    }
    EXPECT_EQ(entries(dir.path()), QStringList { "tree.gen" });
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

// An old file alone on a small file system of its own; without one the test is skipped.
class GeneFileOnTmpfsTest : public GeneFileSaveFailureTest {
protected:
    void SetUp() override
    {
        if (!tmpfs.mounted())
            GTEST_SKIP() << tmpfs.refusal().toStdString();
        writeFile(name, old);
    }

    ScopedTmpfs tmpfs { 64 };
    const QString name = tmpfs.path() + "/tree.gen";
    const QByteArray old = joinLines({ "old", "contents" });
};

TEST_F(GeneFileOnTmpfsTest, AFullFileSystemLeavesTheOldFileIntact)
{
    // Fill the file system to the brim.
    QFile filler(tmpfs.path() + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) { }
    filler.close();
    const QStringList before = entries(tmpfs.path());

    const std::optional<RuntimeError> error = saveError(name);

    ASSERT_TRUE(error.has_value()) << "saving on a full file system reported success";
    EXPECT_EQ(error->number(), RuntimeError::DiskFull);
    EXPECT_EQ(error->message(), QStringLiteral("No space left on device (error 61) in \"%1\"").arg(name));
    EXPECT_EQ(readFile(name), old);
    EXPECT_EQ(entries(tmpfs.path()), before);
}

TEST_F(GeneFileOnTmpfsTest, AReadOnlyFileSystemLeavesTheOldFileIntact)
{
    ASSERT_TRUE(tmpfs.remountReadOnly());

    for (const QString& target : { name, tmpfs.path() + "/new.gen" }) {
        const std::optional<RuntimeError> error = saveError(target);

        ASSERT_TRUE(error.has_value()) << target.toStdString();
        EXPECT_EQ(error->message(), QStringLiteral("Read-only file system (error 75) in \"%1\"").arg(target));
    }
    EXPECT_EQ(readFile(name), old);
    EXPECT_EQ(entries(tmpfs.path()), QStringList { "tree.gen" });
}

// Renaming over a file needs no write permission on it, so this pins the explicit check.
TEST_F(GeneFileSaveFailureTest, AReadOnlyFileIsNotReplaced)
{
    const QString name = path("tree.gen");
    const QByteArray old = joinLines({ "old", "contents" });
    writeFile(name, old);
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0444), 0);
    // Anyone may write into the folder, so only the file's own permission stands in the way.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);

    // Root may write any file: save as an unprivileged user in a child process.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (::getuid() == 0 && (::setresgid(nobody, nobody, nobody) != 0 || ::setresuid(nobody, nobody, nobody) != 0))
            ::_exit(2);
        const std::optional<RuntimeError> error = saveError(name);
        ::_exit(error && error->number() == RuntimeError::PermissionDenied ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not refused with error 70; 2: could not become another user";
    EXPECT_EQ(readFile(name), old);
    EXPECT_EQ(entries(dir.path()), QStringList { "tree.gen" });
}

} // namespace
