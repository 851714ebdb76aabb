#include "ui/animation/ExportAnimationDialog.h"

#include "program/Preferences.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QtConcurrent>

#include <new>

namespace {

// In the order of Drawing::AnimationFormat.
const QStringList AnimationFormatFilters { QStringLiteral("Animated WebP (*.webp)"),
    QStringLiteral("Animated GIF (*.gif)") };
// The file dialog's name among those whose folders are remembered.
const QString AnimationFolderName = QStringLiteral("export animation");
// An export that ends sooner shows no progress.
constexpr int AnimationProgressAfterMilliseconds = 500;

QMessageBox* animationMessageBox(
    QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons, QWidget* parent)
{
    auto* box = new QMessageBox(icon, QStringLiteral("Export Animation"), text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

QString suffixOfAnimation(Drawing::AnimationFormat format)
{
    return format == Drawing::AnimationFormat::Gif ? QStringLiteral("gif") : QStringLiteral("webp");
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

ExportAnimationDialog::ExportAnimationDialog(QWidget* parent, Morph morph, double secondsPerStep, bool backAndForth)
    : QDialog(parent)
    , m_morph(std::move(morph))
    , m_secondsPerStep(secondsPerStep)
    , m_backAndForth(backAndForth)
    , m_export(new QFutureWatcher<AnimationExportOutcome>(this))
    , m_stop(std::make_shared<std::atomic<bool>>(false))
{
    setObjectName(QStringLiteral("ExportAnimationDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Export Animation"));
    const AnimationExportSettings& settings = Preferences::current().animationExport;

    txtFile = new QLineEdit(
        QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("animation.webp"))), this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setAccessibleName(QStringLiteral("File"));
    txtFile->setMinimumWidth(360);
    txtFile->selectAll();
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    btnBrowse->setAccessibleName(QStringLiteral("Browse"));
    spnScale = new QSpinBox(this);
    spnScale->setObjectName(QStringLiteral("spnScale"));
    spnScale->setAccessibleName(QStringLiteral("Scale"));
    spnScale->setRange(Drawing::MinScale, Drawing::MaxAnimationScale);
    spnScale->setValue(settings.scale);
    spnFramesPerSecond = new QSpinBox(this);
    spnFramesPerSecond->setObjectName(QStringLiteral("spnFramesPerSecond"));
    spnFramesPerSecond->setAccessibleName(QStringLiteral("Frames per second"));
    spnFramesPerSecond->setRange(1, Drawing::MaxFramesPerSecond);
    spnFramesPerSecond->setValue(settings.framesPerSecond);
    cbxWholeTree = new QCheckBox(QStringLiteral("&Whole tree"), this);
    cbxWholeTree->setObjectName(QStringLiteral("cbxWholeTree"));
    cbxWholeTree->setAccessibleName(QStringLiteral("Whole tree"));
    cbxWholeTree->setChecked(settings.frame == Drawing::Frame::WholeTree);
    cbxSmooth = new QCheckBox(QStringLiteral("S&mooth edges"), this);
    cbxSmooth->setObjectName(QStringLiteral("cbxSmooth"));
    cbxSmooth->setAccessibleName(QStringLiteral("Smooth edges"));
    cbxSmooth->setChecked(settings.smooth);
    cbxTransparent = new QCheckBox(QStringLiteral("&Transparent background"), this);
    cbxTransparent->setObjectName(QStringLiteral("cbxTransparent"));
    cbxTransparent->setAccessibleName(QStringLiteral("Transparent background"));
    cbxTransparent->setChecked(settings.transparent);
    btnExport = new QPushButton(QStringLiteral("&Export"), this);
    btnExport->setObjectName(QStringLiteral("btnExport"));
    btnExport->setAccessibleName(QStringLiteral("Export"));
    btnExport->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAccessibleName(QStringLiteral("Cancel"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFile, 1);
    fileRow->addWidget(btnBrowse);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnExport, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
    auto* form = new QFormLayout(this);
    auto* lblFile = new QLabel(QStringLiteral("&File:"), this);
    lblFile->setBuddy(txtFile);
    form->addRow(lblFile, fileRow);
    auto* lblScale = new QLabel(QStringLiteral("&Scale:"), this);
    lblScale->setBuddy(spnScale);
    form->addRow(lblScale, spnScale);
    auto* lblFramesPerSecond = new QLabel(QStringLiteral("Frames &per second:"), this);
    lblFramesPerSecond->setBuddy(spnFramesPerSecond);
    form->addRow(lblFramesPerSecond, spnFramesPerSecond);
    form->addRow(QString(), cbxWholeTree);
    form->addRow(QString(), cbxSmooth);
    form->addRow(QString(), cbxTransparent);
    form->addRow(buttons);

    setTabOrder(txtFile, btnBrowse);
    setTabOrder(btnBrowse, spnScale);
    setTabOrder(spnScale, spnFramesPerSecond);
    setTabOrder(spnFramesPerSecond, cbxWholeTree);
    setTabOrder(cbxWholeTree, cbxSmooth);
    setTabOrder(cbxSmooth, cbxTransparent);
    setTabOrder(cbxTransparent, btnExport);
    setTabOrder(btnExport, btnCancel);
    txtFile->setFocus();

    Guard::connect(btnBrowse, &QPushButton::clicked, this, &ExportAnimationDialog::btnBrowse_Click);
    Guard::connect(btnExport, &QPushButton::clicked, this, &ExportAnimationDialog::btnExport_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
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

void ExportAnimationDialog::btnBrowse_Click()
{
    const QFileInfo typed(txtFile->text());
    auto* dialog = new QFileDialog(this, QStringLiteral("Export Animation"),
        QDir(Remembered::folder(AnimationFolderName, typed.absolutePath())).filePath(typed.fileName()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Export itself asks before it replaces a file; once is enough.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilters(AnimationFormatFilters);
    const Drawing::AnimationFormat format
        = Drawing::animationFormatOfFileName(txtFile->text()).value_or(Drawing::AnimationFormat::WebP);
    dialog->selectNameFilter(AnimationFormatFilters.at(static_cast<int>(format)));
    dialog->setDefaultSuffix(suffixOfAnimation(format));
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        const qsizetype index = AnimationFormatFilters.indexOf(filter);
        if (index >= 0)
            dialog->setDefaultSuffix(suffixOfAnimation(static_cast<Drawing::AnimationFormat>(index)));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& fileName) {
        Remembered::keepFolder(AnimationFolderName, fileName);
        txtFile->setText(QDir::toNativeSeparators(fileName));
    });
    dialog->open();
}

void ExportAnimationDialog::btnExport_Click()
{
    if (isExporting())
        return;
    const QString fileName = txtFile->text();
    const std::optional<Drawing::AnimationFormat> format = Drawing::animationFormatOfFileName(fileName);
    if (!format) {
        refuseSuffix(fileName);
        return;
    }
    remember();
    // A frame too big is refused before the user is asked anything.
    Drawing::animationImageFrame(*format, m_morph, timing(), Preferences::current().animationExport.options());
    if (QFileInfo(fileName).isFile())
        askToReplace(*format, fileName);
    else
        write(*format, fileName);
}

void ExportAnimationDialog::remember() const
{
    AnimationExportSettings& settings = Preferences::current().animationExport;
    settings.scale = spnScale->value();
    settings.framesPerSecond = spnFramesPerSecond->value();
    settings.frame = cbxWholeTree->isChecked() ? Drawing::Frame::WholeTree : Drawing::Frame::Window;
    settings.smooth = cbxSmooth->isChecked();
    settings.transparent = cbxTransparent->isChecked();
}

void ExportAnimationDialog::refuseSuffix(const QString& fileName)
{
    animationMessageBox(QMessageBox::Warning,
        QStringLiteral("\"%1\" cannot be exported: the file name must end in .webp or .gif, which says how to "
                       "write it.")
            .arg(fileName),
        QMessageBox::Ok, this)
        ->open();
}

void ExportAnimationDialog::askToReplace(Drawing::AnimationFormat format, const QString& fileName)
{
    QMessageBox* box = animationMessageBox(QMessageBox::Question,
        QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(fileName),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [this, box, format, fileName] {
        if (box->standardButton(box->clickedButton()) == QMessageBox::Yes)
            Guard::run(this, [&] { write(format, fileName); });
    });
    box->open();
}

void ExportAnimationDialog::write(Drawing::AnimationFormat format, const QString& fileName)
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
    m_export->setFuture(QtConcurrent::run(runAnimationExport, m_morph, frames,
        Preferences::current().animationExport.options(), format, fileName, m_stop));
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
