#pragma once
// The locale-aware conversions between text, numbers and Booleans that the program uses.
//
// Every conversion reads the default QLocale (the user's locale unless a test sets another).

#include <QString>
#include <QtGlobal>

#include <optional>

namespace Conv {

// Which decimal separators a text to number conversion accepts.
enum class Separator {
    Locale, // only the locale's own
    PointOrComma, // "." or "," (genetic code files travel between locales)
};

// The one number grammar: blanks around, optional sign, digits with at most one decimal
// separator (at least one digit in all), optional exponent "e"/"E" with optional sign and
// digits. No group separators. A value beyond the double range, "NaN" and "Inf" are not
// numbers. Gives the value, or nothing when the text is not a number.
std::optional<double> parseNumber(const QString& text, Separator separator = Separator::Locale);

// The numeric-text test: true exactly when parseNumber converts the text.
bool isNumeric(const QString& text);

// Text to double; error 13 when the text is not a number.
double toDouble(const QString& text, Separator separator = Separator::Locale);

// Double to 16-bit integer, halves to the even neighbour; error 6 outside -32768..32767
// and for a value that is not finite.
qint16 toInt16(double value);

// Text read as a number, then as toInt16(double); error 13 when not a number.
qint16 toInt16(const QString& text, Separator separator = Separator::Locale);

// "True" / "False" (any letter case), or a number: zero is False, any other True;
// error 13 for any other text.
bool toBool(const QString& text, Separator separator = Separator::Locale);

// Leading-blank form: " 0", " 25", "-3"; doubles in form D after the blank or sign.
QString leadingBlank(qint64 value);
QString leadingBlank(double value);
// Takes the 16-bit IDs (and any int) without a cast: for them the two overloads above tie.
inline QString leadingBlank(int value)
{
    return leadingBlank(static_cast<qint64>(value));
}

// Plain form: "0", "255", "-12".
QString plain(qint64 value);

// Form D: 15 significant digits, trailing zeros (and a bare separator) dropped, the locale's
// decimal separator, no grouping; exponent notation ("1.5E+20", "1E-06") only below 1E-05
// and from 1E+15 on in magnitude. 0 gives "0".
QString formD(double value);

// "True" or "False".
QString boolText(bool value);

} // namespace Conv
