#pragma once
// The user's settings as lines of key=text, to compare what two processes hold.

#include "core/settings/SettingsValues.h"

#include <QByteArray>

inline QByteArray settingsText(const UserSettings& settings)
{
    QByteArray text;
    const QMap<QString, QString> texts = SettingsValues::write(settings);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        text += (it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n')).toUtf8();
    return text;
}
