#include "core/album/AlbumModel.h"

#include "core/album/FolderListing.h"
#include "core/album/Likeness.h"
#include "core/files/RenameFile.h"
#include "core/platform/RuntimeError.h"
#include "core/thumbnails/ThumbnailCache.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMutexLocker>
#include <QThread>
#include <QtConcurrent>

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Changes to the folder are gathered this long before it is listed again, well within a second.
constexpr int RelistDelayMs = 250;
// Beyond this many files gone at once, the rows are made afresh rather than taken out a run at a time.
constexpr qsizetype MaxRowsRemovedInRuns = 64;
// Files without a code sort after every code by likeness, which is at most 1.
constexpr double NoLikeness = 2.0;

struct ListingResult {
    Listing listing;
    QString error;
};

ListingResult listingOf(const QString& folder, bool subfolders, bool withTimes)
{
    ListingResult result;
    try {
        result.listing = FolderListing::list(folder, subfolders, withTimes);
    } catch (const RuntimeError& error) {
        result.error = error.message();
    } catch (const std::bad_alloc&) {
        result.error = RuntimeError(RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
            QStringLiteral("in \"%1\"").arg(folder))
                           .message();
    }
    return result;
}

const QList<int> FoundRoles { Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole,
    AlbumModel::DamageRole, AlbumModel::LikenessRole };

} // namespace

AlbumModel::AlbumModel(ThumbnailCache& cache, QObject* parent)
    : QAbstractListModel(parent)
    , m_cache(cache)
    , m_side(ThumbnailCache::NormalSide)
    , m_queue(QThread::idealThreadCount())
{
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    m_relist.setSingleShot(true);
    m_relist.setInterval(RelistDelayMs);
    // Another listing must see what changed in files it knows.
    connect(&m_relist, &QTimer::timeout, this, [this] { relist(true); });
    const auto changed = [this] {
        if (!m_relist.isActive())
            m_relist.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
}

AlbumModel::~AlbumModel()
{
    m_queue.clear();
    m_pool.waitForDone();
}

void AlbumModel::open(const QString& folder, bool subfolders)
{
    FolderListing::checkReadable(folder);
    m_folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_subfolders = subfolders;
    // A listing still running was of another folder.
    ++m_listing;
    // The rows come sooner without the files' times, which their readers find.
    relist(false);
}

void AlbumModel::setSubfolders(bool subfolders)
{
    m_subfolders = subfolders;
    ++m_listing;
    relist(true);
}

void AlbumModel::setSide(int side)
{
    if (side == m_side)
        return;
    m_side = side;
    m_images.clear();
    if (!m_files.empty())
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::DecorationRole });
    requeue();
}

void AlbumModel::relist(bool withTimes)
{
    if (m_listingRunning) {
        m_listAgain = true;
        return;
    }
    m_listingRunning = true;
    const int generation = ++m_listing;
    auto* watcher = new QFutureWatcher<ListingResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        const ListingResult result = watcher->result();
        watcher->deleteLater();
        m_listingRunning = false;
        takeListing(generation, result.listing, result.error);
        if (std::exchange(m_listAgain, false))
            relist(true);
    });
    watcher->setFuture(QtConcurrent::run(listingOf, m_folder, m_subfolders, withTimes));
}

void AlbumModel::takeListing(int generation, const Listing& listing, const QString& error)
{
    // A later listing is on its way.
    if (generation != m_listing)
        return;
    if (!error.isEmpty()) {
        emit listingFailed(error);
        return;
    }
    QHash<QString, const AlbumFile*> byPath;
    byPath.reserve(listing.files.size());
    for (const AlbumFile& file : listing.files)
        byPath.insert(file.path, &file);
    QSet<QString> gone;
    for (const AlbumFile& file : m_files)
        if (!byPath.contains(file.path))
            gone.insert(file.path);

    if (m_files.empty() || gone.size() > MaxRowsRemovedInRuns) {
        // What is known of the files that stayed as they were is kept.
        std::vector<AlbumFile> files;
        files.reserve(static_cast<std::size_t>(listing.files.size()));
        for (const AlbumFile& file : listing.files) {
            const int row = rowOf(file.path);
            if (row >= 0 && m_files[static_cast<std::size_t>(row)].sameVersion(file)) {
                files.push_back(m_files[static_cast<std::size_t>(row)]);
            } else {
                files.push_back(file);
                m_images.remove(file.path);
            }
        }
        for (const QString& path : gone) {
            m_images.remove(path);
            m_shown.remove(path);
        }
        beginResetModel();
        m_files = std::move(files);
        indexRows();
        endResetModel();
    } else {
        removeFiles(gone);
        for (std::size_t row = 0; row < m_files.size(); ++row) {
            AlbumFile& file = m_files[row];
            const AlbumFile& now = *byPath.value(file.path);
            if (file.sameVersion(now))
                continue;
            file = now;
            m_images.remove(file.path);
            const QModelIndex changed = index(static_cast<int>(row));
            emit dataChanged(changed, changed);
        }
        std::vector<AlbumFile> added;
        for (const AlbumFile& file : listing.files)
            if (!m_rows.contains(file.path))
                added.push_back(file);
        if (!added.empty()) {
            beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(added.size()) - 1);
            std::move(added.begin(), added.end(), std::back_inserter(m_files));
            indexRows();
            endInsertRows();
        }
    }
    for (AlbumFile& file : m_files)
        file.likeness = likenessOf(file);
    watchFolders(listing.folders);
    // A file replaced by another under its name is watched no more.
    watchShownFiles();
    requeue();
}

