#include "harness/MemoryFolder.h"

#include <QDir>
#include <QFileInfo>

QString memoryFolderTemplate(const QString& name)
{
    const QString shared = QStringLiteral("/dev/shm");
    const QString folder = QStringLiteral("/vantrell-%1-XXXXXX").arg(name);
    if (QFileInfo(shared).isDir() && QFileInfo(shared).isWritable())
        return shared + folder;
    return QDir::tempPath() + folder;
}
