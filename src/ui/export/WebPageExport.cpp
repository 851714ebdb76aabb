#include "ui/export/WebPageExport.h"

#include "core/platform/RuntimeError.h"
#include "ui/windows/FileDialogs.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QFutureWatcher>
#include <QProgressDialog>
#include <QPromise>
#include <QtConcurrent>

#include <new>

namespace {

// Writing that ends sooner shows no progress.
constexpr int WebPageProgressAfterMilliseconds = 500;

// Remembered by every window that writes web pages.
const QString WebPageDialogName = QStringLiteral("export web page");

void writeInBackground(QPromise<QStringList>& promise, const QString& folder, const WebPageExport::Writer& write)
{
    QStringList errors;
    try {
        errors = write(folder, [&promise](int done, int) {
            promise.setProgressValue(done);
            return !promise.isCanceled();
        });
    } catch (const RuntimeError& error) {
        errors = { error.message() };
    } catch (const std::bad_alloc&) {
        errors = { QStringLiteral("%1 (error 7)").arg(RuntimeError::standardText(RuntimeError::OutOfMemory)) };
    } catch (const std::exception& error) {
        errors = { Guard::UnexpectedErrorText(QString::fromLocal8Bit(error.what())) };
    }
    promise.addResult(errors);
}

} // namespace

WebPageExport::WebPageExport(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_watcher(new QFutureWatcher<QStringList>(this))
{
    connect(
        m_watcher, &QFutureWatcher<QStringList>::finished, this, [this] { Guard::run(m_window, [this] { ended(); }); });
}

WebPageExport::~WebPageExport()
{
    m_watcher->cancel();
    m_watcher->waitForFinished();
}

void WebPageExport::ask(std::function<void(const QString& folder)> chosen)
{
    FileDialogs::chooseFolder(m_window, { .name = WebPageDialogName, .caption = QStringLiteral("Export as Web Page") },
        FileDialogs::Next::BesideChosen, std::move(chosen), QStringLiteral("Export"));
}

bool WebPageExport::isRunning() const
{
    return m_watcher->isRunning();
}

void WebPageExport::start(const QString& folder, int pictures, Writer write)
{
    if (isRunning())
        return;
    auto* progress = new QProgressDialog(QStringLiteral("Writing the web page into \"%1\"...").arg(folder),
        QStringLiteral("Cancel"), 0, pictures, m_window);
    progress->setObjectName(QStringLiteral("WebPageProgress"));
    progress->setWindowTitle(QStringLiteral("Export as Web Page"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(WebPageProgressAfterMilliseconds);
    progress->setValue(0);
    m_progress = progress;
    connect(progress, &QProgressDialog::canceled, m_watcher, &QFutureWatcher<QStringList>::cancel);
    connect(m_watcher, &QFutureWatcher<QStringList>::progressValueChanged, progress, &QProgressDialog::setValue);
    m_watcher->setFuture(QtConcurrent::run(writeInBackground, folder, std::move(write)));
}

void WebPageExport::ended()
{
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
    }
    // Stopped: nothing was left behind, and there is nothing to say.
    const QFuture<QStringList> future = m_watcher->future();
    if (future.isCanceled() || future.resultCount() == 0)
        return;
    if (const QStringList errors = future.result(); !errors.isEmpty())
        Guard::ShowError(m_window, errors.join(u'\n'));
}
