// Feeds arbitrary bytes to the settings reading as the user's settings file: only settings may come out, and what
// was read, written and read again is the same, with nothing ignored the second time.

#include "core/settings/IniText.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Files in memory where there is a memory file system: a disk would spend the half minute on writing them.
QString folderTemplate()
{
    const QString shared = QStringLiteral("/dev/shm");
    if (QFileInfo(shared).isDir() && QFileInfo(shared).isWritable())
        return shared + QStringLiteral("/settings-fuzz-XXXXXX");
    return QDir::tempPath() + QStringLiteral("/settings-fuzz-XXXXXX");
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

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

    QTemporaryDir folder { folderTemplate() };
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
    writeFile(input, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const SettingsFile::Loaded first = SettingsFile::load(input);
    QFile::remove(input);

    // Written as the program writes the file, but without waiting for a disk.
    const QString again = h.nextFile();
    writeFile(again, IniText::of(SettingsValues::write(first.settings)));
    const SettingsFile::Loaded second = SettingsFile::load(again);
    QFile::remove(again);
    if (!(second.settings == first.settings) || !second.ignored.isEmpty())
        std::abort();
    return 0;
}
