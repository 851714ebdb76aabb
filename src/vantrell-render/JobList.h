#pragma once
// Which genetic code file becomes which picture file, in the order given.

#include "core/export/PictureRender.h"
#include "vantrell-render/RenderRequest.h"

#include <QList>
#include <QString>
#include <QStringList>

struct RenderJob {
    QString input;
    // Empty when the code goes only onto the contact sheet.
    QString output;
    Drawing::Format format = Drawing::Format::Png;
};

namespace JobList {

// The files named on the command line, then the random codes to be written.
QStringList inputs(const RenderRequest& request);

// One job for each input: -o names the one output, -d puts each input's base name with the format's suffix
// into its folder, and without either the inputs only go onto the sheet.
QList<RenderJob> make(const RenderRequest& request, const QStringList& inputs);

// Why the jobs and the sheet cannot all be written, or empty: two of them would be the same file.
QString clash(const QList<RenderJob>& jobs, const QString& sheet);

} // namespace JobList
