#pragma once
// A genetic code's thumbnail, as file managers and the album show it: the whole tree fitted into a square, smooth,
// on a transparent background, drawn by default with the Genes switches a new picture window starts with.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QImage>

namespace ThumbnailImage {

// The largest side asked for: file managers ask for 128 to 1024.
inline constexpr int MaxSize = 4096;

// side x side pixels, drawn with flags. Error 6 as the drawing.
QImage of(const GeneticCode& code, int side, Drawing::Flags flags = {});

// The image as PNG, with the text chunks the image carries. Error 75 when it cannot be encoded.
QByteArray png(const QImage& image);

} // namespace ThumbnailImage
