#pragma once
// A web page written beside a window: a new or empty folder asked for, the page written on a worker thread with its
// progress when that takes a while, and what went wrong shown when it ends. The family tree and the album share it.

#include "core/webpage/WebPage.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QProgressDialog;
class QWidget;
template <typename T> class QFutureWatcher;

class WebPageExport final : public QObject {
    Q_OBJECT

public:
    // Runs on the worker thread: writes the page into folder, telling progress of each picture done, and gives what
    // the page left out; an error it throws tells why nothing was written.
    using Writer = std::function<QStringList(const QString& folder, const WebPage::Progress& progress)>;

    // window: the dialogs' parent; it must outlive this, which it does as its child.
    explicit WebPageExport(QWidget* window);
    // A page still being written is stopped, and leaves nothing behind.
    ~WebPageExport() override;

    // Shows the folder dialog, which remembers its folder, and returns at once; chosen is called with the folder.
    void ask(std::function<void(const QString& folder)> chosen);
    // Starts writing the page of pictures pictures into folder; nothing when one is being written.
    void start(const QString& folder, int pictures, Writer write);
    bool isRunning() const;

private:
    void ended();

    QWidget* m_window;
    QFutureWatcher<QStringList>* m_watcher;
    QPointer<QProgressDialog> m_progress;
};
