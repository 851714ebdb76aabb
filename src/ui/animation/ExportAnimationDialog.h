#pragma once
// The Export Animation dialog: a file whose suffix gives the format (.webp or .gif), the scale, the frame rate,
// the frame and the edges; the export runs beside the window, with a progress dialog when it takes a while.

#include "core/animation/FrameTiming.h"
#include "core/animation/Morph.h"
#include "core/export/AnimationRender.h"
#include "ui/export/FileExportDialog.h"

#include <QPointer>

#include <atomic>
#include <memory>

class QProgressDialog;
class QSpinBox;
template <typename T> class QFutureWatcher;

// How an export running beside the window ended.
struct AnimationExportOutcome {
    enum class End { Written, Stopped, Failed };
    End end = End::Stopped;
    // Failed: the error's message.
    QString error;
};

class ExportAnimationDialog final : public FileExportDialog {
    Q_OBJECT

public:
    // Shows the dialog for the morph at this pace, window-modal to parent when there is one, and returns at
    // once; the dialog goes when it closes.
    static void Open(QWidget* parent, const Morph& morph, double secondsPerStep, bool backAndForth);

    ExportAnimationDialog(QWidget* parent, Morph morph, double secondsPerStep, bool backAndForth);
    // An export still running is stopped, and leaves nothing behind.
    ~ExportAnimationDialog() override;

    QSpinBox* spnFramesPerSecond;

    bool isExporting() const;
    // The progress dialog of the export running, or null.
    QProgressDialog* progressDialog() const;

private:
    void keepChoices() override;
    void checkSize(int format) override;
    void write(int format, const QString& fileName) override;
    FrameTiming timing() const;
    void exportEnded();

    Morph m_morph;
    double m_secondsPerStep;
    bool m_backAndForth;
    QFutureWatcher<AnimationExportOutcome>* m_export;
    // Set to stop the export running; the export holds it too.
    std::shared_ptr<std::atomic<bool>> m_stop;
    bool m_exporting = false;
    QPointer<QProgressDialog> m_progress;
};
