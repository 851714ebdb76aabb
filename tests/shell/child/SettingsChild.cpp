// The user's settings in a process of their own, kept and taken as the program does at its end and its start:
// "write" keeps the choices a run would make, "read" takes them; each prints the settings as the file holds them.
// Usage: settings_child write|read

#include "core/settings/IniText.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsValues.h"
#include "program/Preferences.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    Preferences& preferences = Preferences::current();
    if (argc == 2 && std::strcmp(argv[1], "write") == 0) {
        preferences.exportSettings = { 8, Drawing::Frame::WholeTree, false, true };
        preferences.animationExport.framesPerSecond = 24;
        preferences.litterSize = 16;
        preferences.folders.insert(QStringLiteral("export picture"), QStringLiteral("/home/user/Pictures, \"best\""));
        preferences.windowSizes.insert(QStringLiteral("family tree"), QSize(1000, 700));
        preferences.save(SettingsFile::standardPath());
    } else if (argc == 2 && std::strcmp(argv[1], "read") == 0) {
        preferences.load(SettingsFile::standardPath());
    } else {
        return 2;
    }
    std::fputs(IniText::of(SettingsValues::write(preferences)).constData(), stdout);
    return 0;
}
