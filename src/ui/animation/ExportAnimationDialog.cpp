#include "ui/animation/ExportAnimationDialog.h"

#include "program/Preferences.h"
#include "ui/windows/Guard.h"

#include <QCheckBox>
#include <QDir>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QtConcurrent>

#include <new>

namespace {

// An export that ends sooner shows no progress.
constexpr int AnimationProgressAfterMilliseconds = 500;

FileExportDialog::Choices animationChoices()
{
    const AnimationExportSettings& settings = Preferences::current().animationExport;
    return { settings.scale, settings.frame == Drawing::Frame::WholeTree, settings.smooth, settings.transparent };
}

// Runs on a thread of its own: everything it uses is its own copy, but the flag it stops at.
void runAnimationExport(QPromise<AnimationExportOutcome>& promise, const Morph& morph, const FrameTiming& timing,
    const Drawing::RenderOptions& options, Drawing::AnimationFormat format, const QString& fileName,
    const std::shared_ptr<std::atomic<bool>>& stop)
{
    AnimationExportOutcome outcome;
    try {
        const bool written
            = Drawing::exportAnimation(format, morph, timing, options, fileName, [&promise, &stop](int done, int) {
                  promise.setProgressValue(done);
                  return !stop->load();
              });
        outcome.end = written ? AnimationExportOutcome::End::Written : AnimationExportOutcome::End::Stopped;
    } catch (const RuntimeError& error) {
        outcome = { AnimationExportOutcome::End::Failed, error.message() };
    } catch (const std::bad_alloc&) {
        outcome = { AnimationExportOutcome::End::Failed,
            QStringLiteral("%1 (error 7)").arg(RuntimeError::standardText(RuntimeError::OutOfMemory)) };
    } catch (const std::exception& error) {
        outcome
            = { AnimationExportOutcome::End::Failed, Guard::UnexpectedErrorText(QString::fromLocal8Bit(error.what())) };
    }
    promise.addResult(outcome);
}

} // namespace

void ExportAnimationDialog::Open(QWidget* parent, const Morph& morph, double secondsPerStep, bool backAndForth)
{
    auto* dialog = new ExportAnimationDialog(parent, morph, secondsPerStep, backAndForth);
    if (parent)
        dialog->open();
    else
        dialog->show();
}

// The formats in the order of Drawing::AnimationFormat.
ExportAnimationDialog::ExportAnimationDialog(QWidget* parent, Morph morph, double secondsPerStep, bool backAndForth)
    : FileExportDialog(parent, QStringLiteral("Export Animation"),
        QDir::current().absoluteFilePath(QStringLiteral("animation.webp")), Drawing::MaxAnimationScale,
        animationChoices(),
        { { QStringLiteral("Animated WebP (*.webp)"), QStringLiteral("webp") },
            { QStringLiteral("Animated GIF (*.gif)"), QStringLiteral("gif") } },
        QStringLiteral("export animation"))
    , m_morph(std::move(morph))
    , m_secondsPerStep(secondsPerStep)
    , m_backAndForth(backAndForth)
    , m_export(new QFutureWatcher<AnimationExportOutcome>(this))
    , m_stop(std::make_shared<std::atomic<bool>>(false))
{
    setObjectName(QStringLiteral("ExportAnimationDialog"));
    spnFramesPerSecond = new QSpinBox(this);
    spnFramesPerSecond->setObjectName(QStringLiteral("spnFramesPerSecond"));
    spnFramesPerSecond->setRange(1, Drawing::MaxFramesPerSecond);
    spnFramesPerSecond->setValue(Preferences::current().animationExport.framesPerSecond);
    addFieldAfterScale(QStringLiteral("Frames &per second:"), spnFramesPerSecond);
    Guard::connect(
        m_export, &QFutureWatcher<AnimationExportOutcome>::finished, this, &ExportAnimationDialog::exportEnded);
}

ExportAnimationDialog::~ExportAnimationDialog()
{
    m_stop->store(true);
    m_export->waitForFinished();
}

bool ExportAnimationDialog::isExporting() const
{
    return m_exporting;
}

QProgressDialog* ExportAnimationDialog::progressDialog() const
{
    return m_progress;
}

FrameTiming ExportAnimationDialog::timing() const
{
    return { m_morph.pictures(), m_secondsPerStep, spnFramesPerSecond->value(), m_backAndForth };
}

void ExportAnimationDialog::keepChoices()
{
    Preferences::change([this](UserSettings& kept) {
        AnimationExportSettings& settings = kept.animationExport;
        settings.scale = spnScale->value();
        settings.framesPerSecond = spnFramesPerSecond->value();
        settings.frame = cbxWholeTree->isChecked() ? Drawing::Frame::WholeTree : Drawing::Frame::Window;
        settings.smooth = cbxSmooth->isChecked();
        settings.transparent = cbxTransparent->isChecked();
    });
}

void ExportAnimationDialog::checkSize(int format)
{
    Drawing::animationImageFrame(static_cast<Drawing::AnimationFormat>(format), m_morph, timing(),
        Preferences::current().animationExport.options());
}

void ExportAnimationDialog::write(int format, const QString& fileName)
{
    const FrameTiming frames = timing();
    auto* progress = new QProgressDialog(
        QStringLiteral("Exporting \"%1\"...").arg(fileName), QStringLiteral("Cancel"), 0, frames.loopLength(), this);
    progress->setObjectName(QStringLiteral("ExportAnimationProgress"));
    progress->setWindowTitle(QStringLiteral("Export Animation"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(AnimationProgressAfterMilliseconds);
    progress->setValue(0);
    m_progress = progress;
    connect(progress, &QProgressDialog::canceled, this, [stop = m_stop] { stop->store(true); });
    connect(
        m_export, &QFutureWatcher<AnimationExportOutcome>::progressValueChanged, progress, &QProgressDialog::setValue);
    btnExport->setEnabled(false);
    btnBrowse->setEnabled(false);
    m_exporting = true;

    m_stop->store(false);
    m_export->setFuture(
        QtConcurrent::run(runAnimationExport, m_morph, frames, Preferences::current().animationExport.options(),
            static_cast<Drawing::AnimationFormat>(format), fileName, m_stop));
}

void ExportAnimationDialog::exportEnded()
{
    m_exporting = false;
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
    }
    btnExport->setEnabled(true);
    btnBrowse->setEnabled(true);
    const AnimationExportOutcome outcome = m_export->result();
    switch (outcome.end) {
    case AnimationExportOutcome::End::Written:
        accept();
        break;
    case AnimationExportOutcome::End::Failed:
        Guard::ShowError(this, outcome.error);
        break;
    case AnimationExportOutcome::End::Stopped:
        break;
    }
}
