#pragma once
// Every key of the settings file, each with how its text is read into the user's settings and written from them.

#include "core/settings/UserSettings.h"

#include <QMap>
#include <QString>

#include <functional>
#include <vector>

namespace SettingsKeys {

// One key and the setting it holds.
struct Key {
    QString key;
    // Puts the setting text gives into settings; false, with settings as they were, when text does not read.
    std::function<bool(const QString& text, UserSettings& settings)> read;
    // The setting's text, as read takes it back.
    std::function<QString(const UserSettings& settings)> write;
};

// The keys of a group, one for each file dialog or window, named after it.
struct Group {
    // What the group's keys start with, as "folders/".
    QString prefix;
    // Puts the setting text gives under name into settings; false, with settings as they were, when text does not
    // read.
    std::function<bool(const QString& name, const QString& text, UserSettings& settings)> read;
    // Each setting's text by name, as read takes them back.
    std::function<QMap<QString, QString>(const UserSettings& settings)> write;
};

const std::vector<Key>& keys();
const std::vector<Group>& groups();

} // namespace SettingsKeys
