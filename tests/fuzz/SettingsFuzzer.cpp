// Feeds arbitrary bytes to the settings reading as the user's settings file: only settings may come out, and what
// was read, written and read again is the same, with nothing ignored the second time.

#include "core/platform/RuntimeError.h"
#include "core/settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Harness {
    Harness()
    {
        if (!folder.isValid())
            std::abort();
    }

    // QSettings keeps what it read of a file by the file's name: each input gets a name of its own.
    QString nextFile()
    {
        ++count;
        return folder.filePath(QStringLiteral("input-%1.conf").arg(count));
    }

    QTemporaryDir folder;
    quint64 count = 0;
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
    const QString input = h.nextFile();
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
            std::abort();
    }
    const SettingsFile::Loaded first = SettingsFile::load(input);
    QFile::remove(input);

    const QString again = h.nextFile();
    try {
        SettingsFile::save(again, first.settings);
    } catch (const RuntimeError&) {
        std::abort();
    }
    const SettingsFile::Loaded second = SettingsFile::load(again);
    QFile::remove(again);
    if (!(second.settings == first.settings) || !second.ignored.isEmpty())
        std::abort();
    return 0;
}
