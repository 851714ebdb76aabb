#include "genefile/GeneFileWriter.h"

#include "genefile/RecordLayout.h"
#include "genefile/ReplaceFile.h"
#include "genetics/clsGenSeq.h"

namespace GeneFileWriter {

void Save(clsGenSeq& genSeq, const QString& fileName)
{
    const QByteArray lineEnd("\r\n");
    QByteArray contents;
    for (qint16 gene = 0; gene < clsGenSeq::GeneCount; ++gene) {
        for (const GeneFile::TraitLine& trait : GeneFile::RecordTraits)
            contents += trait.text(genSeq, gene).toLatin1() + lineEnd;
        contents += lineEnd;
    }
    GeneFile::replaceFile(fileName, contents);
}

} // namespace GeneFileWriter
