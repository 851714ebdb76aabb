#include "core/album/ThumbnailQueue.h"

#include <QMutexLocker>

#include <algorithm>

ThumbnailQueue::ThumbnailQueue(int maxWorkers)
    : m_maxWorkers(std::max(1, maxWorkers))
{
}

int ThumbnailQueue::replace(std::vector<ThumbnailJob> jobs)
{
    const QMutexLocker lock(&m_lock);
    m_jobs = std::move(jobs);
    m_next = 0;
    const int wanted = static_cast<int>(std::min<std::size_t>(m_jobs.size(), static_cast<std::size_t>(m_maxWorkers)));
    const int more = std::max(0, wanted - m_workers);
    m_workers += more;
    return more;
}

std::optional<ThumbnailJob> ThumbnailQueue::take()
{
    const QMutexLocker lock(&m_lock);
    while (m_next < m_jobs.size()) {
        ThumbnailJob& job = m_jobs[m_next++];
        if (m_working.contains(job.path))
            continue;
        m_working.insert(job.path);
        return std::move(job);
    }
    m_jobs.clear();
    m_next = 0;
    --m_workers;
    return std::nullopt;
}

void ThumbnailQueue::done(const QString& path)
{
    const QMutexLocker lock(&m_lock);
    m_working.remove(path);
}

void ThumbnailQueue::clear()
{
    const QMutexLocker lock(&m_lock);
    m_jobs.clear();
    m_next = 0;
}
