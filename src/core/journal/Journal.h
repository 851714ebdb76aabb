#pragma once
// The journal of the running program: every picture opened, closed, saved or reopened, and every generation of the
// Breed window, written as it happens.
//
// Each record reaches the file before the event's handler returns, so a program killed at any moment
// has every earlier event in its journal; the file is made durable on the disk off the user's thread.
// The file is created, mode 0600, with the run's first record, a picture or a generation: a run with neither leaves
// none.

#include "core/breeding/Generations.h"
#include "core/files/UniqueFd.h"
#include "core/history/RunHistory.h"
#include "core/journal/JournalRecord.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

class Journal final : public QObject {
    Q_OBJECT

public:
    // Keeps the journal of the run that started at start in folder, created when first needed.
    Journal(QString folder, QDateTime start, QObject* parent = nullptr);
    ~Journal() override;

    // Writes every event of history from now on.
    void follow(const RunHistory& history);
    // Writes every generation of the Breed window from now on, every one shown, and the window closing.
    void follow(const Generations& generations);

    const QString& folder() const { return m_folder; }
    // The journal's file; empty until its first record.
    const QString& path() const { return m_path; }
    // False once a write failed: the run goes on without a journal.
    bool keeping() const { return !m_failed; }

signals:
    // The first failed write, naming the folder and the system's reason; nothing is written afterwards.
    void failed(const QString& folder, const QString& reason);

private:
    void write(const QByteArray& record);
    bool create();
    void fail(int errorNumber);
    void syncLoop();

    const RunHistory* m_history = nullptr;
    const Generations* m_generations = nullptr;
    QString m_folder;
    QDateTime m_start;
    QString m_path;
    Files::UniqueFd m_fd;
    bool m_failed = false;

    // Records written since the last sync; the thread makes them durable.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_dirty = false;
    bool m_stopping = false;
    std::thread m_syncer;
};
