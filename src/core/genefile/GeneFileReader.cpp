#include "core/genefile/GeneFileReader.h"

#include "core/files/FileError.h"
#include "core/files/LineReader.h"
#include "core/files/RegularFile.h"
#include "core/genefile/RecordLayout.h"
#include "core/genetics/Mutation.h"
#include "core/genetics/TraitOrder.h"
#include "core/platform/RandomSource.h"
#include "core/platform/RuntimeError.h"

namespace GeneFileReader {

namespace {

// Reads one file's lines in turn, each failure naming the file, the line and what belongs there.
class RecordLines {
public:
    RecordLines(int fd, const QString& fileName)
        : m_lines(fd)
        , m_fileName(fileName)
    {
    }

    bool atEnd() { return m_lines.atEnd(); }

    // in "tree.gen", line 11 (ColorBlue of gene 1)
    QString place(const QString& what) const
    {
        return QStringLiteral("%1, line %2 (%3)").arg(Files::inFile(m_fileName), QString::number(m_lineNumber), what);
    }

    // The next line, as the text of what belongs there.
    QString next(const QString& what)
    {
        ++m_lineNumber;
        QByteArray line;
        switch (m_lines.readLine(line)) {
        case Files::LineReader::Result::Line:
            break;
        case Files::LineReader::Result::EndOfFile:
            throw RuntimeError::inputPastEndOfFile(place(what));
        case Files::LineReader::Result::TooLong:
            throw RuntimeError::typeMismatch(QStringLiteral("%1: a line longer than %2 characters")
                                                 .arg(place(what), QString::number(Files::LineReader::MaxLineLength)));
        case Files::LineReader::Result::ReadFailed: {
            const RuntimeError error = Files::fileError(m_lines.readError(), m_fileName);
            throw RuntimeError(error.number(), error.text(), place(what));
        }
        }
        // The file is single-byte text.
        return QString::fromLatin1(line);
    }

private:
    Files::LineReader m_lines;
    const QString& m_fileName;
    int m_lineNumber = 0;
};

QString traitOfGene(const GeneFile::TraitLine& trait, qint16 gene)
{
    return QStringLiteral("%1 of gene %2").arg(QLatin1String(trait.trait->name), QString::number(gene));
}

bool mutates(double rate, float r, const RecordLines& lines, const QString& what)
{
    try {
        return Mutation::mutates(rate, r);
    } catch (const RuntimeError& error) {
        throw error.about(lines.place(what));
    }
}

// Converts the line first, so that a line that does not convert leaves the gene as it was.
void store(
    const GeneFile::TraitLine& trait, clsGene& gene, const QString& text, const RecordLines& lines, const QString& what)
{
    clsGene converted;
    try {
        trait.store(converted, text);
    } catch (const RuntimeError& error) {
        // What the conversion says is replaced by the place and the text found there.
        throw RuntimeError(error.number(), error.text(), QStringLiteral("%1: \"%2\"").arg(lines.place(what), text));
    }
    trait.trait->inherit(gene, converted);
}

} // namespace

bool Read(const GeneAt& geneAt, const QString& name, double mutationRate, RandomSource& random)
{
    if (!Files::isRegularFile(name))
        return false;
    const Files::UniqueFd fd = Files::openRegularFileForReading(name);
    if (!fd.valid())
        return false;

    RecordLines lines(fd.get(), name);
    for (qint16 gene = 0; gene < GeneCount && !lines.atEnd(); ++gene) {
        random.reseed();
        for (const GeneFile::TraitLine& trait : GeneFile::RecordTraits) {
            const QString what = traitOfGene(trait, gene);
            const float r = random.next();
            const QString text = lines.next(what);
            // A mutated trait's line is read all the same but never converted.
            if (mutates(mutationRate, r, lines, what))
                (geneAt(gene).*trait.trait->randomise)(random);
            else
                store(trait, geneAt(gene), text, lines, what);
        }
        lines.next(QStringLiteral("empty line ending gene %1").arg(gene));
    }
    return true;
}

bool Read(GeneticCode& code, const QString& name, double mutationRate, RandomSource& random)
{
    return Read(
        [&code](qint16 gene) -> clsGene& { return code[static_cast<std::size_t>(gene)]; }, name, mutationRate, random);
}

} // namespace GeneFileReader
