#pragma once
// A picture: its name, its number, its genetic code and its window, and how it is drawn.

#include "core/drawing/DrawFlags.h"
#include "core/drawing/TreeDrawing.h"
#include "core/genetics/GeneticCode.h"
#include "program/PictureWindow.h"
#include "program/clsGenSeq.h"

#include <QString>

#include <memory>

class clsObject {
public:
    QString Name;
    qint16 ID = 0;

    // Both created on first use; either can also be given another object.
    clsGenSeq& GenCode();
    PictureWindow& Display();
    void SetGenCode(std::unique_ptr<clsGenSeq> genCode);
    void SetDisplay(std::unique_ptr<PictureWindow> display);

    // Takes name and ID, opens the window, builds the genetic code and draws it.
    void Init();
    // Opens the picture with exactly this genetic code (no file read, no mutation): the name, the next ID,
    // its window, drawn with flags.
    void InitCopy(const QString& name, const GeneticCode& code, Drawing::Flags flags);
    // Draws the segment of gene tvNo and, depth first, its two branches.
    void Draw_Line(qint16 tvNo, double tvAngle, qint16 tvX, qint16 tvY, double tvShrink);
    void Display_Draw();
    void MakeGenes();
    void MakeObj();

    // Shows the window of a picture that was closed again, as it was: its caption, name and drawing, the
    // Parent box unticked. Does nothing while it is open.
    void Reopen();

    // The window is showing: neither closed nor failed.
    bool IsOpen() const;
    // Parent box ticked, asked without opening a closed picture's window again.
    bool IsParent() const;
    // Done / the window's close box: the window goes, the picture stays.
    void Unload();

    // Whether MakeGenes read the genes from the file Name rather than breeding them.
    bool GenesFromFile() const { return m_genesFromFile; }
    // The Genes switches the picture was drawn with.
    Drawing::Flags DrawnWith() const { return m_drawnWith; }

    // The start of every drawing: straight up from the middle just below the bottom edge.
    static constexpr double StartAngle = Drawing::StartAngle;
    static constexpr qint16 StartX = Drawing::StartX;
    static constexpr qint16 StartY = Drawing::StartY;

private:
    void takeNextID();
    void showWindow();
    // Draws the genetic code afresh with flags, which it keeps.
    void drawWith(Drawing::Flags flags);

    std::unique_ptr<clsGenSeq> m_genCode;
    std::unique_ptr<PictureWindow> m_display;
    Drawing::Flags m_drawnWith;
    bool m_genesFromFile = false;
};
