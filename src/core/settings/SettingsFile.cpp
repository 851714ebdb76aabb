#include "core/settings/SettingsFile.h"

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
        loaded.ignoredWhole = true;
        return loaded;
    }
    // QSettings takes a file it cannot read for an empty one; the system's reason is asked of the file itself.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.ignored = ignoring(file.errorString());
        loaded.ignoredWhole = true;
        return loaded;
    }
    file.close();
    const QSettings store(path, QSettings::IniFormat);
    if (store.status() != QSettings::NoError) {
        loaded.ignored = ignoring(QStringLiteral("it is damaged"));
        loaded.ignoredWhole = true;
        return loaded;
    }
    const SettingsValues::Read read = SettingsValues::read(valuesOf(store));
    loaded.settings = read.settings;
    loaded.unread = read.unread;
    if (!read.unread.isEmpty())
        loaded.ignored
            = ignoring(QStringLiteral("these values do not read: %1").arg(read.unread.join(QStringLiteral(", "))));
    return loaded;
}

QString write(const QString& path, const QMap<QString, QString>& texts, OtherKeys others)
{
    const auto notKept = [&path](const QString& why) {
        return QStringLiteral("the settings were not kept in \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
    };
    // QSettings would wait on a FIFO for a writer.
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        return notKept(QStringLiteral("it is not a regular file"));
    QSettings store(path, QSettings::IniFormat);
    if (others == OtherKeys::Dropped)
        store.clear();
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        store.setValue(it.key(), it.value());
    store.sync();
    // A file that was damaged when read is written all the same, and says FormatError still.
    if (store.status() == QSettings::AccessError)
        return notKept(QStringLiteral("it cannot be written"));
    return {};
}

} // namespace SettingsFile
