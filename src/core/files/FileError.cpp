#include "core/files/FileError.h"

#include <cerrno>

namespace Files {

namespace {

int errorNumberFor(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return RuntimeError::DiskFull;
    case EACCES:
    case EPERM:
        return RuntimeError::PermissionDenied;
    case ENOENT:
    case ENOTDIR:
        return RuntimeError::PathNotFound;
    default:
        return RuntimeError::PathFileAccess;
    }
}

} // namespace

QString inFile(const QString& fileName)
{
    return QStringLiteral("in \"%1\"").arg(fileName);
}

RuntimeError fileError(int errorNumber, const QString& fileName)
{
    return { errorNumberFor(errorNumber), qt_error_string(errorNumber), inFile(fileName) };
}

} // namespace Files
