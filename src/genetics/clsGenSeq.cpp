#include "genetics/clsGenSeq.h"

#include "genefile/GeneFileReader.h"
#include "platform/RuntimeError.h"

clsGene& clsGenSeq::gene(qint16 tvNo)
{
    if (tvNo < 0 || tvNo >= GeneCount)
        throw RuntimeError::subscriptOutOfRange(QStringLiteral("(gene number %1)").arg(tvNo));
    auto& slot = m_slots[static_cast<std::size_t>(tvNo)];
    if (!slot)
        slot = std::make_shared<clsGene>();
    return *slot;
}

std::shared_ptr<clsGene> clsGenSeq::GetGene(qint16 tvNo)
{
    gene(tvNo);
    return m_slots[static_cast<std::size_t>(tvNo)];
}

qint16 clsGenSeq::GetGColorBlue(qint16 tvNo) { return gene(tvNo).ColorBlue; }
qint16 clsGenSeq::GetGColorRed(qint16 tvNo) { return gene(tvNo).ColorRed; }
qint16 clsGenSeq::GetGColorGreen(qint16 tvNo) { return gene(tvNo).ColorGreen; }
bool clsGenSeq::GetGDone(qint16 tvNo) { return gene(tvNo).Done; }
bool clsGenSeq::GetGDraw(qint16 tvNo) { return gene(tvNo).Draw; }
qint16 clsGenSeq::GetGLength(qint16 tvNo) { return gene(tvNo).Length; }
qint16 clsGenSeq::GetGWidth(qint16 tvNo) { return gene(tvNo).Width; }
double clsGenSeq::GetGAngle(qint16 tvNo) { return gene(tvNo).Angle; }
void clsGenSeq::SetGAngle(qint16 tvNo, double Value) { gene(tvNo).Angle = Value; }
void clsGenSeq::SetGColorBlue(qint16 tvNo, qint16 Value) { gene(tvNo).ColorBlue = Value; }
void clsGenSeq::SetGColorRed(qint16 tvNo, qint16 Value) { gene(tvNo).ColorRed = Value; }
void clsGenSeq::SetGColorGreen(qint16 tvNo, qint16 Value) { gene(tvNo).ColorGreen = Value; }
void clsGenSeq::SetGLength(qint16 tvNo, qint16 Value) { gene(tvNo).Length = Value; }
void clsGenSeq::SetGWidth(qint16 tvNo, qint16 Value) { gene(tvNo).Width = Value; }
void clsGenSeq::SetGDone(qint16 tvNo, bool Value) { gene(tvNo).Done = Value; }
void clsGenSeq::SetGDraw(qint16 tvNo, bool Value) { gene(tvNo).Draw = Value; }

void clsGenSeq::Init() {}

bool clsGenSeq::HasGene(int tvNo) const
{
    return tvNo >= 0 && tvNo < GeneCount && m_slots[static_cast<std::size_t>(tvNo)] != nullptr;
}

void clsGenSeq::Load(const QString& tvName)
{
    GeneFileReader::Load(*this, tvName);
}
