// The user's settings from one run to the next: kept by one process, taken by another, a damaged file ignored.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ChildRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class SettingsProcessTest : public testing::Test {
protected:
    // The child with its own configuration folder, as a user's ~/.config.
    ChildRun run(const char* command) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VANTRELL_SETTINGS_CHILD), { QString::fromLatin1(command) });
        ChildRun result;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    QString file() const { return config.filePath(QStringLiteral("vantrell/vantrell.conf")); }

    QTemporaryDir config;
};

const QByteArray defaults = "export 4 window 1 0\n"
                            "animation 4 30 window 1 0\n"
                            "litter 9\n";

TEST_F(SettingsProcessTest, WhatOneRunKeepsTheNextTakes)
{
    const ChildRun written = run("write");
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    ASSERT_TRUE(QFile::exists(file()));

    const ChildRun read = run("read");

    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.out,
        "export 8 whole 0 1\n"
        "animation 2 24 whole 1 1\n"
        "litter 16\n"
        "folder export picture=/home/user/Pictures, \"best\"\n"
        "folder open genetic code=/home/user/codes\n"
        "window family tree=1000x700\n"
        "window large view=500x400\n");
    EXPECT_TRUE(read.err.isEmpty()) << read.err.toStdString();
}

TEST_F(SettingsProcessTest, ADamagedFileIsIgnoredWithOneLineOnStandardError)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file()).path()));
    QFile damaged(file());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[litter]\nsize=\"20\"\n[export\nscale=\"8\"\n\x01\xff\xfe[[[=\n");
    damaged.close();

    const ChildRun read = run("read");

    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.out, defaults);
    EXPECT_EQ(read.err, "vantrell: ignoring the settings file \"" + file().toLocal8Bit() + "\": it is damaged\n");
}

} // namespace
