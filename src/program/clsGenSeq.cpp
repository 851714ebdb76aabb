#include "program/clsGenSeq.h"

#include "core/genefile/GeneFileReader.h"
#include "core/genetics/Breeding.h"
#include "core/platform/RuntimeError.h"
#include "program/SharedRandom.h"
#include "program/clsObject.h"
#include "program/modGenes.h"
#include "program/modObject.h"

#include <limits>
#include <vector>

namespace {

// Refills Parents with the ticked pictures, in registry order, under " 0", " 1", ..., and gives their codes.
std::vector<GeneticCode> collectParents()
{
    auto& parents = modObject::Parents;
    const int previous = parents.count();
    for (int i = 0; i < previous; ++i)
        parents.remove(1);
    std::vector<GeneticCode> codes;
    qint16 k = 0;
    modObject::Objects.forEach([&](const std::shared_ptr<clsObject>& picture) {
        if (!picture->IsParent())
            return;
        parents.add(modObject::KeyOf(k), picture);
        codes.push_back(picture->GenCode().Code());
        if (k == std::numeric_limits<qint16>::max())
            throw RuntimeError::overflow(QStringLiteral("(more than 32767 parents)"));
        ++k;
    });
    return codes;
}

} // namespace

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

qint16 clsGenSeq::GetGColorBlue(qint16 tvNo)
{
    return gene(tvNo).ColorBlue;
}
qint16 clsGenSeq::GetGColorRed(qint16 tvNo)
{
    return gene(tvNo).ColorRed;
}
qint16 clsGenSeq::GetGColorGreen(qint16 tvNo)
{
    return gene(tvNo).ColorGreen;
}
bool clsGenSeq::GetGDone(qint16 tvNo)
{
    return gene(tvNo).Done;
}
bool clsGenSeq::GetGDraw(qint16 tvNo)
{
    return gene(tvNo).Draw;
}
qint16 clsGenSeq::GetGLength(qint16 tvNo)
{
    return gene(tvNo).Length;
}
qint16 clsGenSeq::GetGWidth(qint16 tvNo)
{
    return gene(tvNo).Width;
}
double clsGenSeq::GetGAngle(qint16 tvNo)
{
    return gene(tvNo).Angle;
}
void clsGenSeq::SetGAngle(qint16 tvNo, double Value)
{
    gene(tvNo).Angle = Value;
}
void clsGenSeq::SetGColorBlue(qint16 tvNo, qint16 Value)
{
    gene(tvNo).ColorBlue = Value;
}
void clsGenSeq::SetGColorRed(qint16 tvNo, qint16 Value)
{
    gene(tvNo).ColorRed = Value;
}
void clsGenSeq::SetGColorGreen(qint16 tvNo, qint16 Value)
{
    gene(tvNo).ColorGreen = Value;
}
void clsGenSeq::SetGLength(qint16 tvNo, qint16 Value)
{
    gene(tvNo).Length = Value;
}
void clsGenSeq::SetGWidth(qint16 tvNo, qint16 Value)
{
    gene(tvNo).Width = Value;
}
void clsGenSeq::SetGDone(qint16 tvNo, bool Value)
{
    gene(tvNo).Done = Value;
}
void clsGenSeq::SetGDraw(qint16 tvNo, bool Value)
{
    gene(tvNo).Draw = Value;
}

void clsGenSeq::Init()
{
}

bool clsGenSeq::HasGene(int tvNo) const
{
    return tvNo >= 0 && tvNo < GeneCount && m_slots[static_cast<std::size_t>(tvNo)] != nullptr;
}

void clsGenSeq::Load(const QString& tvName)
{
    modGenes::ReadMutationRate();
    GeneFileReader::Read(
        [this](qint16 tvNo) -> clsGene& { return gene(tvNo); }, tvName, modGenes::MutationRate, Rnd::shared());
}

void clsGenSeq::Make()
{
    modGenes::ReadMutationRate();
    const std::vector<GeneticCode> parents = collectParents();
    SetCode(Breeding::breed(modGenes::MutationRate, Rnd::shared(), parents));
}

GeneticCode clsGenSeq::Code()
{
    GeneticCode code;
    for (qint16 i = 0; i < GeneCount; ++i)
        code[static_cast<std::size_t>(i)] = gene(i);
    return code;
}

void clsGenSeq::SetCode(const GeneticCode& code)
{
    for (qint16 i = 0; i < GeneCount; ++i)
        gene(i) = code[static_cast<std::size_t>(i)];
}
