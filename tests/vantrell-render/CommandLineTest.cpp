// What vantrell-render's options ask for, read without running it.

#include "vantrell-render/CommandLine.h"

#include "support/CaseNames.h"
#include "vantrell-render/JobList.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

using CaseNames::PrintTo;

struct OptionCase {
    const char* name;
    QStringList arguments;
    // Checks the request the arguments give.
    void (*check)(const RenderRequest&);
};

class CommandLineTest : public testing::TestWithParam<OptionCase> { };

TEST_P(CommandLineTest, AsksForWhatTheOptionsSay)
{
    const CommandLine::Parsed parsed
        = CommandLine::parse(QStringList { "vantrell-render", "tree.gen" } + GetParam().arguments);

    ASSERT_EQ(parsed.action, CommandLine::Parsed::Action::Render) << parsed.text.toStdString();
    GetParam().check(parsed.request);
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLineTest,
    testing::Values(OptionCase { "StartUpDefaults", { "-d", "out" },
                        [](const RenderRequest& r) {
                            EXPECT_EQ(r.settings.options.scale, 1);
                            EXPECT_FALSE(r.settings.options.smooth);
                            EXPECT_EQ(r.settings.options.frame, Drawing::Frame::Window);
                            EXPECT_EQ(
                                r.settings.options.background, QGuiApplication::palette().color(QPalette::Window));
                            EXPECT_EQ(r.settings.flags, (Drawing::Flags { true, false }));
                            EXPECT_FALSE(r.format.has_value());
                            EXPECT_EQ(r.threads, 0);
                            EXPECT_EQ(r.columns, 0);
                        } },
        OptionCase { "SmoothAboveScale1", { "-d", "out", "-s", "2" },
            [](const RenderRequest& r) {
                EXPECT_EQ(r.settings.options.scale, 2);
                EXPECT_TRUE(r.settings.options.smooth);
            } },
        OptionCase { "NoSmoothAboveScale1", { "-d", "out", "-s", "32", "--no-smooth" },
            [](const RenderRequest& r) {
                EXPECT_EQ(r.settings.options.scale, 32);
                EXPECT_FALSE(r.settings.options.smooth);
            } },
        OptionCase { "SmoothAtScale1", { "-d", "out", "--smooth" },
            [](const RenderRequest& r) { EXPECT_TRUE(r.settings.options.smooth); } },
        OptionCase { "Switches", { "-d", "out", "--no-done", "--draw", "--whole" },
            [](const RenderRequest& r) {
                EXPECT_EQ(r.settings.flags, (Drawing::Flags { false, true }));
                EXPECT_EQ(r.settings.options.frame, Drawing::Frame::WholeTree);
            } },
        OptionCase { "Transparent", { "-d", "out", "--transparent" },
            [](const RenderRequest& r) { EXPECT_EQ(r.settings.options.background.alpha(), 0); } },
        OptionCase { "ColourName", { "-d", "out", "--background", "darkgreen" },
            [](const RenderRequest& r) { EXPECT_EQ(r.settings.options.background, QColor(0, 100, 0)); } },
        OptionCase { "FormatFlag", { "-o", "x.png", "-f", "Pdf" },
            [](const RenderRequest& r) { EXPECT_EQ(r.format, Drawing::Format::Pdf); } },
        OptionCase { "SheetColumnsAndThreads", { "--sheet", "s.pdf", "--columns", "7", "--threads", "3" },
            [](const RenderRequest& r) {
                EXPECT_EQ(r.sheet, "s.pdf");
                EXPECT_EQ(r.columns, 7);
                EXPECT_EQ(r.threads, 3);
            } },
        OptionCase { "RandomCodesAfterTheFiles", { "-d", "out", "--random", "2", "--seed", "18446744073709551615" },
            [](const RenderRequest& r) {
                EXPECT_EQ(r.seed, 18446744073709551615ULL);
                EXPECT_EQ(
                    JobList::inputs(r), QStringList({ "tree.gen", "out/random-0001.gen", "out/random-0002.gen" }));
                const QList<RenderJob> jobs = JobList::make(r, JobList::inputs(r));
                ASSERT_EQ(jobs.size(), 3);
                EXPECT_EQ(jobs[2].output, "out/random-0002.png");
            } },
        OptionCase { "RandomPrefixInTheCurrentFolder",
            { "--sheet", "s.png", "--random", "1", "--seed", "0", "--prefix", "p-" },
            [](const RenderRequest& r) {
                EXPECT_EQ(JobList::inputs(r), QStringList({ "tree.gen", "p-0001.gen" }));
                EXPECT_EQ(JobList::make(r, JobList::inputs(r))[1].output, QString());
            } },
        OptionCase { "OutputNamesEachFileInTheFolder", { "-d", "pictures", "-f", "svg" },
            [](const RenderRequest& r) {
                EXPECT_EQ(JobList::make(r, { "a/b.c.gen", "plain" })[0].output, "pictures/b.c.svg");
                EXPECT_EQ(JobList::make(r, { "a/b.c.gen", "plain" })[1].output, "pictures/plain.svg");
            } },
        OptionCase { "AnimateAtItsDefaults", { "b.gen", "--animate", "-o", "m.webp" },
            [](const RenderRequest& r) {
                EXPECT_TRUE(r.animate);
                EXPECT_EQ(r.files, QStringList({ "tree.gen", "b.gen" }));
                EXPECT_EQ(r.output, "m.webp");
                EXPECT_EQ(r.secondsPerStep, 1.0);
                EXPECT_EQ(r.framesPerSecond, 30);
            } },
        OptionCase { "AnimateAtAPaceAndRate",
            { "b.gen", "--animate", "-o", "m.GIF", "--seconds-per-step", "0.5", "--fps", "12" },
            [](const RenderRequest& r) {
                EXPECT_EQ(r.secondsPerStep, 0.5);
                EXPECT_EQ(r.framesPerSecond, 12);
            } },
        OptionCase { "OutputTakesItsSuffix", { "-o", "x.PDF" },
            [](const RenderRequest& r) {
                const QList<RenderJob> jobs = JobList::make(r, JobList::inputs(r));
                ASSERT_EQ(jobs.size(), 1);
                EXPECT_EQ(jobs[0].format, Drawing::Format::Pdf);
                EXPECT_EQ(jobs[0].output, "x.PDF");
            } }),
    CaseNames::testName);

} // namespace
