#include "core/webpage/WebFolder.h"

#include "core/files/FileError.h"
#include "core/files/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace {

void makeOneFolder(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        throw Files::fileError(errno, path);
}

} // namespace

WebFolder::WebFolder(const QString& folder)
    : m_path(QDir::cleanPath(folder))
{
    const QFileInfo info(m_path);
    if (info.exists() || info.isSymLink()) {
        if (!info.isDir())
            throw Files::fileError(ENOTDIR, m_path);
        // A folder that cannot be listed might hold anything.
        DIR* listing = ::opendir(QFile::encodeName(m_path).constData());
        if (!listing)
            throw Files::fileError(errno, m_path);
        ::closedir(listing);
        if (!QDir(m_path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            throw RuntimeError(RuntimeError::PathFileAccess, qt_error_string(ENOTEMPTY),
                Files::inFile(m_path) + QStringLiteral(" (a web page is written only into a new or empty folder)"));
        return;
    }
    // The folder and those above it that are missing, outermost first, each made here so that each can go again.
    QStringList missing { m_path };
    for (QFileInfo above(info.absolutePath()); !above.exists() && !above.isSymLink();
         above = QFileInfo(above.absolutePath()))
        missing.prepend(above.absoluteFilePath());
    try {
        for (const QString& path : missing) {
            makeOneFolder(path);
            m_made.append(path);
        }
    } catch (const RuntimeError&) {
        removeMade();
        throw;
    }
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
    removeMade();
}

void WebFolder::removeMade() const
{
    for (auto it = m_made.crbegin(); it != m_made.crend(); ++it)
        QDir().rmdir(*it);
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