namespace {

// Gives watcher these paths of one kind in place of those it has.
void watchOnly(QFileSystemWatcher& watcher, const QStringList& watched, const QSet<QString>& wanted)
{
    const QSet<QString> had(watched.cbegin(), watched.cend());
    const QSet<QString> gone = had - wanted;
    const QSet<QString> added = wanted - had;
    if (!gone.isEmpty())
        watcher.removePaths(gone.values());
    // A watch the system does not allow (it allows a number) is gone without; a listing sees the change later.
    if (!added.isEmpty())
        watcher.addPaths(added.values());
}

} // namespace

void AlbumModel::watchFolders(const QStringList& folders)
{
    watchOnly(m_watcher, m_watcher.directories(), QSet<QString>(folders.cbegin(), folders.cend()));
}

void AlbumModel::watchShownFiles()
{
    watchOnly(m_watcher, m_watcher.files(), m_shown);
}

void AlbumModel::removeFiles(const QSet<QString>& paths)
{
    std::vector<int> rows;
    for (const QString& path : paths) {
        if (const int row = rowOf(path); row >= 0)
            rows.push_back(row);
        m_images.remove(path);
        m_shown.remove(path);
    }
    std::sort(rows.begin(), rows.end(), std::greater<>());
    // Runs of neighbouring rows, the last first, so that the rows before a run keep their numbers.
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] - 1)
            ++end;
        const int first = rows[end - 1];
        const int last = rows[i];
        beginRemoveRows({}, first, last);
        m_files.erase(m_files.begin() + first, m_files.begin() + last + 1);
        endRemoveRows();
        i = end;
    }
    if (!rows.empty())
        indexRows();
}

void AlbumModel::indexRows()
{
    m_rows.clear();
    m_rows.reserve(static_cast<qsizetype>(m_files.size()));
    for (std::size_t row = 0; row < m_files.size(); ++row)
        m_rows.insert(m_files[row].path, static_cast<int>(row));
}

void AlbumModel::prioritise(const std::vector<int>& rows, int shown)
{
    m_order = rows;
    m_shownCount = shown;
    m_prioritised = true;
    m_shown.clear();
    for (int i = 0; i < std::min(shown, static_cast<int>(rows.size())); ++i)
        if (rows[static_cast<std::size_t>(i)] >= 0 && rows[static_cast<std::size_t>(i)] < rowCount())
            m_shown.insert(file(rows[static_cast<std::size_t>(i)]).path);
    watchShownFiles();
    requeue();
}

void AlbumModel::requeue()
{
    if (m_prioritised)
        startWorkers(m_queue.replace(jobsFor(m_order, m_shownCount)));
}

bool AlbumModel::needsWork(const AlbumFile& file) const
{
    return !file.read || (!file.damaged() && file.cachedSide != m_side);
}

std::vector<ThumbnailJob> AlbumModel::jobsFor(const std::vector<int>& rows, int shown) const
{
    std::vector<char> given(m_files.size(), 0);
    std::vector<ThumbnailJob> jobs;
    const auto consider = [&](int row, bool inView) {
        if (row < 0 || row >= rowCount() || given[static_cast<std::size_t>(row)])
            return;
        given[static_cast<std::size_t>(row)] = 1;
        const AlbumFile& found = file(row);
        const bool decode = inView && !found.damaged() && !m_images.contains(found.path);
        if (decode || needsWork(found))
            jobs.push_back({ found.path, m_side, decode });
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        consider(rows[i], static_cast<int>(i) < shown);
    for (int row = 0; row < rowCount(); ++row)
        consider(row, false);
    return jobs;
}

void AlbumModel::startWorkers(int count)
{
    for (int i = 0; i < count; ++i)
        m_pool.start([this] {
            while (const std::optional<ThumbnailJob> job = m_queue.take()) {
                ThumbnailOutcome outcome = ThumbnailWork::run(m_cache, *job);
                m_queue.done(job->path);
                post(std::move(outcome));
            }
        });
}

void AlbumModel::post(ThumbnailOutcome outcome)
{
    bool first = false;
    {
        const QMutexLocker lock(&m_outcomesLock);
        m_outcomes.push_back(std::move(outcome));
        first = !std::exchange(m_outcomesPosted, true);
    }
    // The model waits for its workers before it goes, and a call still queued for it goes with it.
    if (first)
        QMetaObject::invokeMethod(this, &AlbumModel::takeOutcomes, Qt::QueuedConnection);
}

void AlbumModel::takeOutcomes()
{
    std::vector<ThumbnailOutcome> outcomes;
    {
        const QMutexLocker lock(&m_outcomesLock);
        outcomes.swap(m_outcomes);
        m_outcomesPosted = false;
    }
    bool undecoded = false;
    for (ThumbnailOutcome& outcome : outcomes) {
        const int row = rowOf(outcome.path);
        if (row < 0)
            continue;
        AlbumFile& found = m_files[static_cast<std::size_t>(row)];
        QList<int> roles = FoundRoles;
        if (!found.modified.isValid()) {
            // Listed without its time, which its reader found.
            found.modified = outcome.modified;
            found.size = outcome.size;
            roles.append(ModifiedRole);
        } else if (outcome.mtime >= 0 && outcome.mtime != found.modified.toSecsSinceEpoch()) {
            // A file changed since it was listed is read again when it is listed again.
            if (!m_relist.isActive())
                m_relist.start();
            continue;
        }
        found.read = true;
        found.code = std::move(outcome.code);
        found.damage = std::move(outcome.damage);
        found.likeness = likenessOf(found);
        if (outcome.side == m_side) {
            found.cachedSide = outcome.cached ? outcome.side : 0;
            if (!outcome.image.isNull())
                m_images.insert(found.path, outcome.image);
            // Read while the view was elsewhere, and in view now.
            undecoded = undecoded
                || (!outcome.decode && !found.damaged() && m_shown.contains(found.path)
                    && !m_images.contains(found.path));
        }
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed, roles);
    }
    if (undecoded)
        requeue();
}

