#include "program/Preferences.h"

#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsValues.h"

#include <cstdio>

Preferences& Preferences::kept()
{
    static Preferences preferences;
    return preferences;
}

const Preferences& Preferences::current()
{
    return kept();
}

void Preferences::load(const QString& path)
{
    const SettingsFile::Loaded loaded = SettingsFile::load(path);
    Preferences& preferences = kept();
    static_cast<UserSettings&>(preferences) = loaded.settings;
    preferences.m_path = path;
    preferences.m_written = SettingsValues::write(loaded.settings);
    // The values that did not read are written again with the next change, even when it keeps their defaults.
    for (const QString& key : loaded.unread)
        preferences.m_written.remove(key);
    preferences.m_afresh = loaded.ignoredWhole;
    if (!loaded.ignored.isEmpty())
        std::fprintf(stderr, "vantrell: %s\n", qPrintable(loaded.ignored));
}

void Preferences::change(const std::function<void(UserSettings&)>& edit)
{
    Preferences& preferences = kept();
    edit(preferences);
    if (preferences.m_path.isEmpty())
        return;
    const QMap<QString, QString> texts = SettingsValues::write(preferences);
    QMap<QString, QString> changed;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const auto written = preferences.m_written.constFind(it.key());
        if (written == preferences.m_written.cend() || *written != it.value())
            changed.insert(it.key(), it.value());
    }
    if (changed.isEmpty())
        return;
    const QString failed = SettingsFile::write(preferences.m_path, changed,
        preferences.m_afresh ? SettingsFile::OtherKeys::Dropped : SettingsFile::OtherKeys::Kept);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "vantrell: %s\n", qPrintable(failed));
        return;
    }
    preferences.m_written = texts;
    preferences.m_afresh = false;
}
