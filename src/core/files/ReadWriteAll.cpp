#include "core/files/ReadWriteAll.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace Files {

std::optional<QByteArray> readAll(int fd, qsizetype limit)
{
    // The buffer grows as the bytes come: a limit far beyond a file's size costs nothing.
    constexpr qsizetype FirstRead = 64 * 1024;
    QByteArray bytes;
    qsizetype filled = 0;
    while (filled < limit) {
        if (filled == bytes.size())
            bytes.resize(std::min(limit, std::max(FirstRead, 2 * filled)));
        const ssize_t count = ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        filled += count;
    }
    bytes.truncate(filled);
    return bytes;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t count = ::write(fd, data, static_cast<size_t>(left));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        data += count;
        left -= count;
    }
    return true;
}

} // namespace Files
