#include "core/export/AnimationRender.h"

#include "core/drawing/FrameGeometry.h"
#include "core/export/GifAnimation.h"
#include "core/export/RasterRender.h"
#include "core/export/WebPAnimation.h"
#include "core/files/ReplaceFile.h"
#include "core/platform/RuntimeError.h"

#include <QFileInfo>

#include <memory>

namespace Drawing {

namespace {

int animationMaxSide(AnimationFormat format)
{
    return format == AnimationFormat::WebP ? WebPAnimation::MaxSide : GifAnimation::MaxSide;
}

QString animationFormatName(AnimationFormat format)
{
    return format == AnimationFormat::WebP ? QStringLiteral("WebP") : QStringLiteral("GIF");
}

std::unique_ptr<AnimationEncoder> animationEncoderFor(
    AnimationFormat format, QSize size, int framesPerSecond, const RenderOptions& options)
{
    if (format == AnimationFormat::WebP)
        return std::make_unique<WebPAnimation>(size, framesPerSecond);
    return std::make_unique<GifAnimation>(size, framesPerSecond, options.background.alpha() < 255);
}

} // namespace

std::optional<AnimationFormat> animationFormatOfFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"webp")
        return AnimationFormat::WebP;
    if (suffix == u"gif")
        return AnimationFormat::Gif;
    return std::nullopt;
}

QRectF animationImageFrame(
    AnimationFormat format, const Morph& morph, const FrameTiming& timing, const RenderOptions& options)
{
    const QRectF frame = imageFrameOver(morph.frameOf(timing, options.frame), options.scale);
    const QSize size = pixelSize(frame, options.scale);
    const int maxSide = animationMaxSide(format);
    if (size.width() > maxSide || size.height() > maxSide)
        throw RuntimeError(RuntimeError::InvalidArgument, RuntimeError::standardText(RuntimeError::InvalidArgument),
            QStringLiteral("(a %1 x %2 pixel image at scale %3; a %4 image is at most %5 pixels across and down)")
                .arg(size.width())
                .arg(size.height())
                .arg(options.scale)
                .arg(animationFormatName(format))
                .arg(maxSide));
    return frame;
}

std::optional<QByteArray> renderAnimation(AnimationFormat format, const Morph& morph, const FrameTiming& timing,
    const RenderOptions& options, const AnimationProgress& progress)
{
    const QRectF frame = animationImageFrame(format, morph, timing, options);
    const std::unique_ptr<AnimationEncoder> encoder
        = animationEncoderFor(format, pixelSize(frame, options.scale), timing.framesPerSecond(), options);
    const int total = timing.loopLength();
    for (int i = 0; i < total; ++i) {
        const GeneticCode code = morph.codeAt(timing.position(timing.frameOfLoop(i)));
        encoder->add(renderImageOver(frame, code, morph.flags(), options));
        if (progress && !progress(i + 1, total))
            return std::nullopt;
    }
    return encoder->finish();
}

bool exportAnimation(AnimationFormat format, const Morph& morph, const FrameTiming& timing,
    const RenderOptions& options, const QString& fileName, const AnimationProgress& progress)
{
    const std::optional<QByteArray> bytes = renderAnimation(format, morph, timing, options, progress);
    // Asked once more, for a stop that came while the frames were put together.
    if (!bytes || (progress && !progress(timing.loopLength(), timing.loopLength())))
        return false;
    Files::replaceFile(fileName, *bytes);
    return true;
}

} // namespace Drawing
