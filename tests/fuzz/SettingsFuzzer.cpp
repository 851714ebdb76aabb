// Feeds arbitrary bytes to the settings reading as the user's settings file: only settings may come out, and what
// was read, written and read again is the same, with nothing ignored the second time.

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
    const bool shared = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    return (shared ? QStringLiteral("/dev/shm") : QDir::tempPath()) + QStringLiteral("/settings-fuzz-XXXXXX");
}

// QSettings keeps what it read of a file by the file's name: each file gets a name of its own.
QString writeNewFile(const QByteArray& bytes)
{
    static const QTemporaryDir folder(folderTemplate());
    static quint64 count = 0;
    const QString name = folder.filePath(QStringLiteral("%1.conf").arg(++count));
    QFile file(name);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = writeNewFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const SettingsFile::Loaded first = SettingsFile::load(input);
    QFile::remove(input);
    // Written as the program writes the file, but without waiting for a disk.
    const QString again = writeNewFile({});
    if (!SettingsFile::write(again, SettingsValues::write(first.settings), SettingsFile::OtherKeys::Dropped).isEmpty())
        std::abort();
    const SettingsFile::Loaded second = SettingsFile::load(again);
    QFile::remove(again);
    if (!(second.settings == first.settings) || !second.ignored.isEmpty())
        std::abort();
    return 0;
}
