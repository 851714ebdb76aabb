#pragma once
// The user's settings as a settings store keeps them: one text for each key, read back with every value checked.

#include "core/settings/UserSettings.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace SettingsValues {

struct Read {
    UserSettings settings;
    // The keys whose values did not read, each left at its default, in key order.
    QStringList unread;
};

// The settings values by key give. Keys nobody knows, a folder or window name with a slash among them, are passed
// over; a known key whose value is not a text that reads (a number in its range, true or false, a frame's name, an
// absolute folder, a width x height) keeps its default.
Read read(const QVariantMap& values);

// Every setting as a text by key, as read takes them back.
QMap<QString, QString> write(const UserSettings& settings);

} // namespace SettingsValues
