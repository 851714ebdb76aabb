// The program's own command line, as its user meets it.

#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(StartArgumentsTest, HelpAndVersionAnswerWithoutADisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const auto run = [&](const QString& option) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VANTRELL_PATH), { QStringLiteral("tree.gen"), option });
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardError(), QByteArray());
        return process.readAllStandardOutput();
    };

    EXPECT_TRUE(run(QStringLiteral("--help")).startsWith("Usage: vantrell [options] [FILE...]\n"));
    EXPECT_EQ(run(QStringLiteral("--version")), QByteArray("vantrell " VANTRELL_VERSION "\n"));
}

} // namespace
