// Lines of bounded length, ended by CR LF or a bare LF.

#include "core/files/LineReader.h"

#include "core/files/UniqueFd.h"
#include "support/CaseNames.h"
#include "support/GeneFileTest.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <vector>

namespace {

using CaseNames::PrintTo;

using Files::LineReader;

struct LinesCase {
    const char* name;
    QByteArray bytes;
    std::vector<QByteArray> lines;
    LineReader::Result last;
};

class LineReaderTest : public GeneFileTest, public testing::WithParamInterface<LinesCase> {
protected:
    Files::UniqueFd openBytes(const QByteArray& bytes)
    {
        writeFile(path("lines"), bytes);
        return Files::UniqueFd(::open(QFile::encodeName(path("lines")).constData(), O_RDONLY));
    }
};

TEST_P(LineReaderTest, SplitsTheFileIntoLines)
{
    const Files::UniqueFd fd = openBytes(GetParam().bytes);
    ASSERT_TRUE(fd.valid());
    LineReader reader(fd.get());

    std::vector<QByteArray> lines;
    QByteArray line;
    LineReader::Result result = LineReader::Result::Line;
    while ((result = reader.readLine(line)) == LineReader::Result::Line)
        lines.push_back(line);

    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_EQ(result, GetParam().last);
}

const QByteArray limit(LineReader::MaxLineLength, 'x');
const QByteArray overLimit(LineReader::MaxLineLength + 1, 'x');
const QByteArray acrossChunks = QByteArray(4000, 'y') + "\r\n";

INSTANTIATE_TEST_SUITE_P(Files, LineReaderTest,
    testing::Values(LinesCase { "CrLf", "a\r\nb\r\n", { "a", "b" }, LineReader::Result::EndOfFile },
        LinesCase { "BareLf", "a\nb\n", { "a", "b" }, LineReader::Result::EndOfFile },
        LinesCase { "Mixed", "a\r\nb\nc\r\n", { "a", "b", "c" }, LineReader::Result::EndOfFile },
        LinesCase { "LastLineWithoutItsEnd", "a\r\nb", { "a", "b" }, LineReader::Result::EndOfFile },
        LinesCase { "EmptyLines", "\r\n\r\n", { "", "" }, LineReader::Result::EndOfFile },
        LinesCase { "EmptyFile", "", {}, LineReader::Result::EndOfFile },
        LinesCase { "CrInsideALine", "a\rb\r\n", { "a\rb" }, LineReader::Result::EndOfFile },
        LinesCase { "TwoCrs", "a\r\r\n", { "a\r" }, LineReader::Result::EndOfFile },
        LinesCase {
            "NulInsideALine", QByteArray("a\0b\n", 4), { QByteArray("a\0b", 3) }, LineReader::Result::EndOfFile },
        LinesCase { "AtTheLimit", limit + "\r\n" + limit, { limit, limit }, LineReader::Result::EndOfFile },
        LinesCase { "AtTheLimitWithBareLf", limit + "\n", { limit }, LineReader::Result::EndOfFile },
        LinesCase { "OneOver", "a\r\n" + overLimit + "\r\n", { "a" }, LineReader::Result::TooLong },
        LinesCase { "OneOverAtTheEnd", overLimit, {}, LineReader::Result::TooLong },
        LinesCase { "OneOverWithBareLf", overLimit + "\n", {}, LineReader::Result::TooLong },
        LinesCase { "AcrossChunks", acrossChunks.repeated(10), std::vector<QByteArray>(10, QByteArray(4000, 'y')),
            LineReader::Result::EndOfFile }),
    CaseNames::testName);

class LineReaderEndTest : public LineReaderTest { };

TEST_F(LineReaderEndTest, IsAtTheEndOnlyWhenNoByteIsLeft)
{
    const Files::UniqueFd fd = openBytes("a\r\n\r\n");
    LineReader reader(fd.get());
    QByteArray line;

    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(line), LineReader::Result::Line);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(line), LineReader::Result::Line);
    EXPECT_EQ(line, "");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(line), LineReader::Result::EndOfFile);
}

TEST_F(LineReaderEndTest, AFailedReadIsReportedAndNotTakenForTheEnd)
{
    const Files::UniqueFd fd(::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY));
    ASSERT_TRUE(fd.valid());
    LineReader reader(fd.get());
    QByteArray line;

    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(line), LineReader::Result::ReadFailed);
    EXPECT_EQ(reader.readError(), EISDIR);
}

} // namespace
