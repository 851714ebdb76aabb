// vantrell-render --web makes the folders it is given, and refuses a folder that holds anything, writing nothing.

#include "support/CaseNames.h"
#include "support/RenderTesting.h"

#include <functional>

namespace {

using CaseNames::PrintTo;

using namespace RenderTesting;

struct FolderCase {
    const char* name;
    // Makes what stands at the page's name "page" in folder.
    std::function<void(const QString& folder)> make;
    const char* error;
};

void makeFile(const QString& fileName)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

const char* const notEmpty
    = "Directory not empty (error 75) in \"page\" (a web page is written only into a new or empty folder)";

class RenderWebFolderTest : public RenderToolTest, public testing::WithParamInterface<FolderCase> { };

TEST_P(RenderWebFolderTest, IsRefusedWritingNothing)
{
    writeSample(path("tree.gen"));
    GetParam().make(dir.path());
    const QStringList before = entries(path("page"));

    const ToolRun result = run({ "--web", "page", "tree.gen" });

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(QString::fromLocal8Bit(result.err), QStringLiteral("vantrell-render: %1\n").arg(GetParam().error));
    EXPECT_EQ(entries(path("page")), before);
    EXPECT_EQ(entries(dir.path()), QStringList({ "page", "tree.gen" }));
}

INSTANTIATE_TEST_SUITE_P(Folders, RenderWebFolderTest,
    testing::Values(FolderCase { "HoldsAFile",
                        [](const QString& folder) {
                            QDir(folder).mkdir("page");
                            makeFile(folder + "/page/notes.txt");
                        },
                        notEmpty },
        FolderCase { "HoldsAHiddenFile",
            [](const QString& folder) {
                QDir(folder).mkdir("page");
                makeFile(folder + "/page/.hidden");
            },
            notEmpty },
        FolderCase {
            "HoldsAnEmptyFolder", [](const QString& folder) { QDir(folder).mkpath("page/pictures"); }, notEmpty },
        FolderCase { "IsAFile", [](const QString& folder) { makeFile(folder + "/page"); },
            "Not a directory (error 76) in \"page\"" }),
    CaseNames::testName);

TEST_F(RenderToolTest, WebMakesEveryMissingFolderOfThePageNamedWithATrailingSlash)
{
    writeSample(path("tree.gen"));

    const ToolRun result = run({ "--web", "new/page/", "tree.gen" });

    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(entries(path("new/page")), QStringList({ "index.html", "pictures", "style.css" }));
}

} // namespace
