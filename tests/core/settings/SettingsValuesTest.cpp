#include "core/settings/SettingsValues.h"

#include <QSize>
#include <QVariant>

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct ValueCase {
    const char* name;
    const char* key;
    QVariant value;
    bool reads;
};

void PrintTo(const ValueCase& c, std::ostream* out)
{
    *out << c.name;
}

class SettingsValuesTest : public testing::TestWithParam<ValueCase> { };

// A text that reads is the setting, written back as the same text; any other value leaves the default and is named.
TEST_P(SettingsValuesTest, ReadsWhatFitsAndNamesWhatDoesNot)
{
    const QString key = QString::fromUtf8(GetParam().key);

    const SettingsValues::Read read = SettingsValues::read({ { key, GetParam().value } });

    if (GetParam().reads) {
        EXPECT_TRUE(read.unread.isEmpty());
        EXPECT_EQ(SettingsValues::write(read.settings).value(key), GetParam().value.toString());
    } else {
        EXPECT_EQ(read.unread, QStringList { key });
        EXPECT_EQ(read.settings, UserSettings {});
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsValuesTest,
    testing::Values(ValueCase { "Scale32", "export/scale", "32", true },
        ValueCase { "Scale33", "animation/scale", "33", false },
        ValueCase { "ScaleNotAText", "export/scale", QVariant(4), false },
        ValueCase { "WholeTree", "export/frame", "whole tree", true },
        ValueCase { "UnknownFrame", "animation/frame", "whole", false },
        ValueCase { "Transparent", "animation/transparent", "true", true },
        ValueCase { "YesForTrue", "export/smooth", "yes", false },
        ValueCase { "FramesPerSecond", "animation/framesPerSecond", "12", true },
        ValueCase { "NoFrames", "animation/framesPerSecond", "0", false },
        ValueCase { "LitterOf2", "litter/size", "2", true }, ValueCase { "LitterOf65", "litter/size", "65", false },
        ValueCase { "GridOf6", "breed/grid", "6", true }, ValueCase { "GridOf2", "breed/grid", "2", false },
        ValueCase { "RateInHundredths", "breed/rate", "0.25", true },
        ValueCase { "RateAboveOne", "breed/rate", "1.5", false },
        ValueCase { "LargeThumbnails", "album/thumbnailSize", "256", true },
        ValueCase { "Folder", "folders/export picture", "/home/a, \"b\"", true },
        ValueCase { "RelativeFolder", "folders/export picture", "Pictures", false },
        ValueCase { "HalfASurrogatePair", "folders/open", QString(QChar(0xD800)).prepend('/'), false },
        ValueCase { "WindowSize", "windows/large view", "900x16384", true },
        ValueCase { "NoWidth", "windows/large view", "0x480", false },
        ValueCase { "SizeNotAText", "windows/editor", QVariant(QSize(640, 480)), false }),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

} // namespace
