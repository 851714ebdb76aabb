// Only regular files are genetic code files: everything else is as if no file were there.

#include "core/files/RegularFile.h"

#include "program/clsGenSeq.h"
#include "support/CaseNames.h"
#include "support/GeneFileTest.h"
#include "support/ScriptedRandom.h"
#include "support/UnblockedCall.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

using CaseNames::PrintTo;

struct NameCase {
    const char* name;
    // Makes the thing inside the folder and gives its name.
    std::function<QString(const QString& folder)> make;
    bool regular;
};

QString regularFile(const QString& folder)
{
    QFile file(folder + "/tree.gen");
    if (file.open(QIODevice::WriteOnly))
        file.write("0\r\n");
    return file.fileName();
}

QString socketFile(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder + "/tree.gen");
    const Files::UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::min<std::size_t>(name.size(), sizeof(address.sun_path) - 1));
    ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    return folder + "/tree.gen";
}

class RegularFileTest : public GeneFileTest, public testing::WithParamInterface<NameCase> { };

TEST_P(RegularFileTest, TellsARegularFile)
{
    const QString name = GetParam().make(dir.path());

    EXPECT_EQ(Files::isRegularFile(name), GetParam().regular);
}

TEST_P(RegularFileTest, OpensOnlyARegularFileAndNeverBlocks)
{
    const QString name = GetParam().make(dir.path());
    bool opened = false;

    const CallOutcome outcome = callBesideFifo(name, [&] { opened = Files::openRegularFileForReading(name).valid(); });

    EXPECT_FALSE(outcome.blocked);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(opened, GetParam().regular);
}

TEST_P(RegularFileTest, LoadTreatsAnythingElseAsNoFile)
{
    const QString name = GetParam().make(dir.path());
    window.mutationRate = QStringLiteral("0");
    ScriptedRandom random({}, 0.5F);
    clsGenSeq genSeq;

    const CallOutcome outcome = callBesideFifo(name, [&] { genSeq.Load(name); });

    EXPECT_FALSE(outcome.blocked);
    if (GetParam().regular) {
        // One line of a record: the file was read, and ended inside gene 0.
        EXPECT_TRUE(outcome.error);
        EXPECT_EQ(random.reseeds, 1);
        return;
    }
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(random.log, "");
    EXPECT_FALSE(genSeq.HasGene(0));
}

INSTANTIATE_TEST_SUITE_P(Names, RegularFileTest,
    testing::Values(NameCase { "Regular", regularFile, true },
        NameCase { "LinkToRegular",
            [](const QString& folder) {
                QFile::link(regularFile(folder), folder + "/link.gen");
                return folder + "/link.gen";
            },
            true },
        NameCase { "LinkToLinkToRegular",
            [](const QString& folder) {
                QFile::link(regularFile(folder), folder + "/link.gen");
                QFile::link(folder + "/link.gen", folder + "/link2.gen");
                return folder + "/link2.gen";
            },
            true },
        NameCase { "Empty", [](const QString&) { return QString(); }, false },
        NameCase { "Missing", [](const QString& folder) { return folder + "/missing.gen"; }, false },
        NameCase { "DanglingLink",
            [](const QString& folder) {
                QFile::link(folder + "/missing.gen", folder + "/link.gen");
                return folder + "/link.gen";
            },
            false },
        NameCase { "Folder", [](const QString& folder) { return folder; }, false },
        NameCase { "LinkToFolder",
            [](const QString& folder) {
                QDir(folder).mkdir("sub");
                QFile::link(folder + "/sub", folder + "/link.gen");
                return folder + "/link.gen";
            },
            false },
        NameCase { "InsideAFile", [](const QString& folder) { return regularFile(folder) + "/tree.gen"; }, false },
        NameCase { "Fifo",
            [](const QString& folder) {
                ::mkfifo(QFile::encodeName(folder + "/tree.gen").constData(), 0600);
                return folder + "/tree.gen";
            },
            false },
        NameCase { "Socket", socketFile, false },
        NameCase { "EndlessDevice", [](const QString&) { return QStringLiteral("/dev/zero"); }, false }),
    CaseNames::testName);

} // namespace
