#include "core/thumbnails/ThumbnailImage.h"

#include "core/export/RasterRender.h"
#include "core/platform/RuntimeError.h"

#include <csetjmp>
#include <new>
#include <png.h>
#include <vector>

namespace ThumbnailImage {

namespace {

void append(png_structp png, png_bytep data, png_size_t size)
{
    bool appended = true;
    // No exception may pass through libpng's C: it is told of the failure, and ends the encoding its own way.
    try {
        static_cast<QByteArray*>(png_get_io_ptr(png))
            ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    } catch (const std::bad_alloc&) {
        appended = false;
    }
    if (!appended)
        png_error(png, "out of memory");
}

void noFlush(png_structp)
{
}

// Fills encoded, or returns false. Holds nothing that needs destroying between setjmp and libpng's longjmp.
bool encode(const QImage& pixels, std::vector<png_text>& texts, QByteArray& encoded)
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
    png_set_text(png, info, texts.data(), static_cast<int>(texts.size()));
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
    QList<QByteArray> keysAndValues;
    for (const QString& key : image.textKeys())
        keysAndValues << key.toLatin1() << image.text(key).toLatin1();
    // Plain tEXt, which every reader of the thumbnail standard's keys knows.
    std::vector<png_text> texts(static_cast<std::size_t>(keysAndValues.size() / 2));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QByteArray& key = keysAndValues[static_cast<qsizetype>(2 * i)];
        const QByteArray& value = keysAndValues[static_cast<qsizetype>(2 * i + 1)];
        texts[i].compression = PNG_TEXT_COMPRESSION_NONE;
        texts[i].key = const_cast<char*>(key.constData());
        texts[i].text = const_cast<char*>(value.constData());
        texts[i].text_length = static_cast<std::size_t>(value.size());
    }
    QByteArray encoded;
    if (pixels.isNull() || !encode(pixels, texts, encoded))
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("The image could not be encoded as PNG"));
    return encoded;
}

} // namespace ThumbnailImage
