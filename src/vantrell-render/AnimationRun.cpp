#include "vantrell-render/AnimationRun.h"

#include "core/animation/FrameTiming.h"
#include "core/animation/Morph.h"
#include "core/export/AnimationRender.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"

#include <new>
#include <optional>
#include <vector>

namespace AnimationRun {

QStringList run(const RenderRequest& request)
{
    QStringList failures;
    std::vector<GeneticCode> codes;
    for (const QString& file : request.files) {
        try {
            codes.push_back(ExactRead::read(file));
        } catch (const RuntimeError& error) {
            failures.append(error.message());
        }
    }
    if (!failures.isEmpty())
        return failures;

    const Morph morph(std::move(codes), request.settings.flags);
    const FrameTiming timing(morph.pictures(), request.secondsPerStep, request.framesPerSecond);
    std::optional<QByteArray> bytes;
    try {
        // Errors of the drawing and the encoding name no file; they concern the animation.
        bytes = Drawing::renderAnimation(
            *Drawing::animationFormatOfFileName(request.output), morph, timing, request.settings.options);
    } catch (const RuntimeError& error) {
        return { QStringLiteral("\"%1\": %2").arg(request.output, error.message()) };
    } catch (const std::bad_alloc&) {
        return { QStringLiteral("\"%1\": %2 (error 7)")
                     .arg(request.output, RuntimeError::standardText(RuntimeError::OutOfMemory)) };
    }
    try {
        Files::replaceFile(request.output, *bytes);
    } catch (const RuntimeError& error) {
        failures.append(error.message());
    }
    return failures;
}

} // namespace AnimationRun
