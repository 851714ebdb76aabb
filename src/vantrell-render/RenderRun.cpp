#include "vantrell-render/RenderRun.h"

#include "core/platform/ParallelRun.h"
#include "core/platform/RuntimeError.h"
#include "core/sheet/ContactSheet.h"
#include "vantrell-render/AnimationRun.h"
#include "vantrell-render/JobList.h"
#include "vantrell-render/JobRunner.h"
#include "vantrell-render/RandomCodes.h"
#include "vantrell-render/WebRun.h"

#include <QDir>
#include <QFileInfo>

#include <vector>

namespace RenderRun {

QStringList run(const RenderRequest& request)
{
    if (request.animate)
        return AnimationRun::run(request);
    if (!request.web.isEmpty())
        return WebRun::run(request);
    if (!request.outputDir.isEmpty())
        QDir().mkpath(request.outputDir);

    const QStringList inputs = JobList::inputs(request);
    const QList<RenderJob> jobs = JobList::make(request, inputs);
    std::vector<JobOutcome> outcomes(static_cast<std::size_t>(jobs.size()));
    const auto firstRandom = static_cast<std::size_t>(request.files.size());
    if (request.randomCount > 0)
        RandomCodes::write(inputs.mid(request.files.size()), request.seed, [&](int index, const QString& error) {
            outcomes[firstRandom + static_cast<std::size_t>(index)].error = error;
        });

    const int threads = ParallelRun::threadCount(request.threads);
    ParallelRun::forEachIndex(static_cast<int>(jobs.size()), threads, [&](int i) {
        JobOutcome& outcome = outcomes[static_cast<std::size_t>(i)];
        // A random code that could not be written has failed already.
        if (outcome.error.isEmpty())
            outcome = JobRunner::run(jobs[i], request.settings);
    });

    QStringList failures;
    QList<SheetEntry> sheet;
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const JobOutcome& outcome = outcomes[static_cast<std::size_t>(i)];
        if (!outcome.error.isEmpty())
            failures.append(outcome.error);
        else
            sheet.append({ QFileInfo(jobs[i].input).fileName(), *outcome.code, outcome.frame });
    }
    if (!request.sheet.isEmpty() && !sheet.isEmpty()) {
        try {
            ContactSheet::write(request.sheet, sheet, request.settings, request.columns, threads);
        } catch (const RuntimeError& error) {
            failures.append(error.message());
        }
    }
    return failures;
}

} // namespace RenderRun
