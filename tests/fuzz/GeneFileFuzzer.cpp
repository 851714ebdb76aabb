// Feeds arbitrary bytes to the genetic code file reader: only the program's run-time error may come out.

#include "core/genefile/GeneFileReader.h"
#include "core/platform/RandomSource.h"
#include "core/platform/RuntimeError.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The same draws for the same input, so that every finding replays. Reseeding stirs the state.
class ReplayableRandomSource final : public RandomSource {
public:
    void restart() { m_state = 0x2545F491U; }
    void reseed() override { m_state = m_state * 0x9E3779B1U + 0x7F4A7C15U; }
    float next() override
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<float>(m_state >> 8) * (1.0F / 16777216.0F);
    }

private:
    std::uint32_t m_state = 0;
};

// The input's first byte picks one: never, sometimes, always, and beyond single precision.
constexpr std::array<double, 7> rates { 0.0, 0.05, 0.5, 1.0, 2.0, -1.0, 1e39 };

struct Harness {
    Harness()
    {
        if (!folder.isValid())
            std::abort();
        // Which lines are numbers must not depend on the machine's locale.
        QLocale::setDefault(QLocale::c());
    }

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("input.gen"));
    ReplayableRandomSource random;
};

Harness& harness()
{
    static Harness instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Harness& h = harness();
    QFile input(h.file);
    if (!input.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    if (input.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
    input.close();

    const double rate = rates[size > 0 ? data[0] % rates.size() : 0];
    h.random.restart();
    GeneticCode code;
    try {
        GeneFileReader::Read(code, h.file, rate, h.random);
    } catch (const RuntimeError&) {
        // A file that does not read is an expected outcome; anything else crashes.
    }
    return 0;
}
