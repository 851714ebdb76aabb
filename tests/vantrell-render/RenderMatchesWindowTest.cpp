// At scale 1 without smoothing, vantrell-render's PNG is the program's window drawing of the same file.

#include "support/CaseNames.h"
#include "support/OpenTesting.h"
#include "support/RenderTesting.h"

namespace {

using CaseNames::PrintTo;

using namespace RenderTesting;

struct WindowCase {
    const char* name;
    QStringList options;
    // Sets the Genes menu as the options say.
    void (*menu)(frmMain&);
};

class RenderMatchesWindowTest : public OpenTest, public testing::WithParamInterface<WindowCase> { };

TEST_P(RenderMatchesWindowTest, ThePngIsTheWindowsDrawing)
{
    writeSample(path("tree.gen"));
    GetParam().menu(*main);
    open(QStringLiteral("0"), path("tree.gen"));
    frmObject* form = window(0);
    ASSERT_NE(form, nullptr);

    const ToolRun result = runTool(QStringList { "tree.gen", "-o", "tree.png" } + GetParam().options, folder.path());

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(samePixels(QImage(path("tree.png")), form->surface().image()));
}

INSTANTIATE_TEST_SUITE_P(GenesMenu, RenderMatchesWindowTest,
    testing::Values(WindowCase { "StartUp", {}, [](frmMain&) {} },
        WindowCase { "DoneUnticked", { "--no-done" }, [](frmMain& m) { m.G_Done->trigger(); } },
        WindowCase { "DrawTicked", { "--draw" }, [](frmMain& m) { m.G_Draw->trigger(); } },
        WindowCase { "BothSwitched", { "--no-done", "--draw" },
            [](frmMain& m) {
                m.G_Done->trigger();
                m.G_Draw->trigger();
            } }),
    CaseNames::testName);

} // namespace
