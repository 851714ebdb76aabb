#pragma once
// The program's command line: genetic code files to open at start-up, or to breed from in the Breed window, an album
// to show, or a request for its help or version.

#include <QString>
#include <QStringList>

namespace StartArguments {

struct Parsed {
    enum class Action { Start, Help, Version, UsageError };
    Action action = Action::Start;
    // The files to open, in their order.
    QStringList files;
    // --breed: the files are the parents of the Breed window's first generation instead.
    bool breed = false;
    // --album: the folder to show as an album, the working folder when none is given; empty without --album.
    QString album;
    // What is wrong with a command line that does not parse.
    QString error;
};

// arguments as main gets them, the program's name first, the windowing toolkit's own options ("-platform xcb",
// "-style fusion", ...) taken and passed over. Needs no application object.
Parsed parse(const QStringList& arguments);

// The help and the version, as --help and --version print them; both need an application object.
QString helpText();
QString versionText();

} // namespace StartArguments
