// The user's settings from one run to the next: each change kept at once, even by a run that is killed, taken by the
// next; a damaged file ignored, and mended by the next change.

#include "core/settings/SettingsFile.h"
#include "support/SettingsText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <gtest/gtest.h>

namespace {

class SettingsProcessTest : public testing::Test {
protected:
    // The child with a configuration folder of its own, as a user's ~/.config; its standard output and error. A
    // "change" is killed as a crash would end it, as soon as it tells its settings.
    std::pair<QByteArray, QByteArray> run(const char* command) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VANTRELL_SETTINGS_CHILD), { QString::fromLatin1(command) });
        const bool killed = std::strcmp(command, "change") == 0;
        if (killed) {
            EXPECT_TRUE(process.waitForReadyRead(60000));
            process.kill();
        }
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), killed ? QProcess::CrashExit : QProcess::NormalExit);
        if (!killed) {
            EXPECT_EQ(process.exitCode(), 0);
        }
        return { process.readAllStandardOutput(), process.readAllStandardError() };
    }

    void writeFile(const QByteArray& bytes) const
    {
        ASSERT_TRUE(QDir().mkpath(config.filePath(QStringLiteral("vantrell"))));
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(bytes);
    }

    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("vantrell/vantrell.conf"));
    const QByteArray ignoring = "vantrell: ignoring the settings file \"" + file.toLocal8Bit() + "\": ";
};

TEST_F(SettingsProcessTest, WhatOneRunChangesTheNextTakesEvenWhenTheFirstIsKilled)
{
    const QByteArray kept = run("change").first;
    ASSERT_TRUE(QFile::exists(file));

    const auto [out, err] = run("read");

    EXPECT_EQ(out, kept);
    EXPECT_NE(out, settingsText({}));
    EXPECT_EQ(err, QByteArray());
}

TEST_F(SettingsProcessTest, ADamagedFileIsIgnoredWithOneLineOnStandardError)
{
    writeFile("[litter]\nsize=\"20\"\n[export\nscale=\"8\"\n\x01\xff\xfe[[[=\n");

    const auto [out, err] = run("read");

    EXPECT_EQ(out, settingsText({}));
    EXPECT_EQ(err, ignoring + "it is damaged\n");
}

class SettingsMendingTest : public SettingsProcessTest, public testing::WithParamInterface<const char*> { };

// What did not read, the whole file or one value, is written again with the first change; nothing else is kept.
TEST_P(SettingsMendingTest, AChangeLeavesAFileThatReadsWhole)
{
    writeFile(GetParam());

    const QByteArray kept = run("change").first;

    const SettingsFile::Loaded loaded = SettingsFile::load(file);
    EXPECT_EQ(loaded.ignored, QString());
    EXPECT_EQ(settingsText(loaded.settings), kept);
}

INSTANTIATE_TEST_SUITE_P(DamagedOrNot, SettingsMendingTest,
    testing::Values("[breed]\ngrid=\"5\"\n[export\n\x01[[=\n", "[breed]\ngrid=\"9\"\n"));

TEST_F(SettingsProcessTest, AChangeThatCannotBeWrittenIsToldInOneLine)
{
    ASSERT_TRUE(QDir().mkpath(file));

    const QByteArray err = run("change").second;

    // One line for each of the child's five changes.
    const QByteArray notKept
        = "vantrell: the settings were not kept in \"" + file.toLocal8Bit() + "\": it is not a regular file\n";
    EXPECT_EQ(err, ignoring + "it is not a regular file\n" + notKept.repeated(5));
}

} // namespace
