#include "ui/windows/FileDialogs.h"

#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QDir>
#include <QFileDialog>

namespace FileDialogs {

namespace {

QFileDialog* dialogFor(QWidget* parent, const Request& request)
{
    const QString folder = request.fallback.isEmpty() ? Remembered::folder(request.name)
                                                      : Remembered::folder(request.name, request.fallback);
    auto* dialog = new QFileDialog(parent, request.caption, folder, request.filters);
    dialog->setObjectName(request.objectName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!request.suggested.isEmpty())
        dialog->selectFile(request.suggested);
    if (!request.defaultSuffix.isEmpty())
        dialog->setDefaultSuffix(request.defaultSuffix);
    return dialog;
}

} // namespace

void saveFile(QWidget* parent, const Request& request, std::function<void(const QString& fileName)> chosen)
{
    QFileDialog* dialog = dialogFor(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent,
        [parent, name = request.name, chosen = std::move(chosen)](const QString& fileName) {
            Guard::run(parent, [&] {
                Remembered::keepFolder(name, fileName);
                chosen(fileName);
            });
        });
    dialog->open();
}

void openFiles(QWidget* parent, const Request& request, std::function<void(const QStringList& fileNames)> chosen)
{
    QFileDialog* dialog = dialogFor(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    QObject::connect(dialog, &QFileDialog::filesSelected, parent,
        [parent, name = request.name, chosen = std::move(chosen)](const QStringList& fileNames) {
            Guard::run(parent, [&] {
                if (!fileNames.isEmpty())
                    Remembered::keepFolder(name, fileNames.front());
                chosen(fileNames);
            });
        });
    dialog->open();
}

void chooseFolder(QWidget* parent, const Request& request, Next next, std::function<void(const QString& folder)> chosen,
    const QString& accept)
{
    QFileDialog* dialog = dialogFor(parent, request);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!accept.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, accept);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent,
        [parent, name = request.name, next, chosen = std::move(chosen)](const QString& folder) {
            Guard::run(parent, [&] {
                if (next == Next::InChosen)
                    Remembered::keepChosenFolder(name, folder);
                else
                    Remembered::keepFolder(name, folder);
                chosen(folder);
            });
        });
    dialog->open();
}

} // namespace FileDialogs
