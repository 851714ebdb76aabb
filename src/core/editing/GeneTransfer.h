#pragma once
// One gene as a small text, to copy between rows and editors by the clipboard.
//
// Eight lines, a trait each, the angle in radians to the last bit:
//
//   Length 120
//   Width 3
//   Angle 0.7853981633974483
//   Red 30
//   Green 160
//   Blue 220
//   Done False
//   Draw True

#include "core/genetics/clsGene.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace GeneTransfer {

// The clipboard's type for a gene, beside the same text as plain text.
inline const QString MimeType = QStringLiteral("application/x-vantrell-gene");

QByteArray toText(const clsGene& gene);
// Nothing unless text is a gene as toText writes it (line ends LF or CR LF, blanks around lines ignored).
std::optional<clsGene> fromText(const QByteArray& text);

} // namespace GeneTransfer
