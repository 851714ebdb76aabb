#include "genefile/GeneFileReader.h"

#include "genefile/FileError.h"
#include "genefile/LineReader.h"
#include "genefile/RecordLayout.h"
#include "genefile/RegularFile.h"
#include "genetics/Mutation.h"
#include "genetics/TraitOrder.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "shell/modGenes.h"

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
        return QStringLiteral("%1, line %2 (%3)")
            .arg(GeneFile::inFile(m_fileName), QString::number(m_lineNumber), what);
    }

    // The next line, as the text of what belongs there.
    QString next(const QString& what)
    {
        ++m_lineNumber;
        QByteArray line;
        switch (m_lines.readLine(line)) {
        case GeneFile::LineReader::Result::Line:
            break;
        case GeneFile::LineReader::Result::EndOfFile:
            throw RuntimeError::inputPastEndOfFile(place(what));
        case GeneFile::LineReader::Result::TooLong:
            throw RuntimeError::typeMismatch(
                QStringLiteral("%1: a line longer than %2 characters")
                    .arg(place(what), QString::number(GeneFile::LineReader::MaxLineLength)));
        case GeneFile::LineReader::Result::ReadFailed: {
            const RuntimeError error = GeneFile::fileError(m_lines.readError(), m_fileName);
            throw RuntimeError(error.number(), error.text(), place(what));
        }
        }
        // The file is single-byte text.
        return QString::fromLatin1(line);
    }

private:
    GeneFile::LineReader m_lines;
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

void store(const GeneFile::TraitLine& trait, clsGenSeq& genSeq, qint16 gene, const QString& text,
    const RecordLines& lines, const QString& what)
{
    try {
        trait.store(genSeq, gene, text);
    } catch (const RuntimeError& error) {
        // What the conversion says is replaced by the place and the text found there.
        throw RuntimeError(error.number(), error.text(), QStringLiteral("%1: \"%2\"").arg(lines.place(what), text));
    }
}

} // namespace

bool Read(clsGenSeq& genSeq, const QString& name, double mutationRate, RandomSource& random)
{
    if (!GeneFile::isRegularFile(name))
        return false;
    const GeneFile::UniqueFd fd = GeneFile::openRegularFileForReading(name);
    if (!fd.valid())
        return false;

    RecordLines lines(fd.get(), name);
    for (qint16 gene = 0; gene < clsGenSeq::GeneCount && !lines.atEnd(); ++gene) {
        random.reseed();
        for (const GeneFile::TraitLine& trait : GeneFile::RecordTraits) {
            const QString what = traitOfGene(trait, gene);
            const float r = random.next();
            const QString text = lines.next(what);
            // A mutated trait's line is read all the same but never converted.
            if (mutates(mutationRate, r, lines, what))
                (genSeq.GetGene(gene).get()->*trait.trait->randomise)();
            else
                store(trait, genSeq, gene, text, lines, what);
        }
        lines.next(QStringLiteral("empty line ending gene %1").arg(gene));
    }
    return true;
}

void Load(clsGenSeq& genSeq, const QString& tvName)
{
    modGenes::ReadMutationRate();
    Read(genSeq, tvName, modGenes::MutationRate, Rnd::shared());
}

} // namespace GeneFileReader
