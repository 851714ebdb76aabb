// The user's settings in a process of their own, taken at its start as the program takes them: "change" then makes
// five changes as the program's windows make them and waits to be killed; "read" only takes them. Each prints the
// settings it holds as lines of key=text.
// Usage: settings_child change|read

#include "core/settings/SettingsFile.h"
#include "program/Preferences.h"
#include "support/SettingsText.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    const bool change = argc == 2 && std::strcmp(argv[1], "change") == 0;
    if (!change && (argc != 2 || std::strcmp(argv[1], "read") != 0))
        return 2;
    Preferences::load(SettingsFile::standardPath());
    if (change) {
        Preferences::change([](UserSettings& settings) {
            settings.exportSettings = { 8, Drawing::Frame::WholeTree, false, true };
        });
        Preferences::change([](UserSettings& settings) { settings.animationExport.framesPerSecond = 24; });
        Preferences::change([](UserSettings& settings) { settings.litterSize = 16; });
        Preferences::change([](UserSettings& settings) {
            settings.folders.insert(QStringLiteral("export picture"), QStringLiteral("/home/user/Pictures, \"best\""));
        });
        Preferences::change([](UserSettings& settings) {
            settings.windowSizes.insert(QStringLiteral("family tree"), QSize(1000, 700));
        });
    }
    // In one write, so that the test reads it whole at once.
    std::fputs(settingsText(Preferences::current()).constData(), stdout);
    std::fflush(stdout);
    if (change)
        std::getchar();
    return 0;
}
