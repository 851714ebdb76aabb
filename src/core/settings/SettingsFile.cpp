#include "core/settings/SettingsFile.h"

#include "core/files/ReplaceFile.h"
#include "core/settings/IniText.h"
#include "core/settings/SettingsValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace SettingsFile {

QString standardPath()
{
    // Where QSettings keeps the user's settings of the program named vantrell on its own, in the INI files it calls
    // .conf. Asking QSettings itself would read the file, and it would then not say again that it is damaged.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("vantrell/vantrell.conf"));
}

QVariantMap valuesOf(const QSettings& store)
{
    QVariantMap values;
    for (const QString& key : store.allKeys())
        values.insert(key, store.value(key));
    return values;
}

Loaded load(const QString& path)
{
    Loaded loaded;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return loaded;
    const auto ignoring = [&path](const QString& why) {
        return QStringLiteral("ignoring the settings file \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
    };
    // Nothing but a regular file is opened: a FIFO would wait for a writer.
    if (!info.isFile()) {
        loaded.ignored = ignoring(QStringLiteral("it is not a regular file"));
        return loaded;
    }
    // QSettings takes a file it cannot read for an empty one; the system's reason is asked of the file itself.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.ignored = ignoring(file.errorString());
        return loaded;
    }
    file.close();
    const QSettings store(path, QSettings::IniFormat);
    if (store.status() != QSettings::NoError) {
        loaded.ignored = ignoring(QStringLiteral("it is damaged"));
        return loaded;
    }
    const SettingsValues::Read read = SettingsValues::read(valuesOf(store));
    loaded.settings = read.settings;
    if (!read.unread.isEmpty())
        loaded.ignored
            = ignoring(QStringLiteral("these values do not read: %1").arg(read.unread.join(QStringLiteral(", "))));
    return loaded;
}

void save(const QString& path, const UserSettings& settings)
{
    // A folder that cannot be made leaves the file unwritten, and writing it says why.
    QDir().mkpath(QFileInfo(path).absolutePath());
    Files::replaceFile(path, IniText::of(SettingsValues::write(settings)));
}

} // namespace SettingsFile
