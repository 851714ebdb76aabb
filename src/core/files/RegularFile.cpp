#include "core/files/RegularFile.h"

#include "core/files/FileError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace Files {

bool isRegularFile(const QString& name)
{
    if (name.isEmpty())
        return false;
    struct stat status { };
    return ::stat(QFile::encodeName(name).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

UniqueFd openRegularFileForReading(const QString& name)
{
    if (name.isEmpty())
        return {};
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; regular files ignore it.
    UniqueFd fd(::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) {
        // Gone since it was seen, or swapped for a socket or a device without a driver: as if
        // no file had been there.
        if (errno == ENOENT || errno == ENOTDIR || errno == ENXIO || errno == ENODEV)
            return {};
        throw fileError(errno, name);
    }
    struct stat status { };
    if (::fstat(fd.get(), &status) != 0)
        throw fileError(errno, name);
    if (!S_ISREG(status.st_mode))
        return {};
    return fd;
}

} // namespace Files
