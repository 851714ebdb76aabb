// The one test main: a QApplication on the offscreen platform, with a pinned locale.

#include "core/platform/QuietMessages.h"

#include <QApplication>
#include <QLocale>

#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleMock(&argc, argv);
    // The offscreen platform says this for every window it shows; it tells nothing about the program.
    QuietMessages::install({ QStringLiteral("This plugin does not support") });
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
