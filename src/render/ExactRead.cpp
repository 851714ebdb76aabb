#include "render/ExactRead.h"

#include "genefile/FileError.h"
#include "genefile/GeneFileReader.h"
#include "platform/RandomSource.h"

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
        return GeneFile::fileError(name.isEmpty() ? ENOENT : errno, name);
    if (S_ISDIR(status.st_mode))
        return GeneFile::fileError(EISDIR, name);
    return { RuntimeError::PathFileAccess, QStringLiteral("Not a regular file"), GeneFile::inFile(name) };
}

} // namespace

GeneticSnapshot read(const QString& name)
{
    // At rate 0 nothing mutates; the reader still draws from a source, so each call has its own.
    SeededRandomSource unused(0);
    clsGenSeq code;
    if (!GeneFileReader::Read(code, name, 0.0, unused))
        throw noFileError(name);
    return snapshotOf(code);
}

} // namespace ExactRead
