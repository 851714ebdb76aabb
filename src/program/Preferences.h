#pragma once
// The user's lasting choices, all but the mutation rate and the Genes menu: kept for the rest of the run, and from run
// to run in the user's settings file, each written there as it changes.

#include "core/settings/UserSettings.h"

#include <QMap>
#include <QString>

#include <functional>

class Preferences : public UserSettings {
public:
    // The one set the program keeps; it changes through change alone.
    static const Preferences& current();

    // Takes the settings the file at path holds, and keeps each later change there. What cannot be read is ignored,
    // told in one line on standard error, and leaves its defaults.
    static void load(const QString& path);
    // Makes edit's change to the settings, and writes the settings it altered to the file they were loaded from, if
    // any. A failed write is told in one line on standard error, and what it left unwritten goes with the next change.
    static void change(const std::function<void(UserSettings&)>& edit);

private:
    static Preferences& kept();

    QString m_path;
    // The text of each setting the file holds, a missing key holding its default.
    QMap<QString, QString> m_written;
    // The file was ignored whole: what it holds goes with the next write.
    bool m_afresh = false;
};
