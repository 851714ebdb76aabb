#include "core/platform/Conversions.h"

#include "core/platform/RuntimeError.h"

#include <QLocale>
#include <QStringView>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

namespace Conv {

namespace {

// Beyond these decimal magnitudes a double has overflowed or underflowed to zero whatever the digits.
constexpr std::int64_t overflowMagnitude = 400;
constexpr std::int64_t underflowMagnitude = -400;
// Caps the exponent while it is read: far past both limits above, far from std::int64_t's.
constexpr std::int64_t exponentCap = 1'000'000'000;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

// The length of the decimal separator that starts rest, or 0 when none does.
qsizetype separatorAt(QStringView rest, Separator separator, const QString& localeSeparator)
{
    if (separator == Separator::PointOrComma)
        return rest.startsWith(u'.') || rest.startsWith(u',') ? 1 : 0;
    return !localeSeparator.isEmpty() && rest.startsWith(localeSeparator) ? localeSeparator.size() : 0;
}

QStringView withoutBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Halves go to the even neighbour; nothing when the result lies outside -32768..32767 or the value is not finite.
std::optional<qint16> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // The default rounding mode takes halves to the even neighbour; the drawing calls this
    // twice per segment, so it must stay cheap.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QString exponentText(int exponent)
{
    const QString digits = QString::number(std::abs(exponent)).rightJustified(2, u'0');
    return (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + digits;
}

} // namespace

std::optional<double> parseNumber(const QString& text, Separator separator)
{
    const QStringView s = withoutBlanks(text);
    const QString localeSeparator = QLocale().decimalPoint();
    const qsizetype n = s.size();
    qsizetype i = 0;

    bool negative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }

    // The significant digits (from the first non-zero one on) and where the decimal point falls among all digits.
    std::string significant;
    significant.reserve(static_cast<std::size_t>(n));
    std::int64_t digitCount = 0;
    std::int64_t firstNonZero = -1;
    std::int64_t integerDigits = -1;
    while (i < n) {
        if (isDigit(s[i])) {
            const char digit = static_cast<char>(s[i].unicode());
            if (firstNonZero < 0 && digit != '0')
                firstNonZero = digitCount;
            if (firstNonZero >= 0)
                significant += digit;
            ++digitCount;
            ++i;
            continue;
        }
        const qsizetype separatorLength = integerDigits < 0 ? separatorAt(s.sliced(i), separator, localeSeparator) : 0;
        if (separatorLength == 0)
            break;
        integerDigits = digitCount;
        i += separatorLength;
    }
    if (digitCount == 0)
        return std::nullopt;
    if (integerDigits < 0)
        integerDigits = digitCount;

    std::int64_t exponent = 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) {
            negativeExponent = s[i] == u'-';
            ++i;
        }
        const qsizetype exponentStart = i;
        while (i < n && isDigit(s[i])) {
            if (exponent < exponentCap)
                exponent = exponent * 10 + (s[i].unicode() - u'0');
            ++i;
        }
        if (i == exponentStart)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    const double zero = negative ? -0.0 : 0.0;
    if (firstNonZero < 0)
        return zero;
    // The power of ten of the leading significant digit.
    const std::int64_t magnitude = integerDigits - 1 - firstNonZero + exponent;
    if (magnitude > overflowMagnitude)
        return std::nullopt;
    if (magnitude < underflowMagnitude)
        return zero;

    // Rebuilt as "-d.ddde<magnitude>", which std::from_chars reads alike in every locale and correctly rounded.
    std::string normal;
    normal.reserve(significant.size() + 32);
    if (negative)
        normal += '-';
    normal += significant.front();
    if (significant.size() > 1) {
        normal += '.';
        normal.append(significant, 1);
    }
    normal += 'e';
    normal += std::to_string(magnitude);

    double value = 0.0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range)
        return magnitude < 0 ? std::optional<double>(zero) : std::nullopt;
    if (error != std::errc {} || end != normal.data() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(const QString& text)
{
    return parseNumber(text).has_value();
}

double toDouble(const QString& text, Separator separator)
{
    const std::optional<double> value = parseNumber(text, separator);
    if (!value)
        throw RuntimeError::typeMismatch(quoted(text));
    return *value;
}

qint16 toInt16(double value)
{
    const std::optional<qint16> rounded = roundToInt16(value);
    if (!rounded)
        throw RuntimeError::overflow();
    return *rounded;
}

qint16 toInt16(const QString& text, Separator separator)
{
    const std::optional<qint16> rounded = roundToInt16(toDouble(text, separator));
    if (!rounded)
        throw RuntimeError::overflow(quoted(text));
    return *rounded;
}

bool toBool(const QString& text, Separator separator)
{
    const QStringView word = withoutBlanks(text);
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return toDouble(text, separator) != 0.0;
}

QString leadingBlank(qint64 value)
{
    return value < 0 ? plain(value) : u' ' + plain(value);
}

QString leadingBlank(double value)
{
    return value < 0.0 ? formD(value) : u' ' + formD(value);
}

QString plain(qint64 value)
{
    return QString::number(value);
}

QString formD(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0.0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");

    // "-d.ddddddddddddddde+XX": the value rounded to 15 significant digits, so the exponent is that of the rounded
    // value.
    std::array<char, 40> buffer {};
    const auto written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::abs(value), std::chars_format::scientific, 14);
    std::string_view scientific(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    // The very largest doubles round up past the double range at 15 digits, and such a text would
    // not read back: they are written as the largest 15-digit number within the range instead.
    double readBack = 0.0;
    if (std::from_chars(scientific.data(), scientific.data() + scientific.size(), readBack).ec
        == std::errc::result_out_of_range)
        scientific = "1.79769313486231e+308";
    const std::size_t e = scientific.find('e');

    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string_view exponentDigits = scientific.substr(e + 1);
    if (exponentDigits.front() == '+')
        exponentDigits.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(), exponent);

    const QString separator = QLocale().decimalPoint();
    const QString all = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    QString text = value < 0.0 ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent >= 15) {
        text += all.front();
        if (all.size() > 1)
            text += separator + all.sliced(1);
        text += exponentText(exponent);
    } else if (exponent >= 0) {
        const qsizetype integerDigits = exponent + 1;
        if (all.size() > integerDigits)
            text += all.first(integerDigits) + separator + all.sliced(integerDigits);
        else
            text += all + QString(integerDigits - all.size(), u'0');
    } else {
        text += u'0' + separator + QString(-exponent - 1, u'0') + all;
    }
    return text;
}

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace Conv
