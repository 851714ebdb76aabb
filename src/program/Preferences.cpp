#include "program/Preferences.h"

Preferences& Preferences::current()
{
    static Preferences preferences;
    return preferences;
}
