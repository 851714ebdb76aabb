#include "render/RandomCodes.h"

#include "genefile/GeneFileWriter.h"
#include "genetics/clsGenSeq.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"

#include <QDir>

namespace RandomCodes {

QStringList fileNames(const QString& folder, const QString& prefix, int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 1; i <= count; ++i) {
        const QString name = QStringLiteral("%1%2.gen").arg(prefix).arg(i, 4, 10, QLatin1Char('0'));
        names.append(folder.isEmpty() ? name : QDir(folder).filePath(name));
    }
    return names;
}

void write(const QStringList& fileNames, std::uint64_t seed,
    const std::function<void(int index, const QString& error)>& failed)
{
    // The genes draw from the shared generator: in its place, on this one thread, one code after another.
    SeededRandomSource source(seed);
    const Rnd::ScopedSource scoped(source);
    for (int i = 0; i < fileNames.size(); ++i) {
        clsGenSeq code;
        for (qint16 gene = 0; gene < clsGenSeq::GeneCount; ++gene)
            code.GetGene(gene)->Random();
        try {
            GeneFileWriter::Save(code, fileNames[i]);
        } catch (const RuntimeError& error) {
            failed(i, error.message());
        }
    }
}

} // namespace RandomCodes
