#pragma once
// Puts the program-wide state back to its start-up values, as each test needs.

#include "export/ExportSettings.h"
#include "shell/modGenes.h"
#include "shell/modMain.h"
#include "shell/modObject.h"

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
        ExportSettings::remembered() = {};
    }
};
