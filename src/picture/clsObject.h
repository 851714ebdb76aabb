#pragma once
// A picture: its name, its number, its genetic code and its window, and how it is drawn.

#include "drawing/DrawFlags.h"
#include "drawing/TreeDrawing.h"
#include "family/BirthRecord.h"
#include "genetics/GeneticSnapshot.h"
#include "genetics/clsGenSeq.h"
#include "picture/PictureWindow.h"

#include <QString>

#include <memory>

class clsObject {
public:
    QString Name;
    qint16 ID = 0;
    // How the picture came to be; its flags are those its drawing used.
    BirthRecord Birth;

    // Both created on first use; either can also be given another object.
    clsGenSeq& GenCode();
    PictureWindow& Display();
    void SetGenCode(std::unique_ptr<clsGenSeq> genCode);
    void SetDisplay(std::unique_ptr<PictureWindow> display);

    // Takes name and ID, opens the window, builds the genetic code and draws it.
    void Init();
    // Opens the picture as a copy: name, the next ID, its window, exactly this genetic code (no file
    // read, no mutation), drawn with the birth's flags.
    void InitCopy(const QString& name, const GeneticSnapshot& code, const BirthRecord& birth);
    // Draws the segment of gene tvNo and, depth first, its two branches.
    void Draw_Line(qint16 tvNo, double tvAngle, qint16 tvX, qint16 tvY, double tvShrink);
    void Display_Draw();
    void MakeGenes();
    void MakeObj();

    // The window is showing: neither closed nor failed.
    bool IsOpen() const;
    // Parent box ticked, asked without opening a closed picture's window again.
    bool IsParent() const;
    // Done / the window's close box: the window goes, the picture stays.
    void Unload();

    // The Genes switches the picture was drawn with.
    Drawing::Flags DrawnWith() const { return m_drawnWith; }

    // The start of every drawing: straight up from the middle just below the bottom edge.
    static constexpr double StartAngle = Drawing::StartAngle;
    static constexpr qint16 StartX = Drawing::StartX;
    static constexpr qint16 StartY = Drawing::StartY;

private:
    void takeNextID();
    void showWindow();

    std::unique_ptr<clsGenSeq> m_genCode;
    std::unique_ptr<PictureWindow> m_display;
    Drawing::Flags m_drawnWith;
};