double AlbumModel::likenessOf(const AlbumFile& file) const
{
    return file.code && m_likenessFrom ? Likeness::distance(*m_likenessFrom, *file.code) : NoLikeness;
}

void AlbumModel::measureLikeness(const GeneticCode& from)
{
    m_likenessFrom = from;
    for (AlbumFile& file : m_files)
        file.likeness = likenessOf(file);
}

QString AlbumModel::rename(int row, const QString& name)
{
    AlbumFile& renamed = m_files[static_cast<std::size_t>(row)];
    const QFileInfo old(renamed.path);
    const QString base = name.trimmed();
    if (base.isEmpty() || base.contains(QLatin1Char('/')) || base == u"." || base == u"..")
        return QStringLiteral("\"%1\" cannot be the name of a file.").arg(name);
    const QString path = old.dir().filePath(base + QLatin1Char('.') + old.suffix());
    if (path == renamed.path)
        return {};
    try {
        Files::renameWithoutReplacing(renamed.path, path);
    } catch (const RuntimeError& error) {
        return error.message();
    }
    // The picture is the same; the cache knows it by its new name only once it is made again.
    const QImage image = m_images.take(renamed.path);
    m_images.remove(renamed.path);
    m_rows.remove(renamed.path);
    if (m_shown.remove(renamed.path))
        m_shown.insert(path);
    const QString relative = QDir(m_folder).relativeFilePath(path);
    renamed.path = path;
    renamed.name = relative.left(relative.size() - old.suffix().size() - 1);
    renamed.cachedSide = 0;
    m_rows.insert(path, row);
    watchShownFiles();
    if (!image.isNull())
        m_images.insert(path, image);
    emit dataChanged(index(row), index(row));
    requeue();
    return {};
}

QStringList AlbumModel::moveToTrash(const QStringList& paths)
{
    QStringList reasons;
    QSet<QString> moved;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.moveToTrash())
            moved.insert(path);
        else
            reasons.append(QStringLiteral("\"%1\": %2").arg(path, file.errorString()));
    }
    removeFiles(moved);
    return reasons;
}

bool AlbumModel::settled() const
{
    for (const AlbumFile& found : m_files)
        if (needsWork(found))
            return false;
    for (const QString& path : m_shown) {
        const int row = rowOf(path);
        if (row >= 0 && !file(row).damaged() && !m_images.contains(path))
            return false;
    }
    return true;
}

int AlbumModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_files.size());
}

QVariant AlbumModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AlbumFile& found = file(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return found.name;
    case Qt::EditRole:
        return QFileInfo(found.path).completeBaseName();
    case Qt::DecorationRole: {
        const QImage image = m_images.take(found.path);
        return image.isNull() ? QVariant() : QVariant(image);
    }
    case Qt::ToolTipRole:
        return found.damaged() ? QStringLiteral("%1\n%2").arg(found.path, found.damage) : found.path;
    case Qt::AccessibleDescriptionRole:
        return found.damaged() ? QStringLiteral("damaged: %1").arg(found.damage) : QString();
    case PathRole:
        return found.path;
    case ModifiedRole:
        return found.modified;
    case DamageRole:
        return found.damage;
    case LikenessRole:
        return found.likeness;
    default:
        return {};
    }
}

Qt::ItemFlags AlbumModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
        | Qt::ItemNeverHasChildren;
}

bool AlbumModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString reason = rename(index.row(), value.toString());
    if (!reason.isEmpty())
        emit renameFailed(reason);
    return reason.isEmpty();
}
