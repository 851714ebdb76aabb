#pragma once
// Reads and renders one job, on any thread: each has its own genetic code and random source.

#include "core/genetics/GeneticCode.h"
#include "vantrell-render/JobList.h"
#include "vantrell-render/RenderRequest.h"

#include <QRectF>
#include <QString>

#include <optional>

struct JobOutcome {
    // The code as read, for the contact sheet; nothing when it could not be read.
    std::optional<GeneticCode> code;
    // The part of the drawing plane its picture shows, in twips.
    QRectF frame;
    // Why the job failed, naming the file; empty when it did not.
    QString error;
};

namespace JobRunner {

// The job alone: reads its input and writes its output, if it has one, whole or not at all.
JobOutcome run(const RenderJob& job, const PictureSettings& settings);

} // namespace JobRunner
