#pragma once
// The main window on the offscreen platform, ready to press Open on a full wide-pen tree: shared by the
// benchmarks of Open, litters and the journal.

#include "shell/frmMain.h"

#include <QTemporaryDir>

class clsObject;

class OpenSession {
public:
    // Rate 0 and the name of a saved full tree typed in, so every Open reads the same genetic code.
    OpenSession();
    ~OpenSession();
    OpenSession(const OpenSession&) = delete;
    OpenSession& operator=(const OpenSession&) = delete;

    void clickOpen();
    // Opens the tree from its file, ticks it, and clears the name box: every Open then breeds an equal
    // child from it.
    void breedFromTickedTree();

    // Lets the new windows be exposed and painted, as they would be before the user could press Done.
    static void showPending();
    static void pressDone(clsObject& picture);
    static void closeLatest();
    static void closeAll();
    // Every picture closed and the registry emptied, as at start-up.
    static void startAfresh();
    // Opens one picture and closes it with Done, leaving it in the registry as a closed picture.
    void openAndClose();

    frmMain window;
    QTemporaryDir folder;
    QString treeFile;
};
