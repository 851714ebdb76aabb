#include "ui/windows/DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace DroppedFiles {

QStringList of(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace DroppedFiles
