#include "core/settings/SettingsFile.h"

#include "core/platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct IgnoredCase {
    const char* name;
    // Makes what stands at the settings file's path.
    void (*make)(const QString& path);
    // What the line on standard error says after the file's name; empty when nothing is ignored.
    const char* why;
    int litterSize;
};

void PrintTo(const IgnoredCase& c, std::ostream* out)
{
    *out << c.name;
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

class SettingsFileLoadTest : public testing::TestWithParam<IgnoredCase> {
protected:
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("vantrell.conf"));
};

TEST_P(SettingsFileLoadTest, IgnoresWhatDoesNotRead)
{
    GetParam().make(path);

    const SettingsFile::Loaded loaded = SettingsFile::load(path);

    const QString why = QString::fromUtf8(GetParam().why);
    EXPECT_EQ(loaded.ignored,
        why.isEmpty() ? QString() : QStringLiteral("ignoring the settings file \"%1\": %2").arg(path, why));
    EXPECT_EQ(loaded.settings.litterSize, GetParam().litterSize);
    EXPECT_EQ(loaded.settings.exportSettings, ExportSettings {});
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsFileLoadTest,
    testing::Values(IgnoredCase { "Missing", [](const QString&) {}, "", 9 },
        IgnoredCase { "Read", [](const QString& path) { writeText(path, "[litter]\nsize=\"20\"\n"); }, "", 20 },
        IgnoredCase { "AFolder", [](const QString& path) { QDir().mkpath(path); }, "it is not a regular file", 9 },
        IgnoredCase { "ALinkToNothing", [](const QString& path) { QFile::link(path + QStringLiteral(".gone"), path); },
            "it is not a regular file", 9 },
        IgnoredCase { "Damaged", [](const QString& path) { writeText(path, "[litter]\nsize=20\n[export\nscale=2\n"); },
            "it is damaged", 9 },
        IgnoredCase { "ValuesThatDoNotRead",
            [](const QString& path) { writeText(path, "[export]\nscale=99\nframe=all\n[litter]\nsize=20\n"); },
            "these values do not read: export/frame, export/scale", 20 }),
    [](const testing::TestParamInfo<IgnoredCase>& info) { return info.param.name; });

TEST(SettingsFileTest, SaveMakesTheFolderAndLoadReadsItBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config/vantrell/vantrell.conf"));
    UserSettings settings;
    settings.litterSize = 30;
    settings.folders.insert(QStringLiteral("export picture"), QStringLiteral("/a b"));

    SettingsFile::save(path, settings);

    const SettingsFile::Loaded loaded = SettingsFile::load(path);
    EXPECT_TRUE(loaded.ignored.isEmpty()) << loaded.ignored.toStdString();
    EXPECT_EQ(loaded.settings, settings);
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("config/vantrell"))).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("vantrell.conf") });
}

TEST(SettingsFileTest, SaveWhereNoFolderCanBeFailsNamingIt)
{
    QTemporaryDir folder;
    writeText(folder.filePath(QStringLiteral("file")), "x");
    const QString path = folder.filePath(QStringLiteral("file/vantrell/vantrell.conf"));

    try {
        SettingsFile::save(path, {});
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_TRUE(error.message().contains(folder.filePath(QStringLiteral("file/vantrell"))))
            << error.message().toStdString();
    }
}

} // namespace
