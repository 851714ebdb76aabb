#pragma once
// Puts the program-wide state back to its start-up values, as each test needs.

#include "program/Preferences.h"
#include "program/modGenes.h"
#include "program/modMain.h"
#include "program/modObject.h"

#include <gtest/gtest.h>

class ProgramStateTest : public testing::Test {
protected:
    ProgramStateTest() { reset(); }
    ~ProgramStateTest() override { reset(); }

    static void reset()
    {
        modObject::InitObject();
        modGenes::InitGenes();
        modMain::InitMain();
        Preferences::change([](UserSettings& settings) { settings = {}; });
    }
};
