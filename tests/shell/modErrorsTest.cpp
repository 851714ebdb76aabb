#include "shell/modErrors.h"

#include "support/WindowTesting.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/ErrorMR.h"

#include <QPointer>

#include <gtest/gtest.h>

namespace {

class modErrorsTest : public testing::Test {
protected:
    modErrorsTest() { WindowTesting::closeLeftoverWindows(); }
    ~modErrorsTest() override { WindowTesting::closeLeftoverWindows(); }
};

TEST_F(modErrorsTest, LoadErrorsCreatesErrorMRHidden)
{
    ASSERT_TRUE(WindowTesting::windowsOf<ErrorMR>().isEmpty());

    modErrors::LoadErrors();

    const QList<ErrorMR*> loaded = WindowTesting::windowsOf<ErrorMR>();
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_FALSE(loaded.front()->isVisible());
}

TEST_F(modErrorsTest, LoadErrorsHidesTheOneErrorMRThatIsShowing)
{
    Dialogs::Show<ErrorMR>();
    const QPointer<ErrorMR> shown = &Dialogs::Load<ErrorMR>();

    modErrors::LoadErrors();

    ASSERT_EQ(WindowTesting::windowsOf<ErrorMR>().size(), 1);
    EXPECT_EQ(WindowTesting::windowsOf<ErrorMR>().front(), shown.data());
    EXPECT_FALSE(shown->isVisible());
}

} // namespace
