#include "vantrell-render/RandomCodes.h"

#include "core/genefile/GeneFileWriter.h"
#include "core/genetics/GeneticCode.h"
#include "core/platform/RandomSource.h"
#include "core/platform/RuntimeError.h"

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
    // One code after another from the one seeded source, so that a seed always gives the same files.
    SeededRandomSource source(seed);
    for (int i = 0; i < fileNames.size(); ++i) {
        GeneticCode code;
        for (clsGene& gene : code)
            gene.Random(source);
        try {
            GeneFileWriter::Save(code, fileNames[i]);
        } catch (const RuntimeError& error) {
            failed(i, error.message());
        }
    }
}

} // namespace RandomCodes
