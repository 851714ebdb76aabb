// The conversions between text, numbers and Booleans, in a point locale and a comma locale.

#include "core/platform/Conversions.h"

#include "core/platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/ErrorNumber.h"

#include <QLocale>

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>

namespace {

// Sets the default locale for its lifetime; every conversion reads it.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale)
        : m_previous(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~ScopedLocale() { QLocale::setDefault(m_previous); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale m_previous;
};

QLocale pointLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QLocale commaLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// A table whose rows are read in the locale makeLocale gives.
template <typename Row, QLocale (*makeLocale)()> class InLocale : public testing::TestWithParam<Row> {
    ScopedLocale m_locale { makeLocale() };
};

constexpr double maxDouble = std::numeric_limits<double>::max();
constexpr double minSubnormal = std::numeric_limits<double>::denorm_min();

std::string repeated(char c, std::size_t count)
{
    return std::string(count, c);
}

// A text and the value it reads as, or nothing when it is not a number.
struct NumberRow {
    std::string name;
    std::string text;
    std::optional<double> value;
};

void PrintTo(const NumberRow& row, std::ostream* out)
{
    *out << '"' << (row.text.size() > 40 ? row.text.substr(0, 40) + "..." : row.text) << '"';
}

// Reads every row as the one grammar says, and checks that the numeric-text test agrees.
void expectGrammar(const NumberRow& row, Conv::Separator separator)
{
    const QString text = QString::fromStdString(row.text);
    const std::optional<double> parsed = Conv::parseNumber(text, separator);
    ASSERT_EQ(parsed.has_value(), row.value.has_value());
    if (row.value) {
        const double converted = Conv::toDouble(text, separator);
        EXPECT_EQ(*parsed, *row.value);
        EXPECT_EQ(converted, *row.value);
        // Equality cannot tell -0 from 0.
        EXPECT_EQ(std::signbit(*parsed), std::signbit(*row.value));
        EXPECT_EQ(std::signbit(converted), std::signbit(*row.value));
    } else {
        EXPECT_EQ(errorOf([&] { Conv::toDouble(text, separator); }), RuntimeError::TypeMismatch);
    }
    if (separator == Conv::Separator::Locale) {
        EXPECT_EQ(Conv::isNumeric(text), row.value.has_value());
    }
}

class PointLocaleGrammar : public InLocale<NumberRow, pointLocale> { };

TEST_P(PointLocaleGrammar, ReadsExactlyTheNumbers)
{
    expectGrammar(GetParam(), Conv::Separator::Locale);
}

INSTANTIATE_TEST_SUITE_P(Rows, PointLocaleGrammar,
    testing::Values(NumberRow { "Zero", "0", 0.0 }, NumberRow { "Integer", "42", 42.0 },
        NumberRow { "Negative", "-3", -3.0 }, NumberRow { "LeadingPlus", "+7", 7.0 },
        NumberRow { "NegativeZero", "-0", -0.0 }, NumberRow { "LeadingZeros", "007", 7.0 },
        NumberRow { "Decimal", "1.5", 1.5 }, NumberRow { "NoIntegerDigits", ".5", 0.5 },
        NumberRow { "NoFractionDigits", "5.", 5.0 }, NumberRow { "SignedNoIntegerDigits", "-.25", -0.25 },
        NumberRow { "BlanksAround", "  12  ", 12.0 }, NumberRow { "TabsAround", "\t5\t", 5.0 },
        NumberRow { "BlanksAndTabsAround", " \t-2.5 \t", -2.5 }, NumberRow { "Exponent", "1e3", 1000.0 },
        NumberRow { "CapitalExponent", "1E3", 1000.0 }, NumberRow { "NegativeExponent", "1.5e-3", 0.0015 },
        NumberRow { "PlusExponent", "2E+2", 200.0 }, NumberRow { "ExponentAfterPoint", "5.e1", 50.0 },
        NumberRow { "SmallAngle", "1.5707950592041", 1.5707950592041 },
        NumberRow { "FormDExponent", "-2.5E-07", -2.5e-7 },
        NumberRow { "LargestDouble", "1.7976931348623157e308", maxDouble },
        NumberRow { "LargestDoubleAsDigits", "17976931348623157" + repeated('0', 292), maxDouble },
        NumberRow { "TenToThe308", "1e308", 1e308 }, NumberRow { "ScaledMantissaInRange", "0.01e310", 1e308 },
        NumberRow { "SmallestSubnormal", "4.9406564584124654e-324", minSubnormal },
        NumberRow { "SubnormalIsNotZero", "1e-323", 1e-323 }, NumberRow { "UnderflowReadsAsZero", "1e-400", 0.0 },
        NumberRow { "UnderflowKeepsSign", "-2e-324", -0.0 },
        NumberRow { "LongIntegerOverflows", "1" + repeated('0', 4000), std::nullopt },
        NumberRow { "LongFractionUnderflows", "0." + repeated('0', 4000) + "1", 0.0 },
        NumberRow { "LongLeadingZeros", repeated('0', 4000) + "1.5", 1.5 },
        NumberRow { "LongTrailingZeros", "1." + repeated('0', 4000), 1.0 },
        NumberRow { "LongTailRoundsToNearest", "0.5" + repeated('0', 4000) + "1", 0.5 },
        NumberRow { "LongFractionScaledBack", "0." + repeated('0', 300) + "1e301", 1.0 },
        NumberRow { "LongExponent", "1e" + repeated('0', 4000) + "5", 1e5 },
        NumberRow { "HugeNegativeExponentUnderflows", "1e-" + repeated('9', 4000), 0.0 },
        NumberRow { "ZeroWithHugeExponent", "0e" + repeated('9', 4000), 0.0 },
        NumberRow { "HugeExponentOverflows", "1e" + repeated('9', 4000), std::nullopt },
        NumberRow { "Empty", "", std::nullopt }, NumberRow { "OnlyBlanks", "   ", std::nullopt },
        NumberRow { "Letters", "abc", std::nullopt }, NumberRow { "CommaInPointLocale", "1,5", std::nullopt },
        NumberRow { "GroupSeparator", "1,000", std::nullopt }, NumberRow { "LoneSeparator", ".", std::nullopt },
        NumberRow { "LoneMinus", "-", std::nullopt }, NumberRow { "LonePlus", "+", std::nullopt },
        NumberRow { "ExponentOnly", "e5", std::nullopt }, NumberRow { "SeparatorAndExponentOnly", ".e5", std::nullopt },
        NumberRow { "ExponentWithoutDigits", "1e", std::nullopt },
        NumberRow { "ExponentSignWithoutDigits", "1e+", std::nullopt },
        NumberRow { "TwoSeparators", "1.2.3", std::nullopt }, NumberRow { "DoubleSign", "--1", std::nullopt },
        NumberRow { "MixedSigns", "+-1", std::nullopt }, NumberRow { "BlankInside", "1 2", std::nullopt },
        NumberRow { "BlankAfterSign", "- 1", std::nullopt }, NumberRow { "FractionalExponent", "1e5.5", std::nullopt },
        NumberRow { "NaN", "NaN", std::nullopt }, NumberRow { "LowerNaN", "nan", std::nullopt },
        NumberRow { "Inf", "Inf", std::nullopt }, NumberRow { "NegativeInf", "-Inf", std::nullopt },
        NumberRow { "Infinity", "Infinity", std::nullopt }, NumberRow { "Overflow", "1e309", std::nullopt },
        NumberRow { "NegativeOverflow", "-1e309", std::nullopt },
        NumberRow { "JustBeyondLargestDouble", "1.8e308", std::nullopt },
        NumberRow { "ScaledMantissaOverflows", "0.1e310", std::nullopt },
        NumberRow { "Hexadecimal", "0x10", std::nullopt }, NumberRow { "HexPrefix", "&H10", std::nullopt },
        NumberRow { "DExponent", "1d3", std::nullopt }, NumberRow { "TrailingLetters", "12abc", std::nullopt },
        NumberRow { "Currency", "$5", std::nullopt }, NumberRow { "Parentheses", "(5)", std::nullopt },
        NumberRow { "NonAsciiDigits", "\u0661\u0662", std::nullopt },
        NumberRow { "NewlineAround", "5\n", std::nullopt }),
    CaseNames::testName);

class CommaLocaleGrammar : public InLocale<NumberRow, commaLocale> { };

TEST_P(CommaLocaleGrammar, ReadsExactlyTheNumbers)
{
    expectGrammar(GetParam(), Conv::Separator::Locale);
}

INSTANTIATE_TEST_SUITE_P(Rows, CommaLocaleGrammar,
    testing::Values(NumberRow { "Decimal", "1,5", 1.5 }, NumberRow { "Integer", "42", 42.0 },
        NumberRow { "NegativeDecimal", "-0,25", -0.25 }, NumberRow { "NoIntegerDigits", ",5", 0.5 },
        NumberRow { "Exponent", "1,5E3", 1500.0 }, NumberRow { "FormDAngle", "1,5707950592041", 1.5707950592041 },
        NumberRow { "BlanksAround", " 2,5 ", 2.5 }, NumberRow { "PointIsNotDecimal", "1.5", std::nullopt },
        NumberRow { "GroupSeparator", "1.000", std::nullopt },
        NumberRow { "GroupedWithDecimal", "1.000,5", std::nullopt }, NumberRow { "TwoCommas", "1,000,5", std::nullopt },
        NumberRow { "Letters", "abc", std::nullopt }),
    CaseNames::testName);

class PointOrCommaGrammar : public testing::TestWithParam<NumberRow> { };

// The genetic code reader takes either separator, whatever the user's locale.
TEST_P(PointOrCommaGrammar, ReadsEitherSeparatorInBothLocales)
{
    for (const QLocale& locale : { pointLocale(), commaLocale() }) {
        SCOPED_TRACE(locale.name().toStdString());
        const ScopedLocale scoped(locale);
        expectGrammar(GetParam(), Conv::Separator::PointOrComma);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PointOrCommaGrammar,
    testing::Values(NumberRow { "Point", "1.5", 1.5 }, NumberRow { "Comma", "1,5", 1.5 },
        NumberRow { "CommaWithExponent", "1,2e1", 12.0 }, NumberRow { "PointWithBlanks", " -0.25 ", -0.25 },
        NumberRow { "LeadingComma", ",5", 0.5 }, NumberRow { "Integer", "255", 255.0 },
        NumberRow { "PointThenComma", "1.5,2", std::nullopt }, NumberRow { "CommaThenPoint", "1,5.2", std::nullopt },
        NumberRow { "TwoPoints", "1.5.2", std::nullopt }, NumberRow { "LoneComma", ",", std::nullopt },
        NumberRow { "Letters", "x", std::nullopt }),
    CaseNames::testName);

TEST(NumericText, FollowsTheLocaleOnly)
{
    const ScopedLocale comma(commaLocale());
    EXPECT_TRUE(Conv::isNumeric(QStringLiteral("1,5")));
    EXPECT_FALSE(Conv::isNumeric(QStringLiteral("1.5")));
}

TEST(NumericText, TypeMismatchNamesTheText)
{
    const std::optional<RuntimeError> error = errorRaisedBy([] { Conv::toDouble(QStringLiteral("abc")); });
    ASSERT_TRUE(error.has_value()) << "no error";
    EXPECT_EQ(error->number(), RuntimeError::TypeMismatch);
    EXPECT_EQ(error->concerns().toStdString(), "\"abc\"");
}

// Expects convert to raise error, or to raise none and give value.
template <typename Value, typename Convert> void expectConverted(Convert convert, Value value, int error)
{
    EXPECT_EQ(errorOf(convert), error);
    if (error == 0) {
        EXPECT_EQ(convert(), value);
    }
}

// A text and the value it reads as, or the error it raises.
template <typename Value> struct TextRow {
    std::string name;
    std::string text;
    Value value;
    int error;
};

template <typename Value> void PrintTo(const TextRow<Value>& row, std::ostream* out)
{
    *out << '"' << row.text << '"';
}

// The 16-bit integer a text reads as.
using Int16TextRow = TextRow<int>;

class TextToInt16 : public InLocale<Int16TextRow, pointLocale> { };

TEST_P(TextToInt16, RoundsHalvesToEvenWithinRange)
{
    const Int16TextRow& row = GetParam();
    expectConverted([text = QString::fromStdString(row.text)] { return Conv::toInt16(text); }, row.value, row.error);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextToInt16,
    testing::Values(Int16TextRow { "Whole", "200", 200, 0 }, Int16TextRow { "TwelveAndAHalf", "12.5", 12, 0 },
        Int16TextRow { "ThirteenAndAHalf", "13.5", 14, 0 }, Int16TextRow { "MinusHalf", "-0.5", 0, 0 },
        Int16TextRow { "Half", "0.5", 0, 0 }, Int16TextRow { "OneAndAHalf", "1.5", 2, 0 },
        Int16TextRow { "TwoAndAHalf", "2.5", 2, 0 }, Int16TextRow { "MinusOneAndAHalf", "-1.5", -2, 0 },
        Int16TextRow { "MinusTwoAndAHalf", "-2.5", -2, 0 }, Int16TextRow { "BelowHalf", "2.4999", 2, 0 },
        Int16TextRow { "AboveHalf", "2.5001", 3, 0 }, Int16TextRow { "LargestBelowHalf", "0.49999999999999994", 0, 0 },
        Int16TextRow { "Exponent", "1.5e2", 150, 0 }, Int16TextRow { "Blanks", " 17 ", 17, 0 },
        Int16TextRow { "Largest", "32767", 32767, 0 }, Int16TextRow { "LargestPlusFraction", "32767.4", 32767, 0 },
        Int16TextRow { "RoundsToBeyondLargest", "32767.5", 0, RuntimeError::Overflow },
        Int16TextRow { "BeyondLargest", "32768", 0, RuntimeError::Overflow },
        Int16TextRow { "Smallest", "-32768", -32768, 0 }, Int16TextRow { "RoundsToSmallest", "-32768.5", -32768, 0 },
        Int16TextRow { "RoundsToBelowSmallest", "-32768.6", 0, RuntimeError::Overflow },
        Int16TextRow { "BelowSmallest", "-32769", 0, RuntimeError::Overflow },
        Int16TextRow { "Huge", "1e308", 0, RuntimeError::Overflow },
        Int16TextRow { "HugeNegative", "-1e308", 0, RuntimeError::Overflow },
        Int16TextRow { "Letters", "abc", 0, RuntimeError::TypeMismatch },
        Int16TextRow { "Empty", "", 0, RuntimeError::TypeMismatch },
        Int16TextRow { "BeyondDouble", "1e309", 0, RuntimeError::TypeMismatch },
        Int16TextRow { "Comma", "1,5", 0, RuntimeError::TypeMismatch }),
    CaseNames::testName);

TEST(TextToInt16InCommaLocale, ReadsTheCommaAndEitherWithPointOrComma)
{
    const ScopedLocale comma(commaLocale());
    EXPECT_EQ(Conv::toInt16(QStringLiteral("12,5")), 12);
    EXPECT_EQ(errorOf([] { Conv::toInt16(QStringLiteral("12.5")); }), RuntimeError::TypeMismatch);
    EXPECT_EQ(Conv::toInt16(QStringLiteral("13.5"), Conv::Separator::PointOrComma), 14);
}

TEST(TextToInt16Overflow, NamesTheText)
{
    const std::optional<RuntimeError> error = errorRaisedBy([] { Conv::toInt16(QStringLiteral("32768")); });
    ASSERT_TRUE(error.has_value()) << "no error";
    EXPECT_EQ(error->number(), RuntimeError::Overflow);
    EXPECT_EQ(error->concerns().toStdString(), "\"32768\"");
}

// A double and the 16-bit integer it rounds to, or the error it raises.
struct Int16DoubleRow {
    std::string name;
    double value;
    int expected;
    int error;
};

void PrintTo(const Int16DoubleRow& row, std::ostream* out)
{
    *out << row.value;
}

class DoubleToInt16 : public testing::TestWithParam<Int16DoubleRow> { };

// Values far outside the range must be refused before any conversion to an integer type.
TEST_P(DoubleToInt16, RoundsHalvesToEvenWithinRange)
{
    const Int16DoubleRow& row = GetParam();
    expectConverted([&] { return Conv::toInt16(row.value); }, row.expected, row.error);
}

INSTANTIATE_TEST_SUITE_P(Rows, DoubleToInt16,
    testing::Values(Int16DoubleRow { "TwelveAndAHalf", 12.5, 12, 0 },
        Int16DoubleRow { "ThirteenAndAHalf", 13.5, 14, 0 }, Int16DoubleRow { "MinusHalf", -0.5, 0, 0 },
        Int16DoubleRow { "NegativeZero", -0.0, 0, 0 }, Int16DoubleRow { "LargestBelowHalf", 0.49999999999999994, 0, 0 },
        Int16DoubleRow { "NegativeAboveMinusHalf", -0.49999999999999994, 0, 0 },
        Int16DoubleRow { "JustBelowNegativeHalf", -1.4999999999999998, -1, 0 },
        Int16DoubleRow { "JustAboveHalf", 2.5000000000000004, 3, 0 }, Int16DoubleRow { "Ordinary", 1234.7, 1235, 0 },
        Int16DoubleRow { "NegativeOrdinary", -1234.7, -1235, 0 }, Int16DoubleRow { "Largest", 32767.0, 32767, 0 },
        Int16DoubleRow { "LargestPlusHalf", 32767.5, 0, RuntimeError::Overflow },
        Int16DoubleRow { "BeyondLargest", 32768.0, 0, RuntimeError::Overflow },
        Int16DoubleRow { "Smallest", -32768.0, -32768, 0 }, Int16DoubleRow { "SmallestMinusHalf", -32768.5, -32768, 0 },
        Int16DoubleRow { "BelowSmallest", -32769.0, 0, RuntimeError::Overflow },
        Int16DoubleRow { "BeyondAnyInteger", 1e300, 0, RuntimeError::Overflow },
        Int16DoubleRow { "BelowAnyInteger", -1e300, 0, RuntimeError::Overflow },
        Int16DoubleRow { "LargestDouble", maxDouble, 0, RuntimeError::Overflow },
        Int16DoubleRow { "NotANumber", std::numeric_limits<double>::quiet_NaN(), 0, RuntimeError::Overflow },
        Int16DoubleRow { "Infinity", std::numeric_limits<double>::infinity(), 0, RuntimeError::Overflow },
        Int16DoubleRow { "NegativeInfinity", -std::numeric_limits<double>::infinity(), 0, RuntimeError::Overflow }),
    CaseNames::testName);

// The Boolean a text reads as.
using BoolRow = TextRow<bool>;

class TextToBool : public InLocale<BoolRow, pointLocale> { };

TEST_P(TextToBool, ReadsWordsAndNumbers)
{
    const BoolRow& row = GetParam();
    expectConverted([text = QString::fromStdString(row.text)] { return Conv::toBool(text); }, row.value, row.error);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextToBool,
    testing::Values(BoolRow { "True", "True", true, 0 }, BoolRow { "False", "False", false, 0 },
        BoolRow { "LowerTrue", "true", true, 0 }, BoolRow { "UpperFalse", "FALSE", false, 0 },
        BoolRow { "MixedCaseTrue", "tRuE", true, 0 }, BoolRow { "BlanksAroundWord", " True ", true, 0 },
        BoolRow { "Zero", "0", false, 0 }, BoolRow { "MinusOne", "-1", true, 0 }, BoolRow { "One", "1", true, 0 },
        BoolRow { "ZeroWithDecimals", "0.0", false, 0 }, BoolRow { "NegativeZero", "-0", false, 0 },
        BoolRow { "Fraction", "0.5", true, 0 }, BoolRow { "Large", "1e300", true, 0 },
        BoolRow { "UnderflowIsZero", "1e-400", false, 0 },
        BoolRow { "BeyondDouble", "1e309", false, RuntimeError::TypeMismatch },
        BoolRow { "Yes", "yes", false, RuntimeError::TypeMismatch },
        BoolRow { "Empty", "", false, RuntimeError::TypeMismatch },
        BoolRow { "Truncated", "Tru", false, RuntimeError::TypeMismatch },
        BoolRow { "TrailingDigit", "True1", false, RuntimeError::TypeMismatch },
        BoolRow { "Hashed", "#TRUE#", false, RuntimeError::TypeMismatch },
        BoolRow { "CommaInPointLocale", "0,5", false, RuntimeError::TypeMismatch }),
    CaseNames::testName);

TEST(TextToBoolInCommaLocale, ReadsTheLocaleSeparatorAndEitherWithPointOrComma)
{
    const ScopedLocale comma(commaLocale());
    EXPECT_TRUE(Conv::toBool(QStringLiteral("0,5")));
    EXPECT_FALSE(Conv::toBool(QStringLiteral("0,0")));
    EXPECT_EQ(errorOf([] { Conv::toBool(QStringLiteral("0.5")); }), RuntimeError::TypeMismatch);
    EXPECT_TRUE(Conv::toBool(QStringLiteral("0.5"), Conv::Separator::PointOrComma));
}

// A double and its form D text in the point locale; the comma locale differs only in the separator.
struct FormDRow {
    std::string name;
    double value;
    std::string text;
};

void PrintTo(const FormDRow& row, std::ostream* out)
{
    *out << row.text;
}

std::string withComma(std::string text)
{
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

// The value rounded to 15 significant digits lies within half a unit of the 15th digit.
void expectEqualTo15Digits(double read, double value)
{
    EXPECT_LE(std::abs(read - value), std::abs(value) * 5.0000001e-15) << read << " against " << value;
}

class FormD : public testing::TestWithParam<FormDRow> { };

TEST_P(FormD, WritesFifteenDigitsInEitherLocale)
{
    const FormDRow& row = GetParam();
    {
        const ScopedLocale point(pointLocale());
        EXPECT_EQ(Conv::formD(row.value).toStdString(), row.text);
    }
    {
        const ScopedLocale comma(commaLocale());
        EXPECT_EQ(Conv::formD(row.value).toStdString(), withComma(row.text));
    }
}

TEST_P(FormD, ReadsBackToFifteenDigitsInEitherLocale)
{
    const FormDRow& row = GetParam();
    for (const QLocale& locale : { pointLocale(), commaLocale() }) {
        SCOPED_TRACE(locale.name().toStdString());
        const ScopedLocale scoped(locale);
        const QString written = Conv::formD(row.value);
        const std::optional<double> read = Conv::parseNumber(written);
        ASSERT_TRUE(read.has_value()) << written.toStdString();
        expectEqualTo15Digits(*read, row.value);
        EXPECT_EQ(Conv::formD(*read), written);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, FormD,
    testing::Values(FormDRow { "Angle", 1.5707950592041016, "1.5707950592041" },
        FormDRow { "NegativeAngle", -1.5707950592041016, "-1.5707950592041" }, FormDRow { "Zero", 0.0, "0" },
        FormDRow { "NegativeZero", -0.0, "0" }, FormDRow { "Quarter", 0.25, "0.25" }, FormDRow { "Whole", 3.0, "3" },
        FormDRow { "NegativeWhole", -3.0, "-3" }, FormDRow { "Hundred", 100.0, "100" },
        FormDRow { "Tenth", 0.1, "0.1" }, FormDRow { "Third", 1.0 / 3.0, "0.333333333333333" },
        FormDRow { "TwoThirdsRoundsUp", 2.0 / 3.0, "0.666666666666667" },
        FormDRow { "NoGrouping", 1234567.5, "1234567.5" },
        FormDRow { "FifteenDigitsAfterIntegerPart", 123456.7890123456, "123456.789012346" },
        FormDRow { "FifteenDigitInteger", 123456789012345.0, "123456789012345" },
        FormDRow { "LargestWithoutExponent", 999999999999999.0, "999999999999999" },
        FormDRow { "RoundsUpToExponentForm", std::nextafter(1e15, 0.0), "1E+15" },
        FormDRow { "TenToTheFifteen", 1e15, "1E+15" },
        FormDRow { "SixteenDigits", 1234567890123456.0, "1.23456789012346E+15" },
        FormDRow { "LargeExponent", 1.5e20, "1.5E+20" }, FormDRow { "ThreeDigitExponent", 1e100, "1E+100" },
        FormDRow { "SmallestWithoutExponent", 0.00001, "0.00001" },
        FormDRow { "SmallWithoutExponent", 0.000012345, "0.000012345" },
        FormDRow { "RoundsUpToWithoutExponent", std::nextafter(0.00001, 0.0), "0.00001" },
        FormDRow { "SmallExponent", 0.000001, "1E-06" }, FormDRow { "NegativeSmallExponent", -2.5e-7, "-2.5E-07" },
        FormDRow { "ThreeDigitNegativeExponent", 1e-100, "1E-100" },
        FormDRow { "SmallestSubnormal", minSubnormal, "4.94065645841247E-324" }),
    CaseNames::testName);

// Regression: rounded up to 15 digits, the largest doubles were written beyond the double range,
// so a genetic code file saved with such an angle did not read back.
TEST(FormDLargestDouble, LargestDoublesAreWrittenSoTheyReadBack)
{
    for (const double value : { maxDouble, -maxDouble, 1.797693134862315e308 }) {
        SCOPED_TRACE(value);
        const QString written = Conv::formD(value);
        EXPECT_EQ(written.toStdString(), value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308");
        EXPECT_TRUE(Conv::isNumeric(written));
    }
    EXPECT_EQ(Conv::formD(1.79769313486231e308).toStdString(), "1.79769313486231E+308");
}

TEST(FormDRoundTrip, ReadsBackToFifteenDigitsAcrossMagnitudes)
{
    const ScopedLocale comma(commaLocale());
    std::mt19937_64 engine(20240601);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (int i = 0; i < 20000; ++i) {
        const double value = (i % 2 == 0 ? 1.0 : -1.0) * mantissa(engine) * std::pow(10.0, exponent(engine));
        if (value == 0.0 || std::fpclassify(value) == FP_SUBNORMAL)
            continue;
        const QString written = Conv::formD(value);
        const std::optional<double> read = Conv::parseNumber(written);
        ASSERT_TRUE(read.has_value()) << written.toStdString();
        expectEqualTo15Digits(*read, value);
        ASSERT_EQ(Conv::formD(*read), written);
    }
}

TEST(FormDNotFinite, DoesNotReadBackAsANumber)
{
    for (const double value : { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
             -std::numeric_limits<double>::infinity() }) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(Conv::isNumeric(Conv::formD(value)));
    }
}

TEST(LeadingBlank, BlankBeforeIntegersThatAreNotNegative)
{
    const struct {
        qint64 value;
        const char* text;
    } rows[] = { { 0, " 0" }, { 7, " 7" }, { 25, " 25" }, { -3, "-3" }, { 32767, " 32767" }, { -32768, "-32768" },
        { std::numeric_limits<qint64>::min(), "-9223372036854775808" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Conv::leadingBlank(row.value).toStdString(), row.text);
    }
}

TEST(LeadingBlank, TakesSixteenBitIdsAndInts)
{
    const qint16 id = 7;
    EXPECT_EQ(Conv::leadingBlank(id).toStdString(), " 7");
    EXPECT_EQ(Conv::leadingBlank(-12).toStdString(), "-12");
}

TEST(LeadingBlank, BlankBeforeDoublesThatAreNotNegative)
{
    const struct {
        double value;
        const char* point;
        const char* comma;
    } rows[] = { { 0.0, " 0", " 0" }, { -0.0, " 0", " 0" }, { 0.25, " 0.25", " 0,25" }, { 0.05, " 0.05", " 0,05" },
        { -3.0, "-3", "-3" }, { -0.5, "-0.5", "-0,5" }, { 1e20, " 1E+20", " 1E+20" }, { -1e-7, "-1E-07", "-1E-07" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.point);
        {
            const ScopedLocale point(pointLocale());
            EXPECT_EQ(Conv::leadingBlank(row.value).toStdString(), row.point);
        }
        const ScopedLocale comma(commaLocale());
        EXPECT_EQ(Conv::leadingBlank(row.value).toStdString(), row.comma);
    }
}

TEST(Plain, DigitsWithMinusSignOnly)
{
    const ScopedLocale comma(commaLocale());
    const struct {
        qint64 value;
        const char* text;
    } rows[] = { { 0, "0" }, { 255, "255" }, { -12, "-12" }, { 12345678, "12345678" }, { -32768, "-32768" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Conv::plain(row.value).toStdString(), row.text);
    }
}

TEST(BoolText, TrueAndFalseReadBack)
{
    EXPECT_EQ(Conv::boolText(true).toStdString(), "True");
    EXPECT_EQ(Conv::boolText(false).toStdString(), "False");
    EXPECT_TRUE(Conv::toBool(Conv::boolText(true)));
    EXPECT_FALSE(Conv::toBool(Conv::boolText(false)));
}

} // namespace
