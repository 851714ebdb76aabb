#pragma once
// The file the user's settings last in, read and written through QSettings.

#include "core/settings/UserSettings.h"

#include <QMap>
#include <QString>
#include <QStringList>
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
    // The keys whose values did not read.
    QStringList unread;
    // Whether the whole file was ignored.
    bool ignoredWhole = false;
};

// The settings the file at path holds; the defaults, with nothing ignored, when there is no such file.
Loaded load(const QString& path);

// What becomes of the keys a write does not name: kept as the file holds them, or gone.
enum class OtherKeys { Kept, Dropped };

// Writes each text under its key into the file at path, made with its folder when missing; QSettings writes it
// whole or not at all. Empty when written; else one line saying why not, naming the file.
QString write(const QString& path, const QMap<QString, QString>& texts, OtherKeys others);

} // namespace SettingsFile
