#include "ui/windows/DroppedFiles.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace DroppedFiles {

namespace {

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

} // namespace

void acceptIfFiles(QDropEvent* event)
{
    if (!of(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

QStringList take(QDropEvent* event)
{
    const QStringList files = of(event->mimeData());
    if (!files.isEmpty())
        event->acceptProposedAction();
    return files;
}

} // namespace DroppedFiles
