#pragma once
// The main window: the mutation-rate and name boxes, the Open button and the menus; closing it ends the program.

#include "shell/Run.h"
#include "ui/windows/RunCommands.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

class BreedWindow;
class FamilyTreeWindow;
class Journal;
class RecoverRunDialog;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    // How the program ends; the program's own quits the application with status 0.
    using Ending = std::function<void()>;
    static void QuitApplication();

    // Runs the start-up sequence (Form_Load) before the window is first shown.
    explicit frmMain(Ending endProgram = QuitApplication);
    // The window's termination, which also ends the program.
    ~frmMain() override;

    QLabel* lblMutationRate;
    QLineEdit* txtMutationRate;
    QPushButton* btnOpen;
    QLineEdit* txtName;

    QMenu* M_File;
    QAction* F_Exit;
    QMenu* M_Genes;
    QAction* G_Done;
    QAction* G_Draw;
    QMenu* M_Pictures;
    QAction* P_OpenFile;
    QAction* P_Album;
    QAction* P_OpenLitter;
    QAction* P_CloseUnticked;
    QAction* P_ReopenClosed;
    QAction* P_AnimateTicked;
    QAction* P_Breed;
    QAction* P_FamilyTree;
    QAction* P_RecoverRun;
    QMenu* M_Info;
    QMenu* I_About;
    QAction* I_A_AboutVantrell;
    QAction* I_A_AboutCorvane;
    QAction* I_A_AboutAuthor;
    QAction* I_License;
    QAction* I_Info;

    // What this run does with its pictures, and its history.
    Run& run() { return m_run; }
    // The family tree window, or null while it is not open.
    FamilyTreeWindow* FamilyTree() const;
    // The Breed window, or null while it is not open.
    BreedWindow* Breed() const;

    // The Open command count times with the boxes as they are, the rate checked once; the windows in a grid
    // beside this one. Stops at the first Open that fails.
    void OpenLitter(int count);
    // The Open command on each of fileNames in turn as if its name were typed, the rate checked once; the windows
    // in a grid beside this one. A file that fails to open shows its error and the others still open.
    void OpenFiles(const QStringList& fileNames);
    // A new album window of folder, remembered as the last album; a folder that cannot be read is told, naming it.
    void OpenAlbum(const QString& folder);

    // Opens the Breed window, or brings it to the front, with a new generation bred from picture id alone.
    void BreedFrom(qint16 id);
    // The same from genetic code files read exactly as saved; one that cannot be read shows its error, and the others
    // are still used. At random when none can be read.
    void BreedFromFiles(const QStringList& fileNames);

    // What the picture windows and the other windows ask of this run.
    RunCommands commands();

    // The journal that keeps this run; its failure is told once, and the run goes on without it.
    void AttachJournal(Journal& journal);
    // The Recover Run dialog, or null while it is not open.
    RecoverRunDialog* RecoverRunWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();

    void Form_Load();
    void Form_Unload();
    void Form_Terminate();
    void F_Exit_Click();
    void G_Done_Click();
    void G_Draw_Click();
    void I_A_AboutVantrell_Click();
    void I_A_AboutCorvane_Click();
    void I_A_AboutAuthor_Click();
    void I_License_Click();
    void I_Info_Click();
    void btnOpen_Click();
    void P_OpenFile_Click();
    void P_Album_Click();
    void P_OpenLitter_Click();
    void P_CloseUnticked_Click();
    void P_ReopenClosed_Click();
    void P_AnimateTicked_Click();
    void P_FamilyTree_Click();
    void P_RecoverRun_Click();
    // Brings the Breed window to the front; opened, its first generation is bred from the ticked pictures.
    void P_Breed_Click();
    // The Breed window in front, made first when it is not open.
    BreedWindow& ShowBreedWindow();

    // The size a picture window's frame takes on the screen.
    QSize pictureFrameSize() const;
    // Where count new picture windows go: beside this window, clear of every open window where there is room.
    std::vector<QPoint> newWindowCorners(int count) const;

    Ending m_endProgram;
    Run m_run;
    QPointer<FamilyTreeWindow> m_familyTree;
    QPointer<RecoverRunDialog> m_recoverRun;
    QPointer<BreedWindow> m_breed;
    Journal* m_journal = nullptr;
};
