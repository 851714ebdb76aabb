// The user's settings from one run to the next: kept by one process, taken by the next, a damaged file ignored.

#include "core/settings/IniText.h"
#include "core/settings/SettingsValues.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsProcessTest : public testing::Test {
protected:
    // The child with a configuration folder of its own, as a user's ~/.config; its standard output and error.
    std::pair<QByteArray, QByteArray> run(const char* command) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VANTRELL_SETTINGS_CHILD), { QString::fromLatin1(command) });
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        return { process.readAllStandardOutput(), process.readAllStandardError() };
    }

    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("vantrell/vantrell.conf"));
};

TEST_F(SettingsProcessTest, WhatOneRunKeepsTheNextTakes)
{
    const QByteArray kept = run("write").first;
    ASSERT_TRUE(QFile::exists(file));

    const auto [out, err] = run("read");

    EXPECT_EQ(out, kept);
    EXPECT_NE(out, IniText::of(SettingsValues::write({})));
    EXPECT_EQ(err, QByteArray());
}

TEST_F(SettingsProcessTest, ADamagedFileIsIgnoredWithOneLineOnStandardError)
{
    ASSERT_TRUE(QDir().mkpath(config.filePath(QStringLiteral("vantrell"))));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[litter]\nsize=\"20\"\n[export\nscale=\"8\"\n\x01\xff\xfe[[[=\n");
    damaged.close();

    const auto [out, err] = run("read");

    EXPECT_EQ(out, IniText::of(SettingsValues::write({})));
    EXPECT_EQ(err, "vantrell: ignoring the settings file \"" + file.toLocal8Bit() + "\": it is damaged\n");
}

} // namespace
