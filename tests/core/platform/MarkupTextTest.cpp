// Text made fit for HTML and XML: markup escaped, characters neither allows replaced.

#include "core/platform/MarkupText.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkupTextTest, EscapesMarkupAndReplacesWhatNeitherAllows)
{
    const struct {
        QString text;
        QString escaped;
    } rows[] = {
        { QStringLiteral("tree.gen"), QStringLiteral("tree.gen") },
        { QStringLiteral("<a & \"b\">.gen"), QStringLiteral("&lt;a &amp; &quot;b&quot;&gt;.gen") },
        { QStringLiteral("a\x01"
                         "b\x1f"
                         "c.gen"),
            QStringLiteral("a\uFFFDb\uFFFDc.gen") },
        { QStringLiteral("tab\tline\nend\r"), QStringLiteral("tab\tline\nend\r") },
        { QStringLiteral("x\uFFFEy\uFFFF"), QStringLiteral("x\uFFFDy\uFFFD") },
    };
    for (const auto& row : rows)
        EXPECT_EQ(MarkupText::escaped(row.text), row.escaped) << row.text.toStdString();
}

} // namespace
