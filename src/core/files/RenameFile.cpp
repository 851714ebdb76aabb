#include "core/files/RenameFile.h"

#include "core/files/FileError.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace Files {

void renameWithoutReplacing(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL)
        throw fileError(errno, to);
    // File systems that cannot rename without replacing can still link a second name, which fails when taken.
    if (::link(source.constData(), target.constData()) != 0)
        throw fileError(errno, to);
    if (::unlink(source.constData()) != 0)
        throw fileError(errno, from);
}

} // namespace Files
