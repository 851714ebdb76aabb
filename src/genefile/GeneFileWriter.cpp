#include "genefile/GeneFileWriter.h"

#include "genefile/RecordLayout.h"
#include "genefile/ReplaceFile.h"
#include "genetics/clsGenSeq.h"

namespace GeneFileWriter {

QByteArray Contents(clsGenSeq& genSeq)
{
    const QByteArray lineEnd("\r\n");
    QByteArray contents;
    for (qint16 gene = 0; gene < clsGenSeq::GeneCount; ++gene) {
        for (const GeneFile::TraitLine& trait : GeneFile::RecordTraits)
            contents += trait.text(genSeq, gene).toLatin1() + lineEnd;
        contents += lineEnd;
    }
    return contents;
}

void Save(clsGenSeq& genSeq, const QString& fileName)
{
    GeneFile::replaceFile(fileName, Contents(genSeq));
}

} // namespace GeneFileWriter
