#include "core/thumbnails/ThumbnailImage.h"

#include "core/export/RasterRender.h"
#include "core/platform/RuntimeError.h"

#include <csetjmp>
#include <png.h>
#include <vector>

namespace ThumbnailImage {

namespace {

void append(png_structp png, png_bytep data, png_size_t size)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void noFlush(png_structp)
{
}

// Fills encoded, or returns false. Holds nothing that needs destroying between setjmp and libpng's longjmp.
bool encode(const QImage& pixels, const std::vector<QByteArray>& texts, QByteArray& encoded)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &encoded, append, noFlush);
    // Unfiltered at zlib's fastest: half the time of the adaptive filters a general writer tries, and for a tree's
    // few flat colours a file smaller still.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width()), static_cast<png_uint_32>(pixels.height()), 8,
        pixels.hasAlphaChannel() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    // Plain tEXt, which every reader of the thumbnail standard's keys knows.
    std::vector<png_text> chunks(texts.size() / 2);
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        chunks[i].compression = PNG_TEXT_COMPRESSION_NONE;
        chunks[i].key = const_cast<char*>(texts[2 * i].constData());
        chunks[i].text = const_cast<char*>(texts[2 * i + 1].constData());
        chunks[i].text_length = static_cast<std::size_t>(texts[2 * i + 1].size());
    }
    png_set_text(png, info, chunks.data(), static_cast<int>(chunks.size()));
    png_write_info(png, info);
    for (int row = 0; row < pixels.height(); ++row)
        png_write_row(png, pixels.constScanLine(row));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

QImage of(const GeneticCode& code, int side, Drawing::Flags flags)
{
    return Drawing::renderCell(code, flags, QSize(side, side), 1.0, Qt::transparent);
}

QByteArray png(const QImage& image)
{
    const QImage pixels
        = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    std::vector<QByteArray> texts;
    for (const QString& key : image.textKeys()) {
        texts.push_back(key.toLatin1());
        texts.push_back(image.text(key).toLatin1());
    }
    QByteArray encoded;
    if (pixels.isNull() || !encode(pixels, texts, encoded))
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("The image could not be encoded as PNG"));
    return encoded;
}

} // namespace ThumbnailImage
