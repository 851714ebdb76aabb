#include "core/genefile/GeneFileWriter.h"

#include "core/files/ReplaceFile.h"
#include "core/genefile/RecordLayout.h"

namespace GeneFileWriter {

QByteArray Contents(const GeneticCode& code)
{
    const QByteArray lineEnd("\r\n");
    QByteArray contents;
    for (const clsGene& gene : code) {
        for (const GeneFile::TraitLine& trait : GeneFile::RecordTraits)
            contents += trait.text(gene).toLatin1() + lineEnd;
        contents += lineEnd;
    }
    return contents;
}

void Save(const GeneticCode& code, const QString& fileName)
{
    Files::replaceFile(fileName, Contents(code));
}

} // namespace GeneFileWriter
