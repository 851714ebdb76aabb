#include "core/genefile/ExactRead.h"

#include "core/files/FileError.h"
#include "core/genefile/GeneFileReader.h"
#include "core/platform/RandomSource.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace ExactRead {

namespace {

// Why the reader found no genetic code file under name.
RuntimeError noFileError(const QString& name)
{
    struct stat status { };
    if (::stat(QFile::encodeName(name).constData(), &status) != 0)
        return Files::fileError(name.isEmpty() ? ENOENT : errno, name);
    if (S_ISDIR(status.st_mode))
        return Files::fileError(EISDIR, name);
    return { RuntimeError::PathFileAccess, QStringLiteral("Not a regular file"), Files::inFile(name) };
}

} // namespace

GeneticCode read(const QString& name)
{
    // At rate 0 nothing mutates; the reader still draws from a source, so each call has its own.
    SeededRandomSource unused(0);
    GeneticCode code;
    if (!GeneFileReader::Read(code, name, 0.0, unused))
        throw noFileError(name);
    return code;
}

} // namespace ExactRead
