#include "core/settings/SettingsValues.h"

#include <QSize>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct ReadCase {
    const char* name;
    const char* key;
    const char* text;
    std::function<void(const UserSettings&)> check;
};

void PrintTo(const ReadCase& c, std::ostream* out)
{
    *out << c.name;
}

class SettingsValuesReadTest : public testing::TestWithParam<ReadCase> { };

TEST_P(SettingsValuesReadTest, TakesTheValueOfItsKey)
{
    const SettingsValues::Read read
        = SettingsValues::read({ { QString::fromUtf8(GetParam().key), QString::fromUtf8(GetParam().text) } });

    EXPECT_TRUE(read.unread.isEmpty()) << read.unread.join(' ').toStdString();
    GetParam().check(read.settings);
}

INSTANTIATE_TEST_SUITE_P(Keys, SettingsValuesReadTest,
    testing::Values(ReadCase { "ExportScale", "export/scale", "32",
                        [](const UserSettings& s) { EXPECT_EQ(s.exportSettings.scale, 32); } },
        ReadCase { "ExportFrame", "export/frame", "whole tree",
            [](const UserSettings& s) { EXPECT_EQ(s.exportSettings.frame, Drawing::Frame::WholeTree); } },
        ReadCase { "ExportSmooth", "export/smooth", "false",
            [](const UserSettings& s) { EXPECT_FALSE(s.exportSettings.smooth); } },
        ReadCase { "ExportTransparent", "export/transparent", "true",
            [](const UserSettings& s) { EXPECT_TRUE(s.exportSettings.transparent); } },
        ReadCase { "AnimationScale", "animation/scale", "1",
            [](const UserSettings& s) { EXPECT_EQ(s.animationExport.scale, 1); } },
        ReadCase { "AnimationRate", "animation/framesPerSecond", "12",
            [](const UserSettings& s) { EXPECT_EQ(s.animationExport.framesPerSecond, 12); } },
        ReadCase { "AnimationFrame", "animation/frame", "whole tree",
            [](const UserSettings& s) { EXPECT_EQ(s.animationExport.frame, Drawing::Frame::WholeTree); } },
        ReadCase { "AnimationSmooth", "animation/smooth", "false",
            [](const UserSettings& s) { EXPECT_FALSE(s.animationExport.smooth); } },
        ReadCase { "AnimationTransparent", "animation/transparent", "true",
            [](const UserSettings& s) { EXPECT_TRUE(s.animationExport.transparent); } },
        ReadCase { "LitterSize", "litter/size", "2", [](const UserSettings& s) { EXPECT_EQ(s.litterSize, 2); } },
        ReadCase { "Folder", "folders/export picture", "/home/user/Pictures, \"old\"",
            [](const UserSettings& s) {
                EXPECT_EQ(
                    s.folders, (QHash<QString, QString> { { "export picture", "/home/user/Pictures, \"old\"" } }));
            } },
        ReadCase { "WindowSize", "windows/family tree", "900x16384",
            [](const UserSettings& s) {
                EXPECT_EQ(s.windowSizes, (QHash<QString, QSize> { { "family tree", QSize(900, 16384) } }));
            } },
        ReadCase {
            "UnknownKey", "export/colour", "red", [](const UserSettings& s) { EXPECT_EQ(s, UserSettings {}); } }),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct UnreadCase {
    const char* name;
    const char* key;
    QVariant value;
};

void PrintTo(const UnreadCase& c, std::ostream* out)
{
    *out << c.name;
}

class SettingsValuesUnreadTest : public testing::TestWithParam<UnreadCase> { };

TEST_P(SettingsValuesUnreadTest, LeavesTheDefaultAndNamesTheKey)
{
    const SettingsValues::Read read = SettingsValues::read({ { QString::fromUtf8(GetParam().key), GetParam().value },
        { QStringLiteral("windows/editor"), QStringLiteral("10x10") } });

    EXPECT_EQ(read.unread, QStringList { QString::fromUtf8(GetParam().key) });
    UserSettings expected;
    expected.windowSizes.insert(QStringLiteral("editor"), QSize(10, 10));
    EXPECT_EQ(read.settings, expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsValuesUnreadTest,
    testing::Values(UnreadCase { "ScaleZero", "export/scale", QStringLiteral("0") },
        UnreadCase { "Scale33", "animation/scale", QStringLiteral("33") },
        UnreadCase { "ScaleInWords", "export/scale", QStringLiteral("four") },
        UnreadCase { "ScaleAsANumber", "export/scale", QVariant(4) },
        UnreadCase { "RateZero", "animation/framesPerSecond", QStringLiteral("0") },
        UnreadCase { "UnknownFrame", "export/frame", QStringLiteral("whole") },
        UnreadCase { "YesForTrue", "export/smooth", QStringLiteral("yes") },
        UnreadCase { "ListForABoolean", "animation/transparent", QStringList { "true", "false" } },
        UnreadCase { "LitterOfOne", "litter/size", QStringLiteral("1") },
        UnreadCase { "LitterOf65", "litter/size", QStringLiteral("65") },
        UnreadCase { "RelativeFolder", "folders/export picture", QStringLiteral("Pictures") },
        UnreadCase { "HalfASurrogatePair", "folders/export picture", QString(QChar(0xD800)).prepend('/') },
        UnreadCase { "NoHeight", "windows/large view", QStringLiteral("640x") },
        UnreadCase { "ZeroWidth", "windows/large view", QStringLiteral("0x480") },
        UnreadCase { "Beyond16384", "windows/large view", QStringLiteral("16385x480") },
        UnreadCase { "BlanksAroundX", "windows/large view", QStringLiteral("640 x 480") },
        UnreadCase { "SizeAsASize", "windows/large view", QVariant(QSize(640, 480)) }),
    [](const testing::TestParamInfo<UnreadCase>& info) { return info.param.name; });

TEST(SettingsValuesTest, EverySettingWrittenReadsBackTheSame)
{
    UserSettings settings;
    settings.exportSettings = { 9, Drawing::Frame::WholeTree, false, true };
    settings.animationExport = { 3, 25, Drawing::Frame::WholeTree, false, true };
    settings.litterSize = 64;
    settings.folders = { { "export picture", "/a" }, { "open genetic code", "/b/c d" } };
    settings.windowSizes = { { "family tree", QSize(1, 2) }, { "editor", QSize(800, 600) } };

    QVariantMap values;
    const QMap<QString, QString> written = SettingsValues::write(settings);
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        values.insert(it.key(), it.value());
    const SettingsValues::Read read = SettingsValues::read(values);

    EXPECT_TRUE(read.unread.isEmpty());
    EXPECT_EQ(read.settings, settings);
}

} // namespace
