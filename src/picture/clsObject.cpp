#include "picture/clsObject.h"

#include "drawing/DrawingSurface.h"
#include "drawing/TreeDrawing.h"
#include "genefile/RegularFile.h"
#include "platform/Conversions.h"
#include "platform/RuntimeError.h"
#include "shell/modGenes.h"
#include "shell/modMain.h"
#include "shell/modObject.h"

#include <QFileInfo>

#include <limits>

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
    if (modObject::NextID == std::numeric_limits<qint16>::max())
        throw RuntimeError::overflow(QStringLiteral("(every picture number up to 32766 has been given out)"));
    ++modObject::NextID;
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
    Name = modMain::MainWindow().NameText();
    takeNextID();
    GenCode().Init();
    showWindow();
    try {
        Display_Draw();
    } catch (const RuntimeError& e) {
        throw e.about(QStringLiteral("while opening picture %1,").arg(ID));
    }
}

void clsObject::InitCopy(const QString& name, const GeneticSnapshot& code, const BirthRecord& birth)
{
    Name = name;
    takeNextID();
    SetGenCode(codeOf(code));
    showWindow();
    Birth = birth;
    try {
        DrawingSurface& surface = Display().Surface();
        surface.Clear();
        m_drawnWith = birth.flags;
        Drawing::drawTree(GenCode(), m_drawnWith, surface);
        surface.Finish();
    } catch (const RuntimeError& e) {
        throw e.about(QStringLiteral("while opening picture %1,").arg(ID));
    }
}

void clsObject::Draw_Line(qint16 tvNo, double tvAngle, qint16 tvX, qint16 tvY, double tvShrink)
{
    Drawing::drawLine(GenCode(), modMain::DrawFlags(), Display().Surface(), tvNo, tvAngle, tvX, tvY, tvShrink);
}

void clsObject::Display_Draw()
{
    MakeObj();
    DrawingSurface& surface = Display().Surface();
    surface.Clear();
    // Copies, exports and views of the picture are drawn as it was, whatever the Genes menu says later.
    m_drawnWith = modMain::DrawFlags();
    Birth.flags = m_drawnWith;
    Draw_Line(0, StartAngle, StartX, StartY, 1.0);
    surface.Finish();
}

void clsObject::MakeGenes()
{
    if (GeneFile::isRegularFile(Name)) {
        GenCode().Load(Name);
        Birth = BirthRecord::fromFile(QFileInfo(Name).absoluteFilePath(), modGenes::MutationRate);
    } else {
        GenCode().Make();
        std::vector<qint16> ticked;
        modObject::Parents.forEach([&](const std::shared_ptr<clsObject>& parent) { ticked.push_back(parent->ID); });
        Birth = BirthRecord::fromBreeding(std::move(ticked), modGenes::MutationRate);
    }
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
