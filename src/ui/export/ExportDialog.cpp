#include "ui/export/ExportDialog.h"

#include "core/export/RasterRender.h"
#include "program/Preferences.h"
#include "ui/windows/Remembered.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QSpinBox>

namespace {

// The name the export's folder is remembered by.
const QString ExportPictureFolder = QStringLiteral("export picture");

// A large image takes a while; the pointer says so, and comes back however the export ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

FileExportDialog::Choices pictureChoices()
{
    const ExportSettings& settings = Preferences::current().exportSettings;
    return { settings.scale, settings.frame == Drawing::Frame::WholeTree, settings.smooth, settings.transparent };
}

} // namespace

void ExportDialog::Open(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags)
{
    auto* dialog = new ExportDialog(parent, id, code, flags);
    if (parent)
        dialog->open();
    else
        dialog->show();
}

// The formats in the order of Drawing::Format.
ExportDialog::ExportDialog(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags)
    : FileExportDialog(parent, QStringLiteral("Export Picture"),
        QDir(Remembered::folder(ExportPictureFolder)).absoluteFilePath(QStringLiteral("picture-%1.png").arg(id)),
        Drawing::MaxScale, pictureChoices(),
        { { QStringLiteral("PNG image (*.png)"), Drawing::suffixOf(Drawing::Format::Png) },
            { QStringLiteral("SVG drawing (*.svg)"), Drawing::suffixOf(Drawing::Format::Svg) },
            { QStringLiteral("PDF document (*.pdf)"), Drawing::suffixOf(Drawing::Format::Pdf) } },
        ExportPictureFolder)
    , m_id(id)
    , m_code(code)
    , m_flags(flags)
{
    setObjectName(QStringLiteral("ExportDialog"));
}

void ExportDialog::keepChoices()
{
    Preferences::change([this](UserSettings& kept) {
        ExportSettings& settings = kept.exportSettings;
        settings.scale = spnScale->value();
        settings.frame = cbxWholeTree->isChecked() ? Drawing::Frame::WholeTree : Drawing::Frame::Window;
        settings.smooth = cbxSmooth->isChecked();
        settings.transparent = cbxTransparent->isChecked();
    });
}

void ExportDialog::checkSize(int format)
{
    if (static_cast<Drawing::Format>(format) == Drawing::Format::Png) {
        const ExportSettings& settings = Preferences::current().exportSettings;
        Drawing::imageFrame(m_code, m_flags, settings.options(settings.transparent));
    }
}

void ExportDialog::write(int format, const QString& fileName)
{
    const ExportSettings& settings = Preferences::current().exportSettings;
    {
        const WaitCursor wait;
        Drawing::exportPicture(static_cast<Drawing::Format>(format), m_code, m_flags,
            settings.options(settings.transparent), QStringLiteral("Picture %1").arg(m_id), fileName);
    }
    accept();
}
