#pragma once
// The genes editor of one picture, the window "Genes of Picture N".
//
// Its twelve genes in a table, typed, stepped, switched, randomized, copied and pasted with undo and redo, the edited
// picture drawn large beside them; opened as a new picture of the run or saved as a genetic code file. The picture
// itself never changes.

#include "core/drawing/DrawFlags.h"
#include "core/editing/GeneEdits.h"
#include "core/editing/GeneTableModel.h"
#include "ui/windows/RunCommands.h"

#include <QString>
#include <QWidget>

class GenePreview;
class GeneTable;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

class GenesEditor final : public QWidget {
    Q_OBJECT

public:
    // Brings picture id's editor to the front, made first when it has none; the editor goes when it closes.
    static GenesEditor* Open(
        qint16 id, const QString& name, const GeneticCode& code, Drawing::Flags flags, RunCommands commands);
    // Picture id's open editor, or null.
    static GenesEditor* Of(qint16 id);

    GenesEditor(qint16 id, QString name, const GeneticCode& code, Drawing::Flags flags, RunCommands commands,
        QWidget* parent = nullptr);

    qint16 id() const { return m_id; }
    GeneEdits& edits() { return m_edits; }

    QMenuBar* menuBar;
    QMenu* M_Edit;
    QAction* E_Undo;
    QAction* E_Redo;
    // The row menu's items, for the current row; the Edit menu holds them too.
    QMenu* M_Gene;
    QAction* G_Randomize;
    QAction* G_Copy;
    QAction* G_Paste;
    GeneTable* tblGenes;
    QLabel* lblMessage;
    GenePreview* picPreview;
    QCheckBox* cbxWholeTree;
    QPushButton* btnOpenAsNew;
    QPushButton* btnSaveAs;
    QPushButton* btnRevert;

    void btnOpenAsNew_Click();
    void btnSaveAs_Click();
    void btnRevert_Click();
    void G_Randomize_Click();
    void G_Copy_Click();
    void G_Paste_Click();
    void cbxWholeTree_Click();
    // Writes the edited genetic code to fileName through the safe save.
    void SaveAs(const QString& fileName);
    // The colour dialog for gene's red, green and blue.
    void ChooseColour(int gene);

private:
    int currentGene() const;
    // Commits the cell being edited; false when its text was refused.
    bool commitEdit();
    void showRefusal(const QString& reason);

    qint16 m_id;
    QString m_name;
    Drawing::Flags m_flags;
    RunCommands m_commands;
    GeneEdits m_edits;
    GeneTableModel m_model;
    bool m_refused = false;
};
