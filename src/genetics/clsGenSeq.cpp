#include "genetics/clsGenSeq.h"

#include "genefile/GeneFileReader.h"
#include "genetics/TraitOrder.h"
#include "picture/clsObject.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "shell/modGenes.h"
#include "shell/modObject.h"

#include <cmath>
#include <limits>

namespace {

// Refills Parents with the ticked pictures, in registry order, under " 0", " 1", ...
void collectParents()
{
    auto& parents = modObject::Parents;
    const int previous = parents.count();
    for (int i = 0; i < previous; ++i)
        parents.remove(1);
    qint16 k = 0;
    modObject::Objects.forEach([&](const std::shared_ptr<clsObject>& picture) {
        if (!picture->IsParent())
            return;
        parents.add(modObject::KeyOf(k), picture);
        if (k == std::numeric_limits<qint16>::max())
            throw RuntimeError::overflow(QStringLiteral("(more than 32767 parents)"));
        ++k;
    });
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
    GeneFileReader::Load(*this, tvName);
}

void clsGenSeq::Make()
{
    modGenes::ReadMutationRate();
    collectParents();
    const auto h = static_cast<qint16>(modObject::Parents.count());

    if (modGenes::MutationRate >= 1.0 || h == 0) {
        for (qint16 i = 0; i < GeneCount; ++i)
            gene(i).Random();
        return;
    }

    for (qint16 i = 0; i < GeneCount; ++i) {
        Rnd::reseed();
        clsGene& child = gene(i);
        for (const Trait& trait : TraitOrder) {
            if (modGenes::Mutates(Rnd::next())) {
                (child.*trait.randomise)();
                continue;
            }
            // The product is taken in single precision, as the parent count is.
            const float s = Rnd::next();
            const auto j = static_cast<qint16>(std::floor(s * static_cast<float>(h)));
            trait.inherit(child, modObject::Parents.item(modObject::KeyOf(j))->GenCode(), i);
        }
    }
}
