#pragma once
// Trait-by-trait comparison of genetic codes, with the first difference named.

#include "program/clsGenSeq.h"

#include <gtest/gtest.h>
#include <string>

inline testing::AssertionResult sameGeneticCode(clsGenSeq& a, clsGenSeq& b, double angleTolerance = 0.0)
{
    for (qint16 i = 0; i < 12; ++i) {
        const auto fail
            = [i](const char* trait) { return testing::AssertionFailure() << trait << " of gene " << i << " differs"; };
        // Written so that an angle that is not a number differs from every other.
        if (!(std::abs(a.GetGAngle(i) - b.GetGAngle(i)) <= angleTolerance))
            return fail("Angle");
        if (a.GetGColorBlue(i) != b.GetGColorBlue(i))
            return fail("ColorBlue");
        if (a.GetGColorGreen(i) != b.GetGColorGreen(i))
            return fail("ColorGreen");
        if (a.GetGColorRed(i) != b.GetGColorRed(i))
            return fail("ColorRed");
        if (a.GetGDone(i) != b.GetGDone(i))
            return fail("Done");
        if (a.GetGDraw(i) != b.GetGDraw(i))
            return fail("Draw");
        if (a.GetGLength(i) != b.GetGLength(i))
            return fail("Length");
        if (a.GetGWidth(i) != b.GetGWidth(i))
            return fail("Width");
    }
    return testing::AssertionSuccess();
}
