#include "core/settings/IniText.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct IniCase {
    const char* name;
    QString key;
    QString value;
};

void PrintTo(const IniCase& c, std::ostream* out)
{
    *out << c.name;
}

class IniTextTest : public testing::TestWithParam<IniCase> { };

TEST_P(IniTextTest, QSettingsReadsBackExactlyTheTextWritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.conf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(IniText::of({ { GetParam().key, GetParam().value }, { QStringLiteral("export/scale"), "4" } }));
    file.close();

    const QSettings store(path, QSettings::IniFormat);

    EXPECT_EQ(store.status(), QSettings::NoError);
    QStringList keys = store.allKeys();
    keys.sort();
    QStringList expected { GetParam().key, QStringLiteral("export/scale") };
    expected.sort();
    EXPECT_EQ(keys, expected);
    const QVariant value = store.value(GetParam().key);
    EXPECT_EQ(value.typeId(), QMetaType::QString);
    EXPECT_EQ(value.toString(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, IniTextTest,
    testing::Values(IniCase { "Plain", "folders/open", "/home/user" }, IniCase { "Empty", "folders/open", "" },
        IniCase { "CommaSemicolonEquals", "folders/open", "/a,b;c=d" },
        IniCase { "QuotesAndBackslashes", "folders/open", "/\"a\"\\b\\" },
        IniCase { "BlanksAtBothEnds", "folders/open", "  /a  " }, IniCase { "LeadingAt", "folders/open", "@Size(1 2)" },
        IniCase { "LineBreaksAndTab", "folders/open", "/a\nb\rc\td" },
        IniCase { "ControlBeforeHexDigits", "folders/open",
            QString::fromUtf8("/\x01"
                              "ab\x7f"
                              "9") },
        IniCase { "NotLatin", "folders/open", QString::fromUtf8("/Bilder/€ 日本 😀") },
        IniCase { "KeyWithBlanksAndPercent", "windows/large view 100%", "1x1" },
        IniCase { "KeyWithSlashInItsName", "folders/a/b", "/x" },
        IniCase { "KeyNotLatin", QString::fromUtf8("folders/Ördner 日本"), "/x" },
        IniCase { "KeyWithoutSection", "alone", "x" }),
    [](const testing::TestParamInfo<IniCase>& info) { return info.param.name; });

} // namespace
