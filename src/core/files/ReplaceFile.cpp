#include "core/files/ReplaceFile.h"

#include "core/files/FileError.h"
#include "core/files/ReadWriteAll.h"
#include "core/files/UniqueFd.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace Files {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
constexpr int MaxNameAttempts = 100;
// Keeps the temporary name within the system's limit for one name.
constexpr qsizetype MaxBaseInTemporaryName = 100;

// The path a name finally leads to through symbolic links (it need not exist yet).
QByteArray followLinks(const QString& name)
{
    QByteArray path = QFile::encodeName(name);
    for (int hops = 0;; ++hops) {
        struct stat status { };
        if (::lstat(path.constData(), &status) != 0) {
            if (errno == ENOENT)
                return path;
            throw fileError(errno, name);
        }
        if (!S_ISLNK(status.st_mode))
            return path;
        if (hops == MaxLinkHops)
            throw fileError(ELOOP, name);
        QByteArray target(static_cast<qsizetype>(status.st_size > 0 ? status.st_size : PATH_MAX) + 1, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), static_cast<size_t>(target.size()));
        if (length < 0)
            throw fileError(errno, name);
        target.truncate(length);
        if (!target.startsWith('/'))
            target.prepend(path.left(path.lastIndexOf('/') + 1));
        path = target;
    }
}

// The existing file's status, or nothing when there is none. Refuses every other kind of file.
std::optional<struct stat> existingRegularFile(const QByteArray& path, const QString& name)
{
    struct stat status { };
    if (::stat(path.constData(), &status) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw fileError(errno, name);
    }
    if (S_ISDIR(status.st_mode))
        throw fileError(EISDIR, name);
    if (!S_ISREG(status.st_mode))
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("Not a regular file"), inFile(name));
    // Replacing by renaming needs no write permission on the file itself; ask for it anyway
    // so that a read-only file stays read-only.
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
        throw fileError(errno, name);
    return status;
}

// A new file beside the target, removed again unless it has been renamed into place.
class TemporaryFile {
public:
    TemporaryFile(const QByteArray& target, const QString& name, FileAccess access)
        : m_name(name)
    {
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder = target.left(slash + 1);
        const QByteArray base = target.mid(slash + 1).left(MaxBaseInTemporaryName);
        for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
            const QByteArray path
                = folder + '.' + base + ".tmp-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
            // The umask decides the rest, as for any created file.
            const mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
            m_fd = UniqueFd(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            if (m_fd.valid()) {
                m_path = path;
                return;
            }
            if (errno != EEXIST)
                throw fileError(errno, name);
        }
        throw fileError(EEXIST, name);
    }

    ~TemporaryFile()
    {
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const QByteArray& contents)
    {
        if (!writeAll(m_fd.get(), contents))
            fail();
    }

    void takeOver(const struct stat& existing)
    {
        // Only a privileged user may give a file away (EPERM for anyone else, whose new file
        // stays their own). Ownership first: changing it can clear set-id bits.
        const bool otherOwner = existing.st_uid != ::geteuid() || existing.st_gid != ::getegid();
        if (otherOwner && ::fchown(m_fd.get(), existing.st_uid, existing.st_gid) != 0 && errno != EPERM)
            fail();
        if (::fchmod(m_fd.get(), existing.st_mode & 07777) != 0)
            fail();
    }

    // Some file systems report a full disk only when the data reaches it.
    void finish()
    {
        if (::fsync(m_fd.get()) != 0)
            fail();
        if (m_fd.close() != 0)
            fail();
    }

    void renameTo(const QByteArray& target)
    {
        if (::rename(m_path.constData(), target.constData()) != 0)
            fail();
        m_path.clear();
    }

    // False, leaving target as it is, when target exists.
    bool linkTo(const QByteArray& target)
    {
        if (::renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
            m_path.clear();
            return true;
        }
        if (errno == EEXIST)
            return false;
        // File systems that cannot rename without replacing can still link a second name, which fails when taken.
        if (errno != EINVAL)
            fail();
        if (::link(m_path.constData(), target.constData()) != 0) {
            if (errno == EEXIST)
                return false;
            fail();
        }
        return true;
    }

private:
    [[noreturn]] void fail() const { throw fileError(errno, m_name); }

    const QString& m_name;
    QByteArray m_path;
    UniqueFd m_fd;
};

} // namespace

void replaceFile(const QString& name, const QByteArray& contents, FileAccess access)
{
    if (name.isEmpty())
        throw fileError(ENOENT, name);
    const QByteArray target = followLinks(name);
    const std::optional<struct stat> existing = existingRegularFile(target, name);
    TemporaryFile file(target, name, access);
    file.write(contents);
    if (existing && access == FileAccess::AsBefore)
        file.takeOver(*existing);
    file.finish();
    file.renameTo(target);
}

bool createFile(const QString& name, const QByteArray& contents)
{
    if (name.isEmpty())
        throw fileError(ENOENT, name);
    const QByteArray target = QFile::encodeName(name);
    TemporaryFile file(target, name, FileAccess::AsBefore);
    file.write(contents);
    file.finish();
    return file.linkTo(target);
}

} // namespace Files
