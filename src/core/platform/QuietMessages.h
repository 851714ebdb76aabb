#pragma once
// Keeps off standard error the notices of Qt that tell the user nothing; every other message goes where it went.

#include <QStringList>

namespace QuietMessages {

// From now on, drops the messages that begin with one of prefixes.
void install(QStringList prefixes);

} // namespace QuietMessages
