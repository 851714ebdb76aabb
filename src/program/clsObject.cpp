#include "program/clsObject.h"

#include "core/drawing/DrawingSurface.h"
#include "core/files/RegularFile.h"
#include "core/platform/Conversions.h"
#include "core/platform/RuntimeError.h"
#include "program/modMain.h"
#include "program/modObject.h"

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

void clsObject::takeNextID()
{
    ID = modObject::NextID;
    modObject::TakeNextIDs(1);
}

void clsObject::showWindow()
{
    PictureWindow& window = Display();
    window.SetPersistentDrawing(true);
    window.Show();
    const QString id = Conv::plain(ID);
    window.SetTag(id);
    window.SetCaption(id);
    window.SetName(Name);
}

void clsObject::Init()
{
    Name = modMain::MainWindow().name();
    takeNextID();
    GenCode().Init();
    showWindow();
    try {
        Display_Draw();
    } catch (const RuntimeError& e) {
        throw e.about(QStringLiteral("while opening picture %1,").arg(ID));
    }
}

void clsObject::InitCopy(const QString& name, const GeneticCode& code, Drawing::Flags flags)
{
    Name = name;
    takeNextID();
    GenCode().SetCode(code);
    showWindow();
    try {
        drawWith(flags);
    } catch (const RuntimeError& e) {
        throw e.about(QStringLiteral("while opening picture %1,").arg(ID));
    }
}

void clsObject::Reopen()
{
    if (IsOpen())
        return;
    showWindow();
    // The code drew once with these flags, so it draws again.
    drawWith(m_drawnWith);
}

void clsObject::drawWith(Drawing::Flags flags)
{
    DrawingSurface& surface = Display().Surface();
    surface.Clear();
    // Copies, exports and views of the picture are drawn as it was, whatever the Genes menu says later.
    m_drawnWith = flags;
    Drawing::drawTree(GenCode().Code(), flags, surface);
    surface.Finish();
}

void clsObject::Draw_Line(qint16 tvNo, double tvAngle, qint16 tvX, qint16 tvY, double tvShrink)
{
    Drawing::drawLine(GenCode().Code(), modMain::DrawFlags(), Display().Surface(), tvNo, tvAngle, tvX, tvY, tvShrink);
}

void clsObject::Display_Draw()
{
    MakeObj();
    DrawingSurface& surface = Display().Surface();
    surface.Clear();
    m_drawnWith = modMain::DrawFlags();
    Draw_Line(0, StartAngle, StartX, StartY, 1.0);
    surface.Finish();
}

void clsObject::MakeGenes()
{
    m_genesFromFile = Files::isRegularFile(Name);
    if (m_genesFromFile)
        GenCode().Load(Name);
    else
        GenCode().Make();
}

void clsObject::MakeObj()
{
    MakeGenes();
}

bool clsObject::IsOpen() const
{
    return m_display && m_display->IsOpen();
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
