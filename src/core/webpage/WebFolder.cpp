#include "core/webpage/WebFolder.h"

#include "core/files/FileError.h"
#include "core/files/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

void makeOneFolder(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        throw Files::fileError(errno, path);
}

} // namespace

WebFolder::WebFolder(QString folder)
    : m_path(std::move(folder))
{
    const QFileInfo info(m_path);
    if (info.exists() || info.isSymLink()) {
        if (!info.isDir())
            throw Files::fileError(ENOTDIR, m_path);
        if (!QDir(m_path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            throw RuntimeError(RuntimeError::PathFileAccess, qt_error_string(ENOTEMPTY),
                Files::inFile(m_path) + QStringLiteral(" (a web page is written only into a new or empty folder)"));
        return;
    }
    QDir().mkpath(info.absolutePath());
    makeOneFolder(m_path);
    m_made = true;
}

WebFolder::~WebFolder()
{
    if (m_kept)
        return;
    const QDir folder(m_path);
    for (const QString& file : m_files)
        QFile::remove(folder.filePath(file));
    for (auto it = m_folders.crbegin(); it != m_folders.crend(); ++it)
        folder.rmdir(*it);
    if (m_made)
        QDir().rmdir(m_path);
}

void WebFolder::makeFolder(const QString& name)
{
    makeOneFolder(QDir(m_path).filePath(name));
    const QMutexLocker lock(&m_mutex);
    m_folders.append(name);
}

void WebFolder::write(const QString& name, const QByteArray& contents)
{
    Files::replaceFile(QDir(m_path).filePath(name), contents);
    const QMutexLocker lock(&m_mutex);
    m_files.append(name);
}

void WebFolder::keep()
{
    m_kept = true;
}
