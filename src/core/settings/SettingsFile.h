#pragma once
// The file the user's settings last in: read through QSettings, written whole or not at all.

#include "core/settings/UserSettings.h"

#include <QString>
#include <QVariantMap>

class QSettings;

namespace SettingsFile {

// vantrell/vantrell.conf in the user's configuration folder (~/.config, or $XDG_CONFIG_HOME).
QString standardPath();

// Every value store holds, by key.
QVariantMap valuesOf(const QSettings& store);

struct Loaded {
    UserSettings settings;
    // Empty when everything read; else one line saying what was ignored: the whole file when it cannot be read or
    // is damaged (the settings are then the defaults), or the values that do not read (each kept at its default).
    QString ignored;
};

// The settings the file at path holds; the defaults, with nothing ignored, when there is no such file.
Loaded load(const QString& path);

// Writes every setting to the file at path, its folder made when missing. Errors name the file and the system's
// reason.
void save(const QString& path, const UserSettings& settings);

} // namespace SettingsFile
