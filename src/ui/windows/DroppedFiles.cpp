#include "ui/windows/DroppedFiles.h"

#include "ui/windows/Guard.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

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

// Takes the drags of the widget it belongs to.
class FileDropFilter final : public QObject {
public:
    FileDropFilter(QWidget* target, std::function<void(const QStringList&)> open)
        : QObject(target)
        , m_target(target)
        , m_open(std::move(open))
    {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_target)
            return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            acceptIfFiles(static_cast<QDropEvent*>(event));
            return true;
        case QEvent::Drop: {
            const QStringList fileNames = take(static_cast<QDropEvent*>(event));
            if (!fileNames.isEmpty())
                Guard::run(m_target->window(), [&] { m_open(fileNames); });
            return true;
        }
        default:
            return false;
        }
    }

private:
    QWidget* m_target;
    std::function<void(const QStringList&)> m_open;
};

} // namespace

void openOn(QWidget* target, std::function<void(const QStringList& fileNames)> open)
{
    // The filter belongs to target and goes with it.
    new FileDropFilter(target, std::move(open));
}

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
