#include "core/thumbnails/ThumbnailImage.h"

#include "core/export/PictureRender.h"
#include "core/export/RasterRender.h"

namespace ThumbnailImage {

namespace {

// Less compression than the PNG writer's own: half its time for a file a fifth larger, which a thumbnail cache
// keeps small anyway.
constexpr int PngQuality = 80;

} // namespace

QImage of(const GeneticCode& code, int side, Drawing::Flags flags)
{
    return Drawing::renderCell(code, flags, QSize(side, side), 1.0, Qt::transparent);
}

QByteArray png(const QImage& image)
{
    return Drawing::encodePng(image, PngQuality);
}

} // namespace ThumbnailImage
