#pragma once
// The work an album's workers share: jobs in the order the album wants them done, which it changes as the view moves,
// and how many workers are at it.

#include "core/album/ThumbnailWork.h"

#include <QMutex>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

class ThumbnailQueue {
public:
    explicit ThumbnailQueue(int maxWorkers);

    // Replaces the jobs left by these, first first. Gives how many more workers to start on them.
    int replace(std::vector<ThumbnailJob> jobs);
    // The next job of a file no worker is at; nothing when none is left, and the worker that asked is counted gone.
    std::optional<ThumbnailJob> take();
    // The worker at path is done with it.
    void done(const QString& path);
    // Drops the jobs left; the workers finish the ones they are at.
    void clear();

private:
    QMutex m_lock;
    std::vector<ThumbnailJob> m_jobs;
    std::size_t m_next = 0;
    QSet<QString> m_working;
    int m_workers = 0;
    int m_maxWorkers;
};
