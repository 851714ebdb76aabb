#include "harness/BareLines.h"

#include "core/drawing/DrawingSurface.h"
#include "core/drawing/TreeDrawing.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace {

class LineCollector final : public DrawingSurface {
public:
    void Clear() override { }
    void SetPenWidth(int pixels) override { width = pixels; }
    void Line(float x1, float y1, float x2, float y2, int colour) override
    {
        lines.push_back({ QPointF(x1, y1), QPointF(x2, y2), width, colour });
    }
    int width = 1;
    std::vector<LineRecord> lines;
};

} // namespace

std::vector<LineRecord> recordLines(const GeneticCode& code)
{
    LineCollector collector;
    Drawing::drawTree(code, {}, collector);
    return collector.lines;
}

void paintBareLines(QPainter& painter, const std::vector<LineRecord>& lines)
{
    int penColour = -1;
    int penWidth = 0;
    for (const LineRecord& line : lines) {
        if (line.colour != penColour || line.width != penWidth) {
            const QColor colour(line.colour & 0xFF, (line.colour >> 8) & 0xFF, (line.colour >> 16) & 0xFF);
            painter.setPen(QPen(colour, line.width * 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            penColour = line.colour;
            penWidth = line.width;
        }
        painter.drawLine(line.from, line.to);
    }
}
