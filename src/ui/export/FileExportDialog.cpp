#include "ui/export/FileExportDialog.h"

#include "core/export/PictureRender.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

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

// A control's name for screen readers: its caption without its access key.
QString spokenName(const QString& caption)
{
    return QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

} // namespace

FileExportDialog::FileExportDialog(QWidget* parent, const QString& title, const QString& fileName, int maxScale,
    const Choices& choices, std::vector<FileFormat> formats, QString folderName)
    : QDialog(parent)
    , m_formats(std::move(formats))
    , m_folderName(std::move(folderName))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);

    txtFile = new QLineEdit(QDir::toNativeSeparators(fileName), this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(360);
    txtFile->selectAll();
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    spnScale = new QSpinBox(this);
    spnScale->setObjectName(QStringLiteral("spnScale"));
    spnScale->setRange(Drawing::MinScale, maxScale);
    spnScale->setValue(choices.scale);
    cbxWholeTree = new QCheckBox(QStringLiteral("&Whole tree"), this);
    cbxWholeTree->setObjectName(QStringLiteral("cbxWholeTree"));
    cbxWholeTree->setChecked(choices.wholeTree);
    cbxSmooth = new QCheckBox(QStringLiteral("S&mooth edges"), this);
    cbxSmooth->setObjectName(QStringLiteral("cbxSmooth"));
    cbxSmooth->setChecked(choices.smooth);
    cbxTransparent = new QCheckBox(QStringLiteral("&Transparent background"), this);
    cbxTransparent->setObjectName(QStringLiteral("cbxTransparent"));
    cbxTransparent->setChecked(choices.transparent);
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
    m_form = new QFormLayout(this);
    auto* lblFile = new QLabel(QStringLiteral("&File:"), this);
    lblFile->setBuddy(txtFile);
    m_form->addRow(lblFile, fileRow);
    auto* lblScale = new QLabel(QStringLiteral("&Scale:"), this);
    lblScale->setBuddy(spnScale);
    m_form->addRow(lblScale, spnScale);
    m_form->addRow(QString(), cbxWholeTree);
    m_form->addRow(QString(), cbxSmooth);
    m_form->addRow(QString(), cbxTransparent);
    m_form->addRow(buttons);

    txtFile->setAccessibleName(spokenName(lblFile->text()));
    spnScale->setAccessibleName(spokenName(lblScale->text()));

    setTabOrder(txtFile, btnBrowse);
    setTabOrder(btnBrowse, spnScale);
    setTabOrder(spnScale, cbxWholeTree);
    setTabOrder(cbxWholeTree, cbxSmooth);
    setTabOrder(cbxSmooth, cbxTransparent);
    setTabOrder(cbxTransparent, btnExport);
    setTabOrder(btnExport, btnCancel);
    txtFile->setFocus();

    Guard::connect(btnBrowse, &QPushButton::clicked, this, &FileExportDialog::btnBrowse_Click);
    Guard::connect(btnExport, &QPushButton::clicked, this, &FileExportDialog::btnExport_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FileExportDialog::addFieldAfterScale(const QString& caption, QWidget* field)
{
    int row = 0;
    QFormLayout::ItemRole role {};
    m_form->getWidgetPosition(spnScale, &row, &role);
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    field->setAccessibleName(spokenName(caption));
    m_form->insertRow(row + 1, label, field);
    setTabOrder(spnScale, field);
    setTabOrder(field, cbxWholeTree);
}

std::optional<int> FileExportDialog::formatOf(const QString& fileName) const
{
    // The last suffix only: "tree.gen.png" is a PNG file.
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (std::size_t i = 0; i < m_formats.size(); ++i)
        if (m_formats[i].suffix == suffix)
            return static_cast<int>(i);
    return std::nullopt;
}

void FileExportDialog::btnBrowse_Click()
{
    const QFileInfo typed(txtFile->text());
    auto* dialog = new QFileDialog(
        this, windowTitle(), QDir(Remembered::folder(m_folderName, typed.absolutePath())).filePath(typed.fileName()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Export itself asks before it replaces a file; once is enough.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFormat& format : m_formats)
        filters.append(format.filter);
    dialog->setNameFilters(filters);
    const auto format = static_cast<std::size_t>(formatOf(typed.fileName()).value_or(0));
    dialog->selectNameFilter(m_formats[format].filter);
    dialog->setDefaultSuffix(m_formats[format].suffix);
    connect(dialog, &QFileDialog::filterSelected, dialog, [this, dialog, filters](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        if (index >= 0)
            dialog->setDefaultSuffix(m_formats[static_cast<std::size_t>(index)].suffix);
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& fileName) {
        Remembered::keepFolder(m_folderName, fileName);
        txtFile->setText(QDir::toNativeSeparators(fileName));
    });
    dialog->open();
}

void FileExportDialog::btnExport_Click()
{
    // A dialog that is writing has Export disabled.
    if (!btnExport->isEnabled())
        return;
    const QString fileName = txtFile->text();
    const std::optional<int> format = formatOf(fileName);
    if (!format) {
        refuseSuffix(fileName);
        return;
    }
    keepChoices();
    Remembered::keepFolder(m_folderName, fileName);
    checkSize(*format);
    if (QFileInfo(fileName).isFile())
        askToReplace(*format, fileName);
    else
        write(*format, fileName);
}

void FileExportDialog::refuseSuffix(const QString& fileName)
{
    QStringList suffixes;
    for (const FileFormat& format : m_formats)
        suffixes.append(u'.' + format.suffix);
    const QString last = suffixes.takeLast();
    const QString endings
        = suffixes.isEmpty() ? last : suffixes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
        QStringLiteral("\"%1\" cannot be exported: the file name must end in %2, which says how to write it.")
            .arg(fileName, endings),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void FileExportDialog::askToReplace(int format, const QString& fileName)
{
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
        QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(fileName),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [this, box, format, fileName] {
        if (box->standardButton(box->clickedButton()) == QMessageBox::Yes)
            Guard::run(this, [&] { write(format, fileName); });
    });
    box->open();
}
