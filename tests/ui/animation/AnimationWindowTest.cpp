// The Animation window and its Export Animation dialog, driven from the main window and the family tree.

#include "ui/animation/AnimationWindow.h"

#include "core/animation/InBetween.h"
#include "core/drawing/WindowBackground.h"
#include "core/export/RasterRender.h"
#include "support/AnimationReading.h"
#include "support/PictureCodes.h"
#include "support/PictureTesting.h"
#include "ui/animation/AnimationView.h"
#include "ui/animation/ExportAnimationDialog.h"
#include "ui/familytree/FamilyTreeWindow.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QProgressDialog>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

const std::vector<GeneticCode> animatedTrunks { PictureCodes::trunk(300, 4, Qt::red),
    PictureCodes::trunk(900, 12, Qt::blue), PictureCodes::trunk(1400, 8, Qt::darkGreen) };

class AnimationWindowTest : public PictureTest {
protected:
    // Opens a picture of each code, ticks those of the IDs given and presses Ctrl+Shift+A in the main window.
    AnimationWindow* animate(const std::vector<int>& ticked, const std::vector<GeneticCode>& codes = animatedTrunks)
    {
        for (const GeneticCode& code : codes)
            openPicture(code);
        for (const int id : ticked)
            tick(window(id));
        main->activateWindow();
        EXPECT_TRUE(activated(main.get()));
        press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
        AnimationWindow* animation = shown<AnimationWindow>();
        if (animation) {
            animation->activateWindow();
            EXPECT_TRUE(activated(animation));
        }
        return animation;
    }

    // Paused by Space, with the focus where the window puts it.
    AnimationWindow* paused(const std::vector<int>& ticked = { 2, 0 })
    {
        AnimationWindow* animation = animate(ticked);
        if (animation)
            press(QKeySequence(Qt::Key_Space));
        return animation;
    }

    ExportAnimationDialog* exportDialog(AnimationWindow* animation)
    {
        if (!animation)
            return nullptr;
        press(QKeySequence(Qt::CTRL | Qt::Key_E));
        ExportAnimationDialog* dialog = shown<ExportAnimationDialog>();
        EXPECT_TRUE(dialog && activated(dialog));
        return dialog;
    }

    static void exportTo(ExportAnimationDialog* dialog, const QString& fileName)
    {
        replaceText(dialog->txtFile, fileName);
        QTest::keyClick(dialog->txtFile, Qt::Key_Return);
    }
};

TEST_F(AnimationWindowTest, CtrlShiftAPlaysTheTickedPicturesInTheOrderOfTheirIds)
{
    AnimationWindow* animation = animate({ 2, 0 });
    ASSERT_NE(animation, nullptr);

    EXPECT_EQ(animation->windowTitle(), QStringLiteral("Animation"));
    ASSERT_EQ(animation->morph().pictures(), 2);
    EXPECT_TRUE(sameTraits(animation->morph().codes()[0], animatedTrunks[0]));
    EXPECT_TRUE(sameTraits(animation->morph().codes()[1], animatedTrunks[2]));
    EXPECT_EQ(animation->morph().flags(), picture(0)->DrawnWith());
    EXPECT_EQ(animation->sldPosition->maximum(), 30);
    const QDoubleSpinBox* pace = animation->spnSecondsPerStep;
    EXPECT_EQ(QList<double>({ pace->value(), pace->minimum(), pace->maximum() }), QList<double>({ 1.0, 0.2, 10.0 }));
    EXPECT_FALSE(animation->cbxBackAndForth->isChecked());
    EXPECT_TRUE(animation->isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([animation] { return animation->frame() > 0; }));
}

TEST_F(AnimationWindowTest, FewerThanTwoPicturesAreRefusedSayingTwoAreNeeded)
{
    EXPECT_EQ(animate({ 1 }), nullptr);
    EXPECT_EQ(takeErrorBox(),
        QStringLiteral("An animation needs two or more pictures. Tick the Parent box of the pictures to animate."));
    main->P_FamilyTree->trigger();
    main->FamilyTree()->animateLineage(1);
    EXPECT_EQ(shown<AnimationWindow>(), nullptr);
    EXPECT_EQ(takeErrorBox(),
        QStringLiteral("An animation needs two or more pictures. Picture 1 has no parent in this run."));
}

TEST_F(AnimationWindowTest, PausedTheKeysMoveFrameByFrameAndTheDrawingFollows)
{
    AnimationWindow* animation = paused();
    ASSERT_NE(animation, nullptr);
    EXPECT_FALSE(animation->isPlaying());
    const std::pair<Qt::Key, int> steps[] = { { Qt::Key_Home, 0 }, { Qt::Key_Right, 1 }, { Qt::Key_End, 30 },
        { Qt::Key_Left, 29 }, { Qt::Key_Right, 30 }, { Qt::Key_Right, 30 } };
    for (const auto& [pressed, frame] : steps) {
        press(QKeySequence(pressed));
        EXPECT_EQ(animation->frame(), frame) << pressed;
        EXPECT_EQ(animation->sldPosition->value(), frame) << pressed;
    }
    animation->sldPosition->setValue(15);
    const qreal ratio = animation->devicePixelRatioF();
    const QImage expected
        = Drawing::renderFitted(InBetween::code(animatedTrunks[0], animatedTrunks[2], 0.5), animation->morph().flags(),
            { .shown = { Drawing::WindowFrame, true },
                .pixels = animation->picAnimation->size() * ratio,
                .devicePixelRatio = ratio,
                .background = Drawing::windowBackground() });
    EXPECT_EQ(animation->picAnimation->grab().toImage().convertToFormat(QImage::Format_RGB32),
        expected.convertToFormat(QImage::Format_RGB32));

    press(QKeySequence(Qt::Key_Space));
    EXPECT_TRUE(animation->isPlaying());
    press(QKeySequence(Qt::Key_Escape));
    WindowTesting::flushDeletions();
    EXPECT_EQ(shown<AnimationWindow>(), nullptr);
}

