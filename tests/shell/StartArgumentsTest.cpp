// The program's own command line, as its user meets it: what it is asked for that needs no window is answered
// without a display.

#include <QProcess>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct AnswerCase {
    const char* name;
    std::vector<const char*> arguments;
    int status;
    // What standard output, or standard error, begins with; the other stays empty.
    const char* out;
    const char* err;
};

const AnswerCase answerCases[] = {
    { "Help", { "tree.gen", "--help" }, 0, "Usage: vantrell [options] [FILE...]\n", "" },
    { "Version", { "tree.gen", "--version" }, 0, "vantrell " VANTRELL_VERSION "\n", "" },
    { "HelpAmongTheToolkitsOwnOptions", { "-style", "fusion", "-reverse", "-h" }, 0, "Usage: vantrell", "" },
    { "AnUnknownOption", { "--badoption", "tree.gen" }, 2, "", "vantrell: Unknown option 'badoption'.\n\nUsage:" },
    { "AnAlbumOfTwoFolders", { "--album", "a", "b" }, 2, "", "vantrell: --album shows one folder, not 2.\n\nUsage:" },
    { "AnAlbumToBreedFrom", { "--breed", "--album" }, 2, "",
        "vantrell: --album and --breed cannot be given together.\n\nUsage:" },
};

class StartArgumentsAnswer : public testing::TestWithParam<AnswerCase> { };

TEST_P(StartArgumentsAnswer, WithoutADisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QStringList arguments;
    for (const char* argument : GetParam().arguments)
        arguments.append(QString::fromLatin1(argument));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VANTRELL_PATH), arguments);
    ASSERT_TRUE(process.waitForFinished(60000));

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), GetParam().status);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(out.startsWith(GetParam().out)) << out.toStdString();
    EXPECT_TRUE(err.startsWith(GetParam().err)) << err.toStdString();
    EXPECT_EQ(out.isEmpty(), std::string(GetParam().out).empty());
    EXPECT_EQ(err.isEmpty(), std::string(GetParam().err).empty());
}

INSTANTIATE_TEST_SUITE_P(CommandLines, StartArgumentsAnswer, testing::ValuesIn(answerCases),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
