#pragma once
// The user's lasting choices, all but the mutation rate and the Genes menu: kept for the rest of the run, and from run
// to run in the user's settings file.

#include "core/settings/UserSettings.h"

#include <QString>

struct Preferences : UserSettings {
    // The one set the program keeps.
    static Preferences& current();

    // Takes the settings the file at path holds; what cannot be read is ignored, told in one line on standard
    // error, and leaves its defaults.
    void load(const QString& path);
    // Writes every setting to the file at path; a failure is told in one line on standard error.
    void save(const QString& path) const;
};
