#include "core/platform/MarkupText.h"

namespace MarkupText {

QString escaped(const QString& text)
{
    QString allowed = text;
    for (QChar& c : allowed) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r') || code == 0xFFFE || code == 0xFFFF)
            c = QChar::ReplacementCharacter;
    }
    return allowed.toHtmlEscaped();
}

} // namespace MarkupText
