#include "vantrell-render/JobList.h"

#include "vantrell-render/RandomCodes.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace JobList {

QStringList inputs(const RenderRequest& request)
{
    return request.files + RandomCodes::fileNames(request.outputDir, request.prefix, request.randomCount);
}

QList<RenderJob> make(const RenderRequest& request, const QStringList& inputs)
{
    QList<RenderJob> jobs;
    jobs.reserve(inputs.size());
    for (const QString& input : inputs) {
        RenderJob job { input, {}, request.format.value_or(Drawing::Format::Png) };
        if (!request.output.isEmpty()) {
            job.output = request.output;
            job.format
                = request.format.value_or(Drawing::formatOfFileName(request.output).value_or(Drawing::Format::Png));
        } else if (!request.outputDir.isEmpty()) {
            job.output = QDir(request.outputDir)
                             .filePath(QFileInfo(input).completeBaseName() + u'.' + Drawing::suffixOf(job.format));
        }
        jobs.append(job);
    }
    return jobs;
}

QString clash(const QList<RenderJob>& jobs, const QString& sheet)
{
    // Outputs are written in parallel: one file written twice would hold whichever came last.
    QHash<QString, QString> writers;
    const auto claim = [&writers](const QString& output, const QString& writer) -> QString {
        const QString key = QFileInfo(output).absoluteFilePath();
        const auto found = writers.constFind(key);
        if (found != writers.constEnd())
            return QStringLiteral("%1 and %2 would both be written as \"%3\"").arg(*found, writer, output);
        writers.insert(key, writer);
        return {};
    };
    for (const RenderJob& job : jobs) {
        if (job.output.isEmpty())
            continue;
        if (QString why = claim(job.output, QStringLiteral("\"%1\"").arg(job.input)); !why.isEmpty())
            return why;
    }
    if (!sheet.isEmpty())
        return claim(sheet, QStringLiteral("the contact sheet"));
    return {};
}

} // namespace JobList
