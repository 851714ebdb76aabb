#pragma once
// The main window: the mutation-rate and name boxes, the Open button and the menus; closing it ends the program.

#include "shell/MainWindowTexts.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmMain final : public QMainWindow, public MainWindowTexts {
    Q_OBJECT

public:
    // How the program ends; the program's own quits the application with status 0.
    using Ending = std::function<void()>;
    static void QuitApplication();

    // Runs the start-up sequence (Form_Load) before the window is first shown.
    explicit frmMain(Ending endProgram = QuitApplication);
    // The window's termination, which also ends the program.
    ~frmMain() override;

    QString MutationRateText() const override;
    QString NameText() const override;

    QLabel* lblMutationRate;
    QLineEdit* txtMutationRate;
    QPushButton* btnOpen;
    QLineEdit* txtName;

    QMenu* M_File;
    QAction* F_Exit;
    QMenu* M_Genes;
    QAction* G_Done;
    QAction* G_Draw;
    QMenu* M_Info;
    QMenu* I_About;
    QAction* I_A_AboutVantrell;
    QAction* I_A_AboutCorvane;
    QAction* I_A_AboutAuthor;
    QAction* I_License;
    QAction* I_Info;

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

    Ending m_endProgram;
};
