#pragma once
// vantrell-render's command line: its options, their checks and its help.

#include "vantrell-render/RenderRequest.h"

#include <QString>
#include <QStringList>

namespace CommandLine {

struct Parsed {
    enum class Action { Render, Help, Version, UsageError };
    Action action = Action::Render;
    RenderRequest request;
    // The help, the version, or what is wrong followed by the help.
    QString text;
};

// arguments as main gets them, the program's name first.
Parsed parse(const QStringList& arguments);

} // namespace CommandLine
