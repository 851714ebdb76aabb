// The one test main: a QApplication on the offscreen platform, with a pinned locale.

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <gmock/gmock.h>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says this for every window it shows; it tells nothing about the program.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleMock(&argc, argv);
    standardHandler = qInstallMessageHandler(quietOffscreenNotices);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
