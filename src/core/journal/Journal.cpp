#include "core/journal/Journal.h"

#include "core/files/ReadWriteAll.h"
#include "core/journal/JournalFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MaxNameAttempts = 100;
// Records that come in a burst, a litter's say, reach the disk together; a power cut loses at most this much.
constexpr std::chrono::milliseconds SyncDelay(50);

// Why folder cannot be made: walks up to the first part that exists and makes the next one down, which
// gives the system's reason. 0 when it can be made after all.
int folderError(const QString& folder)
{
    QString missing = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo::exists(missing))
        return QFileInfo(missing).isDir() ? 0 : ENOTDIR;
    for (QString parent = QFileInfo(missing).absolutePath(); !QFileInfo::exists(parent) && parent != missing;
         parent = QFileInfo(parent).absolutePath())
        missing = parent;
    if (::mkdir(QFile::encodeName(missing).constData(), 0700) == 0)
        return 0;
    return errno;
}

} // namespace

Journal::Journal(QString folder, QDateTime start, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder))
    , m_start(std::move(start))
{
}

Journal::~Journal()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_syncer.joinable())
        m_syncer.join();
    if (m_fd.valid())
        ::fdatasync(m_fd.get());
}

void Journal::follow(const RunHistory& history)
{
    m_history = &history;
    connect(&history, &RunHistory::pictureOpened, this, [this](qint16 id) {
        if (const PictureRecord* picture = m_history->find(id))
            write(JournalRecord::opened(*picture));
    });
    connect(&history, &RunHistory::pictureClosed, this, [this](qint16 id) { write(JournalRecord::closed(id)); });
    connect(&history, &RunHistory::pictureShownAgain, this, [this](qint16 id) { write(JournalRecord::shown(id)); });
    connect(&history, &RunHistory::pictureSaved, this,
        [this](qint16 id, const QString& path) { write(JournalRecord::saved(id, path)); });
    connect(&history, &RunHistory::runEnding, this, [this](RunEnding how) {
        // A run without pictures or generations has no journal to end.
        if (!m_path.isEmpty() && how != RunEnding::CutOff)
            write(JournalRecord::end(how));
    });
}

void Journal::follow(const Generations& generations)
{
    m_generations = &generations;
    const auto left = [this](int index) {
        if (index < 0 || index >= m_generations->count())
            return JournalRecord::LeftGeneration {};
        const Generation& generation = m_generations->all()[static_cast<std::size_t>(index)];
        return JournalRecord::LeftGeneration { index, generation.selection, generation.focus };
    };
    connect(&generations, &Generations::added, this, [this, left](int index, int leftIndex) {
        write(JournalRecord::generation(index, m_generations->all()[static_cast<std::size_t>(index)], left(leftIndex)));
    });
    connect(&generations, &Generations::shownAgain, this,
        [this, left](int index, int leftIndex) { write(JournalRecord::generationShown(index, left(leftIndex))); });
    connect(&generations, &Generations::hidden, this,
        [this, left](int leftIndex) { write(JournalRecord::breedClosed(left(leftIndex))); });
}

bool Journal::create()
{
    if (!QDir().mkpath(m_folder)) {
        // mkpath does not say why.
        const int error = folderError(m_folder);
        fail(error != 0 ? error : EIO);
        return false;
    }
    ::chmod(QFile::encodeName(m_folder).constData(), 0700);
    const QString base = JournalFolder::fileNameFor(m_start);
    for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
        // Another run that started in the same millisecond has its own name.
        QString name = base;
        if (attempt > 0)
            name.insert(name.size() - 6, QStringLiteral("-%1").arg(attempt + 1));
        const QString path = QDir(m_folder).filePath(name);
        Files::UniqueFd fd(::open(QFile::encodeName(path).constData(),
            O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.valid()) {
            m_fd = std::move(fd);
            m_path = path;
            m_syncer = std::thread([this] { syncLoop(); });
            return true;
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

void Journal::write(const QByteArray& record)
{
    if (m_failed)
        return;
    if (!m_fd.valid()) {
        if (!create())
            return;
        write(JournalRecord::run(m_start));
        if (m_failed)
            return;
    }
    if (!Files::writeAll(m_fd.get(), record)) {
        fail(errno);
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_dirty = true;
    }
    m_wake.notify_one();
}

void Journal::fail(int errorNumber)
{
    m_failed = true;
    emit failed(m_folder, qt_error_string(errorNumber));
}

void Journal::syncLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_dirty || m_stopping; });
        if (m_stopping)
            return;
        m_wake.wait_for(lock, SyncDelay, [this] { return m_stopping; });
        m_dirty = false;
        lock.unlock();
        // The descriptor stays open until this thread has been joined.
        ::fdatasync(m_fd.get());
        lock.lock();
    }
}
