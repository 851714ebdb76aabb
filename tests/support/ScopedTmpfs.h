#pragma once
// A small tmpfs mounted for one test, to make a file system full or read-only for real.

#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

class ScopedTmpfs {
public:
    explicit ScopedTmpfs(int kibibytes)
    {
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
        if (::mount("tmpfs", m_mountPoint.path().toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0)
            m_mounted = true;
        else
            m_refusal
                = QStringLiteral("mounting a tmpfs was refused: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~ScopedTmpfs()
    {
        if (m_mounted)
            ::umount2(m_mountPoint.path().toLocal8Bit().constData(), MNT_DETACH);
    }
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& refusal() const { return m_refusal; }
    QString path() const { return m_mountPoint.path(); }

    bool remountReadOnly()
    {
        return ::mount("tmpfs", m_mountPoint.path().toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
            == 0;
    }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_refusal;
};
