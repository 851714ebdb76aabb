#include "shell/StartArguments.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>
#include <ostream>

namespace {

using Action = StartArguments::Parsed::Action;

struct ArgumentsCase {
    const char* name;
    QStringList arguments;
    Action action;
    QStringList files;
    const char* error;
};

void PrintTo(const ArgumentsCase& c, std::ostream* out)
{
    *out << c.name;
}

class StartArgumentsTest : public testing::TestWithParam<ArgumentsCase> { };

TEST_P(StartArgumentsTest, SaysWhatTheCommandLineAsks)
{
    const StartArguments::Parsed parsed = StartArguments::parse(QStringList { "vantrell" } + GetParam().arguments);

    EXPECT_EQ(parsed.action, GetParam().action);
    EXPECT_EQ(parsed.files, GetParam().files);
    EXPECT_EQ(parsed.error, QString::fromUtf8(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(CommandLines, StartArgumentsTest,
    testing::Values(ArgumentsCase { "Nothing", {}, Action::Start, {}, "" },
        ArgumentsCase { "FilesInTheirOrder", { "b.gen", "/a/a.gen", "b.gen" }, Action::Start,
            { "b.gen", "/a/a.gen", "b.gen" }, "" },
        ArgumentsCase { "AFileLikeAnOption", { "--", "--help" }, Action::Start, { "--help" }, "" },
        ArgumentsCase { "Help", { "tree.gen", "--help" }, Action::Help, {}, "" },
        ArgumentsCase { "ShortHelp", { "-h" }, Action::Help, {}, "" },
        ArgumentsCase { "Version", { "--version" }, Action::Version, {}, "" },
        ArgumentsCase {
            "UnknownOption", { "--frobnicate", "tree.gen" }, Action::UsageError, {}, "Unknown option 'frobnicate'." }),
    [](const testing::TestParamInfo<ArgumentsCase>& info) { return info.param.name; });

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program itself, on no display at all: no X server, no Wayland, and the X11 platform asked for.
ProgramRun runWithoutDisplay(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VANTRELL_PATH), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

TEST(StartArgumentsProgramTest, HelpAndVersionAnswerWithoutADisplay)
{
    const ProgramRun help = runWithoutDisplay({ "--help" });
    const ProgramRun version = runWithoutDisplay({ "tree.gen", "--version" });

    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: vantrell [options] [FILE...]\n")) << help.out.toStdString();
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("vantrell " VANTRELL_VERSION "\n"));
    EXPECT_TRUE(help.err.isEmpty() && version.err.isEmpty()) << help.err.toStdString() << version.err.toStdString();
}

} // namespace
