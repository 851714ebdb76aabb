#include "core/files/LineReader.h"

#include <cerrno>
#include <unistd.h>

namespace Files {

namespace {

constexpr qsizetype ChunkSize = 16384;

void dropCarriageReturn(QByteArray& line)
{
    if (line.endsWith('\r'))
        line.chop(1);
}

} // namespace

LineReader::LineReader(int fd)
    : m_fd(fd)
{
}

bool LineReader::fill()
{
    if (m_position < m_buffer.size())
        return true;
    if (m_readError != 0)
        return false;
    m_buffer.resize(ChunkSize);
    m_position = 0;
    for (;;) {
        const ssize_t count = ::read(m_fd, m_buffer.data(), static_cast<size_t>(m_buffer.size()));
        if (count >= 0) {
            m_buffer.resize(count);
            return count > 0;
        }
        if (errno != EINTR) {
            m_readError = errno;
            m_buffer.clear();
            return false;
        }
    }
}

bool LineReader::atEnd()
{
    return !fill() && m_readError == 0;
}

LineReader::Result LineReader::readLine(QByteArray& line)
{
    line.clear();
    if (!fill())
        return m_readError != 0 ? Result::ReadFailed : Result::EndOfFile;
    for (;;) {
        const qsizetype end = m_buffer.indexOf('\n', m_position);
        const qsizetype stop = end < 0 ? m_buffer.size() : end;
        line.append(m_buffer.constData() + m_position, stop - m_position);
        m_position = end < 0 ? stop : end + 1;
        // One character more than the limit may still be the CR of a CR LF.
        if (line.size() > MaxLineLength + 1)
            return Result::TooLong;
        if (end >= 0 || !fill()) {
            if (m_readError != 0)
                return Result::ReadFailed;
            dropCarriageReturn(line);
            return line.size() > MaxLineLength ? Result::TooLong : Result::Line;
        }
    }
}

} // namespace Files
