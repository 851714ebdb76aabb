#include "core/settings/IniText.h"

namespace IniText {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QByteArray hexOf(char16_t c, int digits)
{
    QByteArray hex;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        hex += HexDigits[(c >> shift) & 0xF];
    return hex;
}

// Letters, digits and _-. stand for themselves, a slash is a backslash, everything else is %XX or %UXXXX.
QByteArray escapedKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/')
            escaped += '\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
            || c == u'-' || c == u'.')
            escaped += static_cast<char>(c);
        else if (c <= 0xFF)
            escaped += '%' + hexOf(c, 2);
        else
            escaped += "%U" + hexOf(c, 4);
    }
    return escaped;
}

// In quotes, so that commas, semicolons, equals signs and blanks at either end stay text; a leading @ is doubled,
// as QSettings would read the rest as a type. A hex escape reads every hex digit after it, so a digit that follows
// one is escaped too.
QByteArray quotedValue(const QString& value)
{
    QByteArray quoted = "\"";
    if (value.startsWith(QLatin1Char('@')))
        quoted += '@';
    // Characters that stand for themselves go in as UTF-8 a run at a time, so that surrogate pairs stay whole.
    QString run;
    const auto escape = [&](const QByteArray& escaped) {
        quoted += run.toUtf8() + escaped;
        run.clear();
    };
    bool afterHexEscape = false;
    for (const QChar qc : value) {
        const char16_t c = qc.unicode();
        if (afterHexEscape && isHexDigit(c)) {
            escape("\\x" + hexOf(c, 2));
            continue;
        }
        afterHexEscape = false;
        if (c == u'"' || c == u'\\') {
            escape(QByteArray(1, '\\') + static_cast<char>(c));
        } else if (c == u'\n') {
            escape("\\n");
        } else if (c == u'\r') {
            escape("\\r");
        } else if (c == u'\t') {
            escape("\\t");
        } else if (c < 0x20 || c == 0x7F) {
            escape("\\x" + hexOf(c, 2));
            afterHexEscape = true;
        } else {
            run += qc;
        }
    }
    escape("\"");
    return quoted;
}

} // namespace

QByteArray of(const QMap<QString, QString>& values)
{
    QMap<QString, QMap<QString, QString>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash < 0)
            sections[QStringLiteral("General")].insert(it.key(), it.value());
        else
            sections[it.key().left(slash)].insert(it.key().mid(slash + 1), it.value());
    }
    QByteArray text;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!text.isEmpty())
            text += '\n';
        text += '[' + escapedKey(section.key()) + "]\n";
        for (auto it = section->cbegin(); it != section->cend(); ++it)
            text += escapedKey(it.key()) + '=' + quotedValue(it.value()) + '\n';
    }
    return text;
}

} // namespace IniText
