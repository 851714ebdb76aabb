// The run-time error: its numbers, standard texts and the message naming what it concerns.

#include "core/platform/RuntimeError.h"

#include "support/CaseNames.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct StandardTextRow {
    std::string name;
    int number;
    std::string text;
};

void PrintTo(const StandardTextRow& row, std::ostream* out)
{
    *out << "error " << row.number;
}

class StandardText : public testing::TestWithParam<StandardTextRow> { };

TEST_P(StandardText, NamesTheError)
{
    const StandardTextRow& row = GetParam();
    EXPECT_EQ(RuntimeError::standardText(row.number).toStdString(), row.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, StandardText,
    testing::Values(StandardTextRow { "InvalidArgument", 5, "Invalid procedure call or argument" },
        StandardTextRow { "Overflow", 6, "Overflow" },
        StandardTextRow { "SubscriptOutOfRange", 9, "Subscript out of range" },
        StandardTextRow { "TypeMismatch", 13, "Type mismatch" }, StandardTextRow { "DiskFull", 61, "Disk full" },
        StandardTextRow { "InputPastEndOfFile", 62, "Input past end of file" },
        StandardTextRow { "PermissionDenied", 70, "Permission denied" },
        StandardTextRow { "PathFileAccess", 75, "Path/File access error" },
        StandardTextRow { "PathNotFound", 76, "Path not found" },
        StandardTextRow { "KeyAlreadyUsed", 457, "This key is already associated with an element of this collection" },
        StandardTextRow { "Unknown", 1234, "Application-defined or object-defined error" }),
    CaseNames::testName);

struct FactoryRow {
    std::string name;
    RuntimeError error;
    int number;
    std::string message;
};

void PrintTo(const FactoryRow& row, std::ostream* out)
{
    *out << row.message;
}

class Factory : public testing::TestWithParam<FactoryRow> { };

TEST_P(Factory, GivesNumberAndStandardText)
{
    const FactoryRow& row = GetParam();
    EXPECT_EQ(row.error.number(), row.number);
    EXPECT_EQ(row.error.text(), RuntimeError::standardText(row.number));
    EXPECT_TRUE(row.error.concerns().isEmpty());
    EXPECT_EQ(row.error.message().toStdString(), row.message);
    EXPECT_EQ(std::string(row.error.what()), row.message);
}

INSTANTIATE_TEST_SUITE_P(Rows, Factory,
    testing::Values(FactoryRow { "Overflow", RuntimeError::overflow(), 6, "Overflow (error 6)" },
        FactoryRow {
            "SubscriptOutOfRange", RuntimeError::subscriptOutOfRange(), 9, "Subscript out of range (error 9)" },
        FactoryRow { "TypeMismatch", RuntimeError::typeMismatch(), 13, "Type mismatch (error 13)" },
        FactoryRow {
            "InputPastEndOfFile", RuntimeError::inputPastEndOfFile(), 62, "Input past end of file (error 62)" }),
    CaseNames::testName);

TEST(RuntimeErrorMessage, AddsWhatItConcerns)
{
    const RuntimeError error = RuntimeError::subscriptOutOfRange(QStringLiteral("(gene number 12)"));
    EXPECT_EQ(error.message().toStdString(), "Subscript out of range (error 9) (gene number 12)");
    EXPECT_STREQ(error.what(), "Subscript out of range (error 9) (gene number 12)");
}

// A conversion names the text; the file reader puts the file, line and trait before it.
TEST(RuntimeErrorMessage, AboutPrependsTheContext)
{
    const RuntimeError conversion = RuntimeError::typeMismatch(QStringLiteral("\"abc\""));
    const RuntimeError inFile = conversion.about(QStringLiteral("in \"tree.gen\", line 17 (ColorBlue of gene 1):"));
    EXPECT_EQ(inFile.message(),
        QStringLiteral("Type mismatch (error 13) in \"tree.gen\", line 17 (ColorBlue of gene 1): \"abc\""));
    EXPECT_STREQ(inFile.what(), "Type mismatch (error 13) in \"tree.gen\", line 17 (ColorBlue of gene 1): \"abc\"");
    EXPECT_EQ(inFile.number(), RuntimeError::TypeMismatch);
    EXPECT_EQ(inFile.text().toStdString(), "Type mismatch");
    EXPECT_EQ(conversion.message().toStdString(), "Type mismatch (error 13) \"abc\"");
}

TEST(RuntimeErrorMessage, AboutStacksOutermostFirst)
{
    const RuntimeError error = RuntimeError::typeMismatch()
                                   .about(QStringLiteral("(ColorBlue of gene 1): \"abc\""))
                                   .about(QStringLiteral("in \"tree.gen\", line 17"));
    EXPECT_EQ(error.message(),
        QStringLiteral("Type mismatch (error 13) in \"tree.gen\", line 17 (ColorBlue of gene 1): \"abc\""));
}

TEST(RuntimeErrorMessage, FileSystemTextIsKeptAsGiven)
{
    const RuntimeError error(RuntimeError::PathNotFound, QStringLiteral("No such file or directory"),
        QStringLiteral("(\"missing/tree.gen\")"));
    EXPECT_EQ(error.message().toStdString(), "No such file or directory (error 76) (\"missing/tree.gen\")");
}

// A file name such as "50%1.gen" inside the text must not take the place of the error number.
TEST(RuntimeErrorMessage, PercentPlaceholderInTextStaysLiteral)
{
    const RuntimeError error(
        RuntimeError::PermissionDenied, QStringLiteral("Cannot open 50%1.gen"), QStringLiteral("(\"%2\")"));
    EXPECT_EQ(error.message().toStdString(), "Cannot open 50%1.gen (error 70) (\"%2\")");
}

} // namespace
