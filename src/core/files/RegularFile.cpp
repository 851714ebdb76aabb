#include "core/files/RegularFile.h"

#include "core/files/FileError.h"
#include "core/files/ReadWriteAll.h"
#include "core/platform/RuntimeError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace Files {

bool isRegularFile(const QString& name, Links links)
{
    if (name.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(name);
    struct stat status { };
    const int result = links == Links::Follow ? ::stat(path.constData(), &status) : ::lstat(path.constData(), &status);
    return result == 0 && S_ISREG(status.st_mode);
}

OpenedFile openRegular(const QString& name, Links links)
{
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; regular files ignore it.
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    OpenedFile file;
    UniqueFd fd(::open(QFile::encodeName(name).constData(), flags));
    struct stat status { };
    if (!fd.valid() || ::fstat(fd.get(), &status) != 0)
        file.error = errno;
    else if (S_ISREG(status.st_mode))
        file = { std::move(fd), status.st_size, 0 };
    return file;
}

QByteArray readRegularFile(const QString& name, qsizetype limit)
{
    const OpenedFile file = openRegular(name, Links::Follow);
    if (file.error != 0)
        throw fileError(file.error, name);
    if (!file.fd.valid())
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("Not a regular file"), inFile(name));
    // One byte more than allowed tells a file that is too big.
    const std::optional<QByteArray> bytes = readAll(file.fd.get(), limit + 1);
    if (!bytes)
        throw fileError(errno, name);
    if (bytes->size() > limit)
        throw RuntimeError(
            RuntimeError::PathFileAccess, QStringLiteral("Larger than the %1 bytes allowed").arg(limit), inFile(name));
    return *bytes;
}

UniqueFd openRegularFileForReading(const QString& name)
{
    if (name.isEmpty())
        return {};
    OpenedFile file = openRegular(name, Links::Follow);
    // Gone since it was seen, or swapped for a socket or a device without a driver: as if no file had been there.
    if (file.error == ENOENT || file.error == ENOTDIR || file.error == ENXIO || file.error == ENODEV)
        return {};
    if (file.error != 0)
        throw fileError(file.error, name);
    return std::move(file.fd);
}

} // namespace Files
