#pragma once
// The program's file dialogs: not blocking, gone when closed, each starting in the folder it last used and keeping the
// folder of what is chosen, which is taken through the guard.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace FileDialogs {

struct Request {
    // The dialog's name among the remembered folders ("save genetic code").
    QString name;
    QString caption;
    // "PNG image (*.png);;SVG drawing (*.svg)"; none for a folder.
    QString filters = {};
    // The file the dialog suggests in its folder.
    QString suggested = {};
    // Where the dialog starts while it has no folder of its own yet.
    QString fallback = {};
    // The suffix a file name typed without one takes.
    QString defaultSuffix = {};
    // What tests find the dialog by.
    QString objectName = {};
};

void saveFile(QWidget* parent, const Request& request, std::function<void(const QString& fileName)> chosen);
void openFiles(QWidget* parent, const Request& request, std::function<void(const QStringList& fileNames)> chosen);
// Where a folder dialog starts next time: in the folder chosen, or in the one that holds it (for a new folder each
// time).
enum class Next { InChosen, BesideChosen };

// An existing folder, its accept button captioned accept when one is given.
void chooseFolder(QWidget* parent, const Request& request, Next next, std::function<void(const QString& folder)> chosen,
    const QString& accept = {});

// The "Save Genetic Code As" dialog of genetic code files.
inline constexpr char GeneticCodeFilters[] = "Genetic code files (*.gen);;All files (*)";

} // namespace FileDialogs
