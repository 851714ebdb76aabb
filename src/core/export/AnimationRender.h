#pragma once
// A morph written as a file: every frame of a loop drawn as an image and encoded as animated WebP or GIF.

#include "core/animation/FrameTiming.h"
#include "core/animation/Morph.h"
#include "core/export/PictureRender.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

namespace Drawing {

enum class AnimationFormat { WebP, Gif };

// By the file name's suffix, .webp or .gif in any letter case; nothing for any other suffix.
std::optional<AnimationFormat> animationFormatOfFileName(const QString& fileName);

inline constexpr int MaxAnimationScale = 16;
inline constexpr int MaxFramesPerSecond = 60;

// Told after each frame how many of how many are done; false stops the work.
using AnimationProgress = std::function<bool(int done, int total)>;

// The frame in twips every image of the animation shows at the options, grown to whole pixels. Error 7 when
// an image would need more than MaxImageBytes, error 5 when it is wider or taller than the format allows:
// both can be refused before anything else is done.
QRectF animationImageFrame(
    AnimationFormat format, const Morph& morph, const FrameTiming& timing, const RenderOptions& options);

// The frames of one loop of timing, each shown for one frame of its frame rate, looping forever; nothing
// when progress stopped the work.
std::optional<QByteArray> renderAnimation(AnimationFormat format, const Morph& morph, const FrameTiming& timing,
    const RenderOptions& options, const AnimationProgress& progress = {});

// Renders and writes the file whole or not at all, as Save writes genetic code files; false, and nothing
// written, when progress stopped the work.
bool exportAnimation(AnimationFormat format, const Morph& morph, const FrameTiming& timing,
    const RenderOptions& options, const QString& fileName, const AnimationProgress& progress = {});

} // namespace Drawing
