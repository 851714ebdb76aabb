#include "picture/clsObject.h"

#include "genefile/RegularFile.h"
#include "picture/DrawingSurface.h"
#include "platform/Conversions.h"
#include "platform/RuntimeError.h"
#include "platform/VectorState.h"
#include "shell/modMain.h"
#include "shell/modObject.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int componentOf(qint16 value)
{
    // Only an edited file holds components outside 0..255; they draw as the nearest valid one.
    return std::clamp<int>(value, 0, 255);
}

int colourOf(const clsGene& gene)
{
    return componentOf(gene.ColorRed) + 256 * componentOf(gene.ColorGreen) + 65536 * componentOf(gene.ColorBlue);
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

clsGenSeq& clsObject::GenCode()
{
    if (!m_genCode)
        m_genCode = std::make_unique<clsGenSeq>();
    return *m_genCode;
}

PictureWindow& clsObject::Display()
{
    if (!m_display)
        m_display = PictureWindow::Create();
    return *m_display;
}

void clsObject::SetGenCode(std::unique_ptr<clsGenSeq> genCode)
{
    m_genCode = std::move(genCode);
}

void clsObject::SetDisplay(std::unique_ptr<PictureWindow> display)
{
    m_display = std::move(display);
}

void clsObject::Init()
{
    Name = modMain::MainWindow().NameText();
    ID = modObject::NextID;
    if (modObject::NextID == std::numeric_limits<qint16>::max())
        throw RuntimeError::overflow(QStringLiteral("(every picture number up to 32766 has been given out)"));
    ++modObject::NextID;
    GenCode().Init();
    PictureWindow& window = Display();
    window.SetPersistentDrawing(true);
    window.Show();
    const QString id = Conv::plain(ID);
    window.SetTag(id);
    window.SetCaption(id);
    window.SetName(Name);
    try {
        Display_Draw();
    } catch (const RuntimeError& e) {
        throw e.about(QStringLiteral("while opening picture %1,").arg(ID));
    }
}

void clsObject::Draw_Line(qint16 tvNo, double tvAngle, qint16 tvX, qint16 tvY, double tvShrink)
{
    VectorState::clearUpper();
    if (tvNo < 0 || tvNo > 11)
        return;
    if (GenCode().GetGDone(tvNo) && modMain::UseDone)
        return;
    const std::shared_ptr<clsGene> gene = GenCode().GetGene(tvNo);
    DrawingSurface& surface = Display().Surface();
    surface.SetPenWidth(gene->Width);
    const qint16 x2 = endCoordinate(((gene->Length * std::cos(tvAngle)) * tvShrink) + tvX, tvNo, "x");
    const qint16 y2 = endCoordinate(((gene->Length * std::sin(tvAngle)) * tvShrink) + tvY, tvNo, "y");
    if (!modMain::UseDraw || gene->Draw) {
        surface.Line(tvX, tvY, x2, y2, colourOf(*gene));
        VectorState::clearUpper();
    }
    if (tvNo >= 11)
        return;
    const auto next = static_cast<qint16>(tvNo + 1);
    Draw_Line(next, branchDirection(tvAngle + gene->Angle, tvNo), x2, y2, tvShrink);
    Draw_Line(next, branchDirection(tvAngle - gene->Angle, tvNo), x2, y2, tvShrink);
}

void clsObject::Display_Draw()
{
    MakeObj();
    DrawingSurface& surface = Display().Surface();
    surface.Clear();
    Draw_Line(0, StartAngle, StartX, StartY, 1.0);
    surface.Finish();
}

void clsObject::MakeGenes()
{
    if (GeneFile::isRegularFile(Name))
        GenCode().Load(Name);
    else
        GenCode().Make();
}

void clsObject::MakeObj()
{
    MakeGenes();
}

bool clsObject::IsParent() const
{
    return m_display && m_display->IsParentTicked();
}

void clsObject::Unload()
{
    if (m_display)
        m_display->Unload();
}
