#include "ui/dialogs/AboutVantrell.h"

#include "support/WindowTesting.h"
#include "ui/dialogs/AboutCorvane.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Logos.h"
#include "ui/dialogs/PictureBox.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutVantrellTest : public testing::Test {
protected:
    AboutVantrellTest() { WindowTesting::closeLeftoverWindows(); }
    ~AboutVantrellTest() override { WindowTesting::closeLeftoverWindows(); }

    static AboutVantrell& dialog() { return Dialogs::Load<AboutVantrell>(); }

    static void showAndWait()
    {
        Dialogs::Show<AboutVantrell>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog()));
    }

    static void click(PictureBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(24, 24)); }

    static void expectProgramLogo()
    {
        EXPECT_EQ(dialog().IconShown, 0);
        EXPECT_TRUE(dialog().icnVantrell->isVisibleTo(&dialog()));
        EXPECT_FALSE(dialog().icnCorvane->isVisibleTo(&dialog()));
    }

    static void expectMakerLogo()
    {
        EXPECT_EQ(dialog().IconShown, 1);
        EXPECT_FALSE(dialog().icnVantrell->isVisibleTo(&dialog()));
        EXPECT_TRUE(dialog().icnCorvane->isVisibleTo(&dialog()));
    }
};

TEST_F(AboutVantrellTest, FirstShownWithTheProgramsLogo)
{
    showAndWait();

    expectProgramLogo();
}

TEST_F(AboutVantrellTest, ClickingTheLogoSwapsItBackAndForth)
{
    showAndWait();

    click(dialog().icnVantrell);
    expectMakerLogo();

    click(dialog().icnCorvane);
    expectProgramLogo();

    click(dialog().icnVantrell);
    expectMakerLogo();
}

TEST_F(AboutVantrellTest, HidingAndShowingAgainKeepsTheMakersLogo)
{
    showAndWait();
    click(dialog().icnVantrell);
    QTest::mouseClick(dialog().Ok, Qt::LeftButton);
    ASSERT_FALSE(dialog().isVisible());

    showAndWait();

    expectMakerLogo();
}

TEST_F(AboutVantrellTest, ClosedThroughItsFrameStartsAgainFromTheProgramsLogo)
{
    showAndWait();
    click(dialog().icnVantrell);
    const QPointer<AboutVantrell> closed = &dialog();
    closed->close();
    WindowTesting::flushDeletions();
    ASSERT_TRUE(closed.isNull());

    showAndWait();

    expectProgramLogo();
}

TEST_F(AboutVantrellTest, LogosShowTheirImagesAtNaturalSize)
{
    const QImage program = dialog().icnVantrell->pixmap().toImage().convertToFormat(QImage::Format_RGB888);
    const QImage maker = dialog().icnCorvane->pixmap().toImage().convertToFormat(QImage::Format_RGB888);

    EXPECT_EQ(program, Logos::Vantrell());
    EXPECT_EQ(maker, Logos::Corvane());
    EXPECT_EQ(dialog().icnVantrell->size(), QSize(Logos::Size, Logos::Size));
}

TEST_F(AboutVantrellTest, AboutCorvaneShowsTheSameMakersLogo)
{
    Dialogs::Show<AboutCorvane>();
    AboutCorvane& corvane = Dialogs::Load<AboutCorvane>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&corvane));

    EXPECT_TRUE(corvane.icnCorvane->isVisible());
    EXPECT_EQ(corvane.icnCorvane->pixmap().toImage(), dialog().icnCorvane->pixmap().toImage());
}

} // namespace
