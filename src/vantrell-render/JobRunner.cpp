#include "vantrell-render/JobRunner.h"

#include "core/drawing/PictureFrame.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"

#include <QFileInfo>

#include <new>

namespace JobRunner {

JobOutcome run(const RenderJob& job, const PictureSettings& settings)
{
    JobOutcome outcome;
    try {
        outcome.code = ExactRead::read(job.input);
    } catch (const RuntimeError& error) {
        outcome.error = error.message();
        return outcome;
    }
    try {
        const GeneticCode& code = *outcome.code;
        // The whole tree's bounds are the frame of a whole picture; a drawing that fails, fails here for the
        // contact sheet too, before it would be drawn there.
        const QRectF whole = Drawing::frameOf(code, settings.flags, Drawing::Frame::WholeTree);
        outcome.frame = settings.options.frame == Drawing::Frame::WholeTree ? whole : Drawing::WindowFrame;
        if (job.output.isEmpty())
            return outcome;
        Drawing::exportPicture(
            job.format, code, settings.flags, settings.options, QFileInfo(job.input).fileName(), job.output);
    } catch (const RuntimeError& error) {
        // Errors of the drawing name no file; those of writing name the output.
        outcome.code.reset();
        outcome.error = QStringLiteral("\"%1\": %2").arg(job.input, error.message());
    } catch (const std::bad_alloc&) {
        outcome.code.reset();
        outcome.error = QStringLiteral("\"%1\": %2 (error 7)")
                            .arg(job.input, RuntimeError::standardText(RuntimeError::OutOfMemory));
    }
    return outcome;
}

} // namespace JobRunner
