#include "program/Preferences.h"

#include "core/platform/RuntimeError.h"
#include "core/settings/SettingsFile.h"

#include <cstdio>

Preferences& Preferences::current()
{
    static Preferences preferences;
    return preferences;
}

void Preferences::load(const QString& path)
{
    const SettingsFile::Loaded loaded = SettingsFile::load(path);
    static_cast<UserSettings&>(*this) = loaded.settings;
    if (!loaded.ignored.isEmpty())
        std::fprintf(stderr, "vantrell: %s\n", qPrintable(loaded.ignored));
}

void Preferences::save(const QString& path) const
{
    try {
        SettingsFile::save(path, *this);
    } catch (const RuntimeError& error) {
        // The program is ending: no window is left to tell it in.
        std::fprintf(stderr, "vantrell: the settings were not kept: %s\n", qPrintable(error.message()));
    }
}
