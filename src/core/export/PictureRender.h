#pragma once
// A picture as the bytes of a file, PNG, SVG or PDF, by format or by the file name's suffix, and written whole.

#include "core/drawing/DrawFlags.h"
#include "core/export/RenderOptions.h"
#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace Drawing {

enum class Format { Png, Svg, Pdf };

// By the file name's suffix, in any letter case; nothing for any other suffix.
std::optional<Format> formatOfFileName(const QString& fileName);
// By a format's name ("png", "svg", "pdf"), in any letter case.
std::optional<Format> formatNamed(const QString& name);
// "png", "svg" or "pdf".
QString suffixOf(Format format);

// The image as PNG, with the text chunks the image carries; quality as QImage::save takes it. Error 75 when it cannot
// be encoded.
QByteArray encodePng(const QImage& image, int quality = -1);

// title names the vectors' document.
QByteArray render(
    Format format, const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);

// Renders and writes the file whole or not at all, as Save writes genetic code files.
void exportPicture(Format format, const GeneticCode& code, Flags flags, const RenderOptions& options,
    const QString& title, const QString& fileName);

} // namespace Drawing
