// The user's settings in a process of their own, kept and taken as the program keeps them at its end and takes them
// at its start: "write" makes the choices a run would make and keeps them; "read" takes them and prints each.
// Usage: settings_child write|read

#include "core/settings/SettingsFile.h"
#include "program/Preferences.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

const char* frameName(Drawing::Frame frame)
{
    return frame == Drawing::Frame::WholeTree ? "whole" : "window";
}

void print(const Preferences& p)
{
    const ExportSettings& e = p.exportSettings;
    const AnimationExportSettings& a = p.animationExport;
    std::printf("export %d %s %d %d\n", e.scale, frameName(e.frame), e.smooth, e.transparent);
    std::printf("animation %d %d %s %d %d\n", a.scale, a.framesPerSecond, frameName(a.frame), a.smooth, a.transparent);
    std::printf("litter %d\n", p.litterSize);
    QStringList names = p.folders.keys();
    names.sort();
    for (const QString& name : names)
        std::printf("folder %s=%s\n", qPrintable(name), qPrintable(p.folders.value(name)));
    names = p.windowSizes.keys();
    names.sort();
    for (const QString& name : names)
        std::printf("window %s=%dx%d\n", qPrintable(name), p.windowSizes.value(name).width(),
            p.windowSizes.value(name).height());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrell"));
    if (argc != 2)
        return 2;
    Preferences& preferences = Preferences::current();
    if (std::strcmp(argv[1], "write") == 0) {
        preferences.exportSettings = { 8, Drawing::Frame::WholeTree, false, true };
        preferences.animationExport = { 2, 24, Drawing::Frame::WholeTree, true, true };
        preferences.litterSize = 16;
        preferences.folders.insert(QStringLiteral("export picture"), QStringLiteral("/home/user/Pictures, \"best\""));
        preferences.folders.insert(QStringLiteral("open genetic code"), QStringLiteral("/home/user/codes"));
        preferences.windowSizes.insert(QStringLiteral("family tree"), QSize(1000, 700));
        preferences.windowSizes.insert(QStringLiteral("large view"), QSize(500, 400));
        preferences.save(SettingsFile::standardPath());
        return 0;
    }
    if (std::strcmp(argv[1], "read") == 0) {
        preferences.load(SettingsFile::standardPath());
        print(preferences);
        return 0;
    }
    return 2;
}
