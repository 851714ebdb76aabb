#include "WideTree.h"

#include "genetics/clsGenSeq.h"
#include "support/PictureCodes.h"

void fillWideTree(clsGenSeq& code)
{
    const GeneticSnapshot tree = PictureCodes::wideTree();
    for (qint16 i = 0; i < clsGenSeq::GeneCount; ++i)
        *code.GetGene(i) = tree[static_cast<std::size_t>(i)];
}
