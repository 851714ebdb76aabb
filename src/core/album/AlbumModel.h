#pragma once
// An album: a folder's genetic code files as rows, each with its name, its thumbnail and what reading it found, kept
// up to date as other programs change the folder. Workers read the files and draw, nearest to the view first.
//
// The folders are watched, which sees files added, removed and saved whole; the files in and near the view are
// watched too, which sees them written in place. Qt's watch looks each new path up among those it has, so it is
// never given a folder's thousands of files.

#include "core/album/AlbumFile.h"
#include "core/album/ImageLru.h"
#include "core/album/ThumbnailQueue.h"

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

#include <optional>
#include <vector>

struct Listing;
class ThumbnailCache;

class AlbumModel final : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        PathRole = Qt::UserRole + 1,
        ModifiedRole,
        // The reader's message; empty for a file that reads.
        DamageRole,
        LikenessRole,
    };

    // Decoded thumbnails held for the rows in and near the view, at most.
    static constexpr qint64 MaxImageBytes = 96LL * 1024 * 1024;

    // cache: where thumbnails are found and kept; it outlives the model.
    explicit AlbumModel(ThumbnailCache& cache, QObject* parent = nullptr);
    ~AlbumModel() override;

    // Lists folder, and when subfolders those below it, then watches them. Fails naming folder when it cannot be
    // read; the rows come once the listing is done.
    void open(const QString& folder, bool subfolders);
    const QString& folder() const { return m_folder; }
    void setSubfolders(bool subfolders);
    // ThumbnailCache::NormalSide or LargeSide.
    void setSide(int side);

    const AlbumFile& file(int row) const { return m_files[static_cast<std::size_t>(row)]; }
    // The row of the file at path, or -1.
    int rowOf(const QString& path) const { return m_rows.value(path, -1); }

    // Has the workers start afresh with rows, in this order; the first shown of them are in or near the view, and
    // their thumbnails are decoded to be held. Rows not given are worked on after them. The workers first start
    // here, once the view knows where it is.
    void prioritise(const std::vector<int>& rows, int shown);
    // How unlike each file's code is to from, as LikenessRole gives it from now on; files without a code come last.
    // Sorting by the role afterwards orders them.
    void measureLikeness(const GeneticCode& from);

    // Gives row's file the name, its suffix kept, never over another file. The reason when it could not be done.
    QString rename(int row, const QString& name);
    // Moves each file to the desktop's trash; the reasons for those that could not be moved.
    QStringList moveToTrash(const QStringList& paths);

    // Whether every file has been read and has its thumbnail kept at the side, and every row last given as shown
    // has its image held.
    bool settled() const;
    const ImageLru& images() const { return m_images; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The folder could not be listed again: the reason.
    void listingFailed(const QString& message);
    // A rename made by editing a row's name failed: the reason.
    void renameFailed(const QString& message);

private:
    void relist(bool withTimes);
    void takeListing(int generation, const Listing& listing, const QString& error);
    void watchFolders(const QStringList& folders);
    // Watches the files in and near the view, and those only.
    void watchShownFiles();
    void removeFiles(const QSet<QString>& paths);
    void indexRows();
    // Gives what workers found to the rows.
    void post(ThumbnailOutcome outcome);
    void takeOutcomes();
    // Has the workers start afresh in the order last given.
    void requeue();
    void startWorkers(int count);
    // The rows that need a worker, in the order given and then the rest.
    std::vector<ThumbnailJob> jobsFor(const std::vector<int>& rows, int shown) const;
    bool needsWork(const AlbumFile& file) const;
    double likenessOf(const AlbumFile& file) const;

    ThumbnailCache& m_cache;
    QString m_folder;
    bool m_subfolders = false;
    int m_side;
    std::vector<AlbumFile> m_files;
    QHash<QString, int> m_rows;
    std::optional<GeneticCode> m_likenessFrom;

    mutable ImageLru m_images { MaxImageBytes };
    std::vector<int> m_order;
    int m_shownCount = 0;
    bool m_prioritised = false;
    QSet<QString> m_shown;

    QFileSystemWatcher m_watcher;
    QTimer m_relist;
    int m_listing = 0;
    // One listing runs at a time; a change seen meanwhile lists again after it.
    bool m_listingRunning = false;
    bool m_listAgain = false;

    QMutex m_outcomesLock;
    std::vector<ThumbnailOutcome> m_outcomes;
    bool m_outcomesPosted = false;
    ThumbnailQueue m_queue;
    QThreadPool m_pool;
};
