#include "vantrell-render/Thumbnail.h"

#include "core/files/ReplaceFile.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"
#include "core/thumbnails/ThumbnailImage.h"

#include <new>

namespace Thumbnail {

QString write(int size, const QString& input, const QString& output)
{
    try {
        Files::replaceFile(output, ThumbnailImage::png(ThumbnailImage::of(ExactRead::read(input), size)));
    } catch (const RuntimeError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("\"%1\": %2 (error 7)").arg(input, RuntimeError::standardText(RuntimeError::OutOfMemory));
    }
    return {};
}

} // namespace Thumbnail
