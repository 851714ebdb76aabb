#pragma once
// A drawing surface that records what it is asked to draw.

#include "core/drawing/DrawingSurface.h"

#include <string>
#include <vector>

struct RecordedLine {
    float x1, y1, x2, y2;
    int colour;
    int penWidth;
};

class RecordingSurface final : public DrawingSurface {
public:
    void Clear() override
    {
        lines.clear();
        ++clears;
        log += 'C';
    }
    void SetPenWidth(int pixels) override
    {
        penWidth = pixels;
        log += 'W';
    }
    void Line(float x1, float y1, float x2, float y2, int colour) override
    {
        lines.push_back({ x1, y1, x2, y2, colour, penWidth });
        log += 'L';
    }
    void Finish() override { log += 'F'; }

    std::vector<RecordedLine> lines;
    int clears = 0;
    int penWidth = 0;
    // C clear, W pen width, L line, F finish, in order.
    std::string log;
};
