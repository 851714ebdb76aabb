#pragma once
// The Breed window: a generation of offspring in one grid beside its controls. One choice breeds the next
// generation; Back and Forward go through them all, each as it was left; any cell can be kept as a picture of the
// run, a genetic code file or a copy.

#include "core/breeding/Offspring.h"
#include "core/history/RunHistory.h"
#include "core/platform/RandomSource.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class BreedGrid;
class GeneButton;
class Generations;
class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

class BreedWindow final : public QWidget {
    Q_OBJECT

public:
    // What the window asks of the run. Errors go to the caller.
    struct Commands {
        // Enters pictures in the run's history as closed pictures, each with the next ID (their own ids are not
        // read), and gives those IDs in their order; all or none.
        std::function<std::vector<qint16>(std::vector<PictureRecord> pictures)> enterClosed;
        // Opens a new picture of the run, as RunCommands::openPicture, and gives its ID.
        std::function<qint16(const QString& name, const GeneticCode& code, const BirthRecord& birth)> openPicture;
        // Tells the run's history that picture id saved its genetic code as fileName.
        std::function<void(qint16 id, const QString& fileName)> saved;
    };

    // Shows the generation shown of generations, which outlive the window, if there is one.
    BreedWindow(Generations& generations, Commands commands, QWidget* parent = nullptr);

    // A new generation from parents, right after the one shown; at random without any.
    void breedFrom(std::vector<Offspring::Parent> parents);
    // What the next generation is bred with, as the controls say.
    BreedOptions options() const;

    QMenuBar* menuBar;
    QMenu* M_Generation;
    QAction* G_Back;
    QAction* G_Forward;
    QAction* G_NewOffspring;
    QMenu* M_View;
    QMenu* V_Grid;
    // 3 x 3 to 6 x 6.
    std::array<QAction*, MaxGridSide - MinGridSide + 1> V_GridSides;
    // A cell's menu; its items work on the focused cell.
    QMenu* M_Cell;
    QAction* C_OpenAsPicture;
    QAction* C_SaveAs;
    QAction* C_Copy;

    BreedGrid* picGrid;
    QLabel* lblGeneration;
    QPushButton* btnBack;
    QPushButton* btnForward;
    QPushButton* btnNewOffspring;
    QDoubleSpinBox* spnRate;
    QComboBox* cmbMutate;
    std::array<GeneButton*, GeneCount> btnGenes;
    QCheckBox* cbxSkipEmpty;

    // Breeds from the selected cells, or from the focused one when none is.
    void Choose();
    void G_Back_Click();
    void G_Forward_Click();
    // The same parents again, with new offspring.
    void G_NewOffspring_Click();
    void V_Grid_Click(int side);
    void C_OpenAsPicture_Click();
    void C_SaveAs_Click();
    void C_Copy_Click();
    // Writes code to fileName through the safe save; a picture of the run (id 0 or more) has saved it.
    void SaveAs(const GeneticCode& code, qint16 id, const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createControls();
    // Shows the generation shown, its selection and focus as they were, and gives the grid the focus.
    void showShown();
    // Enters those of cells of the generation shown that are no pictures of the run yet.
    void enter(const std::vector<int>& cells);
    // A cell as a file name, and as a title.
    QString fileNameOf(int cell) const;
    QString titleOf(int cell) const;
    void startDrag(int cell);

    Generations& m_generations;
    Commands m_commands;
    ClockRandomSource m_random;
};
