#include "vantrell-render/Thumbnail.h"

#include "core/drawing/DrawFlags.h"
#include "core/export/PictureRender.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"

#include <QBuffer>
#include <QImage>

#include <new>

namespace Thumbnail {

namespace {

// Less compression than the PNG writer's own: half its time for a file a fifth larger, which a thumbnail cache
// keeps small anyway.
constexpr int PngQuality = 80;

} // namespace

QString write(int size, const QString& input, const QString& output)
{
    try {
        // Drawn as a new picture window draws it: with the Genes menu as it starts.
        const QImage image = Drawing::renderFitted(ExactRead::read(input), Drawing::Flags {}, Drawing::Frame::WholeTree,
            QSize(size, size), 1.0, Qt::transparent, true);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!image.save(&png, "PNG", PngQuality))
            throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("The image could not be encoded as PNG"));
        Files::replaceFile(output, png.data());
    } catch (const RuntimeError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("\"%1\": %2 (error 7)").arg(input, RuntimeError::standardText(RuntimeError::OutOfMemory));
    }
    return {};
}

} // namespace Thumbnail