TEST_F(AnimationWindowTest, CtrlReturnOpensTheFrameAsAPictureBornBetweenItsTwo)
{
    AnimationWindow* animation = paused({ 0, 1, 2 });
    ASSERT_NE(animation, nullptr);
    // A second a step at 30 frames: 8 frames past picture 1.
    animation->sldPosition->setValue(38);
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));

    ASSERT_NE(window(3), nullptr);
    EXPECT_TRUE(
        sameTraits(picture(3)->GenCode().Code(), InBetween::code(animatedTrunks[1], animatedTrunks[2], 8.0 / 30)));
    EXPECT_EQ(main->run().history().find(3)->birth, BirthRecord::between(1, 2, picture(0)->DrawnWith()));
}

TEST_F(AnimationWindowTest, TheFamilyTreeAnimatesALineageFromItsOldestAncestor)
{
    open(QStringLiteral("0"));
    tick(window(0));
    open(QStringLiteral("0.2"));
    // 2 is bred from 1 alone, 1 from 0.
    tick(window(0));
    tick(window(1));
    open(QStringLiteral("0.2"));
    main->P_FamilyTree->trigger();
    main->FamilyTree()->animateLineage(2);

    AnimationWindow* animation = shown<AnimationWindow>();
    ASSERT_NE(animation, nullptr);
    ASSERT_EQ(animation->morph().pictures(), 3);
    for (std::size_t id = 0; id < 3; ++id)
        EXPECT_TRUE(sameTraits(animation->morph().codes()[id], picture(static_cast<int>(id))->GenCode().Code()));
}

TEST_F(AnimationWindowTest, ExportAnimationOpensOnTheFileBoxWithItsDefaults)
{
    ExportAnimationDialog* dialog = exportDialog(paused());
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export Animation"));
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->txtFile->text(), path(QStringLiteral("animation.webp")));
    EXPECT_EQ(QApplication::focusWidget(), dialog->txtFile);
    EXPECT_EQ(QList<int>({ dialog->spnScale->value(), dialog->spnScale->minimum(), dialog->spnScale->maximum() }),
        QList<int>({ 4, 1, 16 }));
    EXPECT_EQ(QList<int>({ dialog->spnFramesPerSecond->value(), dialog->spnFramesPerSecond->minimum(),
                  dialog->spnFramesPerSecond->maximum() }),
        QList<int>({ 30, 1, 60 }));
    EXPECT_EQ(QList<bool>({ dialog->cbxWholeTree->isChecked(), dialog->cbxSmooth->isChecked(),
                  dialog->cbxTransparent->isChecked(), dialog->btnExport->isDefault() }),
        QList<bool>({ false, true, false, true }));
    EXPECT_EQ(dialog->spnFramesPerSecond->accessibleName(), QStringLiteral("Frames per second"));
}

TEST_F(AnimationWindowTest, ExportWritesTheWindowsLoopAndCloses)
{
    AnimationWindow* animation = paused();
    ASSERT_NE(animation, nullptr);
    QTest::mouseClick(animation->cbxBackAndForth, Qt::LeftButton, {}, QPoint(8, 8));
    ExportAnimationDialog* dialog = exportDialog(animation);
    ASSERT_NE(dialog, nullptr);
    exportTo(dialog, path(QStringLiteral("loop.GIF")));

    EXPECT_TRUE(QTest::qWaitFor([] { return shown<ExportAnimationDialog>() == nullptr; }, 20000));
    EXPECT_EQ(takeErrorBox(), QString());
    // There and back: 30 frames each way.
    EXPECT_EQ(AnimationReading::readGif(path(QStringLiteral("loop.GIF"))).frames.size(), 60U);
}

TEST_F(AnimationWindowTest, AFrameTooBigIsRefusedBeforeReplacingIsAsked)
{
    ExportAnimationDialog* dialog
        = exportDialog(animate({ 0, 1 }, { PictureCodes::hugeTree(), PictureCodes::hugeTree() }));
    ASSERT_NE(dialog, nullptr);
    QFile old(path(QStringLiteral("big.webp")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    dialog->cbxWholeTree->setChecked(true);
    dialog->spnScale->setValue(16);
    exportTo(dialog, path(QStringLiteral("big.webp")));

    EXPECT_TRUE(takeErrorBox().startsWith(u"Out of memory (error 7)"));
    EXPECT_EQ(takeErrorBox(), QString());
    EXPECT_EQ(readFile(path(QStringLiteral("big.webp"))), QByteArray("old"));
}

TEST_F(AnimationWindowTest, ALongExportShowsItsProgressAndCancelledLeavesNothing)
{
    AnimationWindow* animation = paused();
    ASSERT_NE(animation, nullptr);
    animation->spnSecondsPerStep->setValue(10.0);
    ExportAnimationDialog* dialog = exportDialog(animation);
    ASSERT_NE(dialog, nullptr);
    dialog->spnScale->setValue(16);
    dialog->spnFramesPerSecond->setValue(60);
    const QStringList before = entries(folder.path());
    exportTo(dialog, path(QStringLiteral("long.webp")));

    ASSERT_TRUE(dialog->isExporting());
    QProgressDialog* progress = dialog->progressDialog();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([progress] { return progress->isVisible(); }, 5000));
    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return !dialog->isExporting(); }, 20000));

    EXPECT_EQ(shown<ExportAnimationDialog>(), dialog);
    EXPECT_EQ(takeErrorBox(), QString());
    EXPECT_EQ(entries(folder.path()), before);
}

} // namespace
