// --sheet: every file at the scale with its name under it, in the order given, as PNG, SVG or PDF.

#include "core/sheet/SheetLayout.h"
#include "support/CaseNames.h"
#include "support/RenderTesting.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

using CaseNames::PrintTo;

using namespace RenderTesting;

// The size a sheet says it has, in CSS pixels.
QSize sheetSize(const QString& fileName)
{
    const QByteArray bytes = readFile(fileName);
    if (fileName.endsWith(".png", Qt::CaseInsensitive))
        return QImage::fromData(bytes).size();
    if (fileName.endsWith(".svg", Qt::CaseInsensitive)) {
        QXmlStreamReader xml(bytes);
        xml.readNextStartElement();
        return { xml.attributes().value("width").toInt(), xml.attributes().value("height").toInt() };
    }
    // A PDF page in points, 72 to the inch, for 96 pixels.
    const QRegularExpressionMatch box
        = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(QString::fromLatin1(bytes));
    if (!box.hasMatch())
        return {};
    return { qRound(box.captured(1).toDouble() * 96 / 72), qRound(box.captured(2).toDouble() * 96 / 72) };
}

struct SheetCase {
    const char* name;
    int files;
    QStringList options;
    const char* sheet;
    QSize size;
};

class RenderSheetTest : public RenderToolTest, public testing::WithParamInterface<SheetCase> {
protected:
    QStringList writeSamples(int count) const
    {
        QStringList names;
        for (int i = 0; i < count; ++i) {
            names.append(QStringLiteral("tree%1.gen").arg(i));
            writeSample(path(names.last()));
        }
        return names;
    }
};

TEST_P(RenderSheetTest, HasTheSizeOfItsRowsAndColumns)
{
    const QStringList files = writeSamples(GetParam().files);

    const ToolRun result = run(files + QStringList { "--sheet", GetParam().sheet } + GetParam().options);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QSize size = sheetSize(path(GetParam().sheet));
    // A PDF page is measured in whole points, three quarters of a pixel.
    const int within = QString(GetParam().sheet).endsWith(".pdf") ? 1 : 0;
    EXPECT_NEAR(size.width(), GetParam().size.width(), within);
    EXPECT_NEAR(size.height(), GetParam().size.height(), within);
}

// Cells of 113 x 105 pixels at scale 1 under 16 for the name, 8 between them and around them, all times the scale.
INSTANTIATE_TEST_SUITE_P(Sheets, RenderSheetTest,
    testing::Values(SheetCase { "OnePicture", 1, {}, "s.png", { 8 + 113 + 8, 8 + 105 + 16 + 8 } },
        SheetCase { "FourMakeASquare", 4, {}, "s.png", { 16 + 2 * 113 + 8, 16 + 2 * 121 + 8 } },
        SheetCase { "FiveInTwoColumnsAtScale2", 5, { "--columns", "2", "-s", "2" }, "s.png",
            { 32 + 2 * 226 + 16, 32 + 3 * 242 + 2 * 16 } },
        SheetCase { "ThreeInARow", 3, { "--columns", "3" }, "s.png", { 16 + 3 * 113 + 16, 16 + 121 } },
        SheetCase { "MoreColumnsThanPictures", 2, { "--columns", "9" }, "s.png", { 16 + 2 * 113 + 8, 16 + 121 } },
        SheetCase { "Svg", 5, { "--columns", "2", "-s", "2" }, "s.svg", { 32 + 2 * 226 + 16, 32 + 3 * 242 + 2 * 16 } },
        SheetCase { "Pdf", 5, { "--columns", "2", "-s", "2" }, "s.pdf", { 32 + 2 * 226 + 16, 32 + 3 * 242 + 2 * 16 } },
        SheetCase { "PngInCapitals", 1, {}, "S.PNG", { 8 + 113 + 8, 8 + 105 + 16 + 8 } }),
    CaseNames::testName);

TEST_F(RenderSheetTest, EachPictureIsItsOwnPngStandingOnItsName)
{
    const QStringList files = writeSamples(1);
    writeSample(path("b.gen"));
    GeneFileWriter::Save(GeneticCode {}, path("empty.gen"));

    const ToolRun result = run({ "b.gen", "empty.gen", "tree0.gen", "-d", "out", "--sheet", "sheet.png", "--whole",
        "--columns", "2", "-s", "2" });

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QImage sheet(path("sheet.png"));
    const QStringList order { "b", "empty", "tree0" };
    QList<QSize> sizes;
    for (const QString& name : order)
        sizes.append(QImage(path("out/" + name + ".png")).size());
    const SheetLayout layout(sizes, 2, 2);
    ASSERT_EQ(sheet.size(), layout.size());
    for (int i = 0; i < order.size(); ++i) {
        const QImage own(path("out/" + order[i] + ".png"));
        const QRect place = layout.picture(i);
        EXPECT_EQ(place.size(), own.size()) << i;
        EXPECT_EQ(place.bottom() + 1, layout.label(i).top()) << i;
        EXPECT_TRUE(samePixels(sheet.copy(place), own)) << order[i].toStdString();
    }
}

TEST_F(RenderSheetTest, TheSvgNestsEachPictureWithItsNameInOrder)
{
    for (const char* name : { "c.gen", "a.gen", "b.gen" })
        writeSample(path(name));

    ASSERT_EQ(run({ "c.gen", "a.gen", "b.gen", "--sheet", "sheet.svg" }).exitCode, 0);

    QXmlStreamReader xml(readFile(path("sheet.svg")));
    QStringList names;
    int pictures = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"svg" && xml.attributes().hasAttribute("x"))
            ++pictures;
        else if (xml.name() == u"text")
            names.append(xml.readElementText());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(pictures, 3);
    EXPECT_EQ(names, QStringList({ "c.gen", "a.gen", "b.gen" }));
}

} // namespace
