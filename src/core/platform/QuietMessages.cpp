#include "core/platform/QuietMessages.h"

#include <QtGlobal>

#include <cstdio>

namespace QuietMessages {

namespace {

QStringList& dropped()
{
    static QStringList prefixes;
    return prefixes;
}

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    for (const QString& prefix : dropped())
        if (message.startsWith(prefix))
            return;
    if (previous)
        previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

void install(QStringList prefixes)
{
    dropped() = std::move(prefixes);
    previous = qInstallMessageHandler(filter);
}

} // namespace QuietMessages
