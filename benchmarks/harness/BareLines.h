#pragma once
// The lines a drawing makes, recorded once and replayed with a bare QPainter loop: what the drawing costs
// without its recursion.

#include "core/genetics/GeneticCode.h"

#include <QPointF>

#include <vector>

class QPainter;

struct LineRecord {
    QPointF from, to;
    int width;
    int colour;
};

// Every segment the tree draws with the start-up Genes switches, in drawing order.
std::vector<LineRecord> recordLines(const GeneticCode& code);

// Draws the lines through the painter's transform (twips to the device), changing the pen only when a
// line needs another, as the drawing's surface does.
void paintBareLines(QPainter& painter, const std::vector<LineRecord>& lines);
