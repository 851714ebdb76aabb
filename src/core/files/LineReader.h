#pragma once
// Reads the lines of an open file, each of bounded length, ended by CR LF or a bare LF.

#include <QByteArray>

namespace Files {

class LineReader {
public:
    // Longer lines are refused rather than gathered without bound.
    static constexpr qsizetype MaxLineLength = 4096;

    enum class Result {
        Line, // the next line, without its end, is in the given array
        EndOfFile, // no byte was left
        TooLong, // the line holds more than MaxLineLength characters
        ReadFailed, // the system refused the read: see readError()
    };

    // Reads from fd, which stays owned by the caller.
    explicit LineReader(int fd);

    // True when no byte is left. A failed read counts as not at the end; the next
    // readLine then reports it.
    bool atEnd();
    // The last line of a file may lack its end.
    Result readLine(QByteArray& line);
    int readError() const { return m_readError; }

private:
    // Fills the buffer when it is used up; false at the end of the file or on a failed read.
    bool fill();

    int m_fd;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    int m_readError = 0;
};

} // namespace Files
