#pragma once
// Puts a picture on the clipboard twice over: as an image at the remembered export settings and as SVG.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QString>

#include <memory>

class QMimeData;

namespace PictureClipboard {

// The SVG's type, for programs that take vectors.
inline constexpr char SvgType[] = "image/svg+xml";

// What Copy Picture puts on the clipboard; title names the SVG document. Error 7 when the image
// would need more memory than an image may have.
std::unique_ptr<QMimeData> mimeDataOf(const GeneticCode& code, Drawing::Flags flags, const QString& title = {});

void copy(const GeneticCode& code, Drawing::Flags flags, const QString& title = {});

} // namespace PictureClipboard
