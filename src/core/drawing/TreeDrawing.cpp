#include "core/drawing/TreeDrawing.h"

#include "core/drawing/DrawingSurface.h"
#include "core/platform/Conversions.h"
#include "core/platform/RuntimeError.h"
#include "core/platform/VectorState.h"

#include <algorithm>
#include <cmath>

namespace Drawing {

namespace {

int componentOf(qint16 value)
{
    // Only an edited file holds components outside 0..255; they draw as the nearest valid one.
    return std::clamp<int>(value, 0, 255);
}

qint16 endCoordinate(double value, qint16 tvNo, const char* axis)
{
    try {
        return Conv::toInt16(value);
    } catch (const RuntimeError& e) {
        throw e.about(QStringLiteral("(gene %1 ends at %2 = %3, outside the drawing's range)")
                          .arg(tvNo)
                          .arg(QLatin1String(axis))
                          .arg(value));
    }
}

double branchDirection(double direction, qint16 tvNo)
{
    if (!std::isfinite(direction))
        throw RuntimeError::overflow(QStringLiteral("(direction of the branches below gene %1)").arg(tvNo));
    return direction;
}

} // namespace

int colourOf(qint16 red, qint16 green, qint16 blue)
{
    return componentOf(red) + 256 * componentOf(green) + 65536 * componentOf(blue);
}

void drawLine(const GeneticCode& code, Flags flags, DrawingSurface& surface, qint16 tvNo, double tvAngle, qint16 tvX,
    qint16 tvY, double tvShrink)
{
    VectorState::clearUpper();
    if (tvNo < 0 || tvNo > 11)
        return;
    const clsGene& gene = code[static_cast<std::size_t>(tvNo)];
    if (gene.Done && flags.useDone)
        return;
    surface.SetPenWidth(gene.Width);
    const qint16 x2 = endCoordinate(((gene.Length * std::cos(tvAngle)) * tvShrink) + tvX, tvNo, "x");
    const qint16 y2 = endCoordinate(((gene.Length * std::sin(tvAngle)) * tvShrink) + tvY, tvNo, "y");
    if (!flags.useDraw || gene.Draw) {
        surface.Line(tvX, tvY, x2, y2, colourOf(gene.ColorRed, gene.ColorGreen, gene.ColorBlue));
        VectorState::clearUpper();
    }
    if (tvNo >= 11)
        return;
    const auto next = static_cast<qint16>(tvNo + 1);
    drawLine(code, flags, surface, next, branchDirection(tvAngle + gene.Angle, tvNo), x2, y2, tvShrink);
    drawLine(code, flags, surface, next, branchDirection(tvAngle - gene.Angle, tvNo), x2, y2, tvShrink);
}

void drawTree(const GeneticCode& code, Flags flags, DrawingSurface& surface)
{
    drawLine(code, flags, surface, 0, StartAngle, StartX, StartY, 1.0);
}

} // namespace Drawing
