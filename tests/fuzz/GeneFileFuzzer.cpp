// Feeds arbitrary bytes to the genetic code file reader: only the program's run-time error may come out.

#include "genetics/clsGenSeq.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeError.h"
#include "shell/MainWindowTexts.h"
#include "shell/modGenes.h"
#include "shell/modMain.h"

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

class FuzzMainWindow final : public MainWindowTexts {
public:
    QString MutationRateText() const override { return rate; }
    QString NameText() const override { return {}; }

    QString rate;
};

// The input's first byte picks one: never, sometimes, always, beyond single precision, and a
// text that is not numeric here (the rate then stays 0).
constexpr std::array<const char*, 8> rates { "0", "0.05", "0.5", "1", "2", "-1", "1E+39", "0,5" };

struct Harness {
    Harness()
    {
        if (!folder.isValid())
            std::abort();
        // Which rate texts are numeric must not depend on the machine's locale.
        QLocale::setDefault(QLocale::c());
        modMain::SetMainWindow(&window);
    }

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("input.gen"));
    FuzzMainWindow window;
    ReplayableRandomSource random;
    Rnd::ScopedSource scope { random };
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

    h.window.rate = QLatin1String(rates[size > 0 ? data[0] % rates.size() : 0]);
    modGenes::InitGenes();
    h.random.restart();
    clsGenSeq genSeq;
    try {
        genSeq.Load(h.file);
    } catch (const RuntimeError&) {
        // A file that does not read is an expected outcome; anything else crashes.
    }
    return 0;
}
