#include "ui/export/ExportDialog.h"

#include "program/Preferences.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

// In the order of Drawing::Format.
const QStringList FormatFilters { QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)"),
    QStringLiteral("PDF document (*.pdf)") };

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

QMessageBox* messageBox(
    QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons, QWidget* parent)
{
    auto* box = new QMessageBox(icon, QStringLiteral("Export Picture"), text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
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

ExportDialog::ExportDialog(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags)
    : QDialog(parent)
    , m_id(id)
    , m_code(code)
    , m_flags(flags)
{
    setObjectName(QStringLiteral("ExportDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Export Picture"));
    const ExportSettings& settings = Preferences::current().exportSettings;

    txtFile = new QLineEdit(
        QDir::toNativeSeparators(
            QDir(Remembered::folder(ExportPictureFolder)).absoluteFilePath(QStringLiteral("picture-%1.png").arg(id))),
        this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(360);
    txtFile->selectAll();
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    spnScale = new QSpinBox(this);
    spnScale->setObjectName(QStringLiteral("spnScale"));
    spnScale->setRange(Drawing::MinScale, Drawing::MaxScale);
    spnScale->setValue(settings.scale);
    cbxWholeTree = new QCheckBox(QStringLiteral("&Whole tree"), this);
    cbxWholeTree->setObjectName(QStringLiteral("cbxWholeTree"));
    cbxWholeTree->setChecked(settings.frame == Drawing::Frame::WholeTree);
    cbxSmooth = new QCheckBox(QStringLiteral("S&mooth edges"), this);
    cbxSmooth->setObjectName(QStringLiteral("cbxSmooth"));
    cbxSmooth->setChecked(settings.smooth);
    cbxTransparent = new QCheckBox(QStringLiteral("&Transparent background"), this);
    cbxTransparent->setObjectName(QStringLiteral("cbxTransparent"));
    cbxTransparent->setChecked(settings.transparent);
    btnExport = new QPushButton(QStringLiteral("&Export"), this);
    btnExport->setObjectName(QStringLiteral("btnExport"));
    btnExport->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

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
    form->addRow(QString(), cbxWholeTree);
    form->addRow(QString(), cbxSmooth);
    form->addRow(QString(), cbxTransparent);
    form->addRow(buttons);

    // Each control is named for screen readers by its caption, without its access key.
    for (QWidget* control : std::initializer_list<QWidget*> {
             lblFile, lblScale, btnBrowse, cbxWholeTree, cbxSmooth, cbxTransparent, btnExport, btnCancel }) {
        const QString caption = control->property("text").toString();
        control->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    }
    txtFile->setAccessibleName(lblFile->accessibleName());
    spnScale->setAccessibleName(lblScale->accessibleName());

    setTabOrder(txtFile, btnBrowse);
    setTabOrder(btnBrowse, spnScale);
    setTabOrder(spnScale, cbxWholeTree);
    setTabOrder(cbxWholeTree, cbxSmooth);
    setTabOrder(cbxSmooth, cbxTransparent);
    setTabOrder(cbxTransparent, btnExport);
    setTabOrder(btnExport, btnCancel);
    txtFile->setFocus();

    Guard::connect(btnBrowse, &QPushButton::clicked, this, &ExportDialog::btnBrowse_Click);
    Guard::connect(btnExport, &QPushButton::clicked, this, &ExportDialog::btnExport_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ExportDialog::title() const
{
    return QStringLiteral("Picture %1").arg(m_id);
}

void ExportDialog::btnBrowse_Click()
{
    auto* dialog = new QFileDialog(this, QStringLiteral("Export Picture"), txtFile->text());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Export itself asks before it replaces a file; once is enough.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilters(FormatFilters);
    const Drawing::Format format = Drawing::formatOfFileName(txtFile->text()).value_or(Drawing::Format::Png);
    dialog->selectNameFilter(FormatFilters.at(static_cast<int>(format)));
    dialog->setDefaultSuffix(Drawing::suffixOf(format));
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        const qsizetype index = FormatFilters.indexOf(filter);
        if (index >= 0)
            dialog->setDefaultSuffix(Drawing::suffixOf(static_cast<Drawing::Format>(index)));
    });
    connect(dialog, &QFileDialog::fileSelected, this,
        [this](const QString& fileName) { txtFile->setText(QDir::toNativeSeparators(fileName)); });
    dialog->open();
}

void ExportDialog::btnExport_Click()
{
    const QString fileName = txtFile->text();
    const std::optional<Drawing::Format> format = Drawing::formatOfFileName(fileName);
    if (!format) {
        refuseSuffix(fileName);
        return;
    }
    remember(fileName);
    const Drawing::RenderOptions options = Preferences::current().exportSettings.options(cbxTransparent->isChecked());
    if (*format == Drawing::Format::Png) {
        // An image too big is refused before the user is asked anything.
        Drawing::imageFrame(m_code, m_flags, options);
    }
    if (QFileInfo(fileName).isFile())
        askToReplace(*format, fileName, options);
    else
        write(*format, fileName, options);
}

void ExportDialog::remember(const QString& fileName) const
{
    ExportSettings& settings = Preferences::current().exportSettings;
    settings.scale = spnScale->value();
    settings.frame = cbxWholeTree->isChecked() ? Drawing::Frame::WholeTree : Drawing::Frame::Window;
    settings.smooth = cbxSmooth->isChecked();
    settings.transparent = cbxTransparent->isChecked();
    Remembered::keepFolder(ExportPictureFolder, fileName);
}

void ExportDialog::refuseSuffix(const QString& fileName)
{
    messageBox(QMessageBox::Warning,
        QStringLiteral("\"%1\" cannot be exported: the file name must end in .png, .svg or .pdf, which "
                       "says how to write it.")
            .arg(fileName),
        QMessageBox::Ok, this)
        ->open();
}

void ExportDialog::askToReplace(Drawing::Format format, const QString& fileName, const Drawing::RenderOptions& options)
{
    QMessageBox* box = messageBox(QMessageBox::Question,
        QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(fileName),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [this, box, format, fileName, options] {
        if (box->standardButton(box->clickedButton()) == QMessageBox::Yes)
            Guard::run(this, [&] { write(format, fileName, options); });
    });
    box->open();
}

void ExportDialog::write(Drawing::Format format, const QString& fileName, const Drawing::RenderOptions& options)
{
    {
        const WaitCursor wait;
        Drawing::exportPicture(format, m_code, m_flags, options, title(), fileName);
    }
    accept();
}
