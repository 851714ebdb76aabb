#pragma once
// Text as it may stand in HTML or XML: a file name may hold characters neither allows.

#include <QString>

namespace MarkupText {

// text with &, <, > and " escaped, and each control character (but tab and line ends) and non-character made U+FFFD.
QString escaped(const QString& text);

} // namespace MarkupText
