#pragma once
// A morph through a sequence of genetic codes, each pair in turn, drawn with one set of Genes switches.

#include "core/animation/FrameTiming.h"
#include "core/drawing/DrawFlags.h"
#include "core/drawing/PictureFrame.h"
#include "core/genetics/GeneticCode.h"

#include <QRectF>

#include <vector>

class Morph {
public:
    // Error 5 with fewer than two codes.
    Morph(std::vector<GeneticCode> codes, Drawing::Flags flags);

    const std::vector<GeneticCode>& codes() const { return m_codes; }
    int pictures() const { return static_cast<int>(m_codes.size()); }
    Drawing::Flags flags() const { return m_flags; }

    // The in-between code of the step's two pictures at the position's t.
    GeneticCode codeAt(FramePosition position) const;
    // The part of the drawing plane, in twips, that every frame of timing shows: the window's, or one holding
    // the whole trees of all of them, so that the picture stands still while it changes. Error 6 as the drawing.
    QRectF frameOf(const FrameTiming& timing, Drawing::Frame frame) const;

private:
    std::vector<GeneticCode> m_codes;
    Drawing::Flags m_flags;
};
