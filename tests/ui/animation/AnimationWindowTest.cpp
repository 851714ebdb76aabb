// The Animation window and its Export Animation dialog, driven from the main window and the family tree.

#include "ui/animation/AnimationWindow.h"

#include "core/animation/InBetween.h"
#include "core/drawing/WindowBackground.h"
#include "support/AnimationReading.h"
#include "support/CaseNames.h"
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

using CaseNames::PrintTo;

const std::vector<GeneticCode> animatedTrunks { PictureCodes::trunk(300, 4, Qt::red),
    PictureCodes::trunk(900, 12, Qt::blue), PictureCodes::trunk(1400, 8, Qt::darkGreen) };

class AnimationWindowTest : public PictureTest {
protected:
    // Opens a picture of each code, ticks those of the IDs given and presses Ctrl+Shift+A in the main window.
    AnimationWindow* animate(const std::vector<GeneticCode>& codes, const std::vector<int>& ticked)
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
            EXPECT_TRUE(QTest::qWaitForWindowExposed(animation));
            animation->activateWindow();
            EXPECT_TRUE(activated(animation));
        }
        return animation;
    }

    // Paused, with the focus where the window puts it.
    AnimationWindow* pausedAnimation(const std::vector<int>& ticked = { 2, 0 })
    {
        AnimationWindow* animation = animate(animatedTrunks, ticked);
        if (animation)
            QTest::keyClick(animation->picAnimation, Qt::Key_Space);
        return animation;
    }

    static void key(AnimationWindow* animation, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : animation, key, modifiers);
    }

    ExportAnimationDialog* exportDialog(AnimationWindow* animation)
    {
        key(animation, Qt::Key_E, Qt::ControlModifier);
        ExportAnimationDialog* dialog = shown<ExportAnimationDialog>();
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(activated(dialog));
        }
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
    AnimationWindow* animation = animate(animatedTrunks, { 2, 0 });
    ASSERT_NE(animation, nullptr);

    EXPECT_EQ(animation->windowTitle(), QStringLiteral("Animation"));
    EXPECT_TRUE(animation->isPlaying());
    ASSERT_EQ(animation->morph().pictures(), 2);
    EXPECT_TRUE(sameTraits(animation->morph().codes()[0], animatedTrunks[0]));
    EXPECT_TRUE(sameTraits(animation->morph().codes()[1], animatedTrunks[2]));
    EXPECT_EQ(animation->morph().flags(), picture(0)->DrawnWith());
    EXPECT_EQ(animation->sldPosition->maximum(), 30);
    EXPECT_EQ(animation->spnSecondsPerStep->value(), 1.0);
    EXPECT_EQ(animation->spnSecondsPerStep->minimum(), 0.2);
    EXPECT_EQ(animation->spnSecondsPerStep->maximum(), 10.0);
    EXPECT_FALSE(animation->cbxBackAndForth->isChecked());
    for (const QWidget* control : std::initializer_list<const QWidget*> { animation->picAnimation,
             animation->sldPosition, animation->spnSecondsPerStep, animation->cbxBackAndForth })
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([animation] { return animation->frame() > 0; }));
}

struct AnimationRefusalCase {
    const char* name;
    std::vector<int> ticked;
};

class AnimationRefusalTest : public AnimationWindowTest, public testing::WithParamInterface<AnimationRefusalCase> { };

TEST_P(AnimationRefusalTest, FewerThanTwoTickedSayTwoAreNeededAndOpenNothing)
{
    EXPECT_EQ(animate(animatedTrunks, GetParam().ticked), nullptr);
    EXPECT_EQ(takeErrorBox(),
        QStringLiteral("An animation needs two or more pictures. Tick the Parent box of the pictures to animate."));
}

INSTANTIATE_TEST_SUITE_P(Ticks, AnimationRefusalTest,
    testing::Values(AnimationRefusalCase { "NoneTicked", {} }, AnimationRefusalCase { "OneTicked", { 1 } }));

TEST_F(AnimationWindowTest, PausedTheKeysMoveFrameByFrameAndTheDrawingFollows)
{
    AnimationWindow* animation = pausedAnimation();
    ASSERT_NE(animation, nullptr);
    EXPECT_FALSE(animation->isPlaying());
    const std::pair<Qt::Key, int> steps[] = { { Qt::Key_Home, 0 }, { Qt::Key_Right, 1 }, { Qt::Key_End, 30 },
        { Qt::Key_Left, 29 }, { Qt::Key_Right, 30 }, { Qt::Key_Right, 30 } };
    for (const auto& [pressed, frame] : steps) {
        key(animation, pressed);
        EXPECT_EQ(animation->frame(), frame) << pressed;
        EXPECT_EQ(animation->sldPosition->value(), frame) << pressed;
    }
    animation->sldPosition->setValue(15);
    const QImage drawn = animation->picAnimation->grab().toImage();
    const qreal ratio = animation->devicePixelRatioF();
    const QImage expected = Drawing::renderFittedOver(Drawing::WindowFrame, true,
        InBetween::code(animatedTrunks[0], animatedTrunks[2], 0.5), animation->morph().flags(),
        animation->picAnimation->size() * ratio, ratio, Drawing::windowBackground(), true);
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));

    key(animation, Qt::Key_Space);
    EXPECT_TRUE(animation->isPlaying());
    key(animation, Qt::Key_Escape);
    WindowTesting::flushDeletions();
    EXPECT_EQ(shown<AnimationWindow>(), nullptr);
}

TEST_F(AnimationWindowTest, AnotherPaceOrBackAndForthKeepsTheMomentShown)
{
    AnimationWindow* animation = pausedAnimation();
    ASSERT_NE(animation, nullptr);
    animation->sldPosition->setValue(10);
    animation->spnSecondsPerStep->setValue(2.0);
    EXPECT_EQ(animation->timing().frameCount(), 61);
    EXPECT_EQ(animation->sldPosition->maximum(), 60);
    EXPECT_EQ(animation->frame(), 20);
    QTest::mouseClick(animation->cbxBackAndForth, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(animation->timing().loopLength(), 120);
    EXPECT_EQ(animation->frame(), 20);
}

TEST_F(AnimationWindowTest, CtrlReturnOpensTheFrameAsAPictureBornBetweenItsTwo)
{
    AnimationWindow* animation = pausedAnimation({ 0, 1, 2 });
    ASSERT_NE(animation, nullptr);
    // A quarter of the way from picture 1 to picture 2.
    animation->sldPosition->setValue(38);
    key(animation, Qt::Key_Return, Qt::ControlModifier);

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
    tick(window(0));
    tick(window(1));
    open(QStringLiteral("0.2"));
    main->P_FamilyTree->trigger();
    FamilyTreeWindow* tree = main->FamilyTree();
    ASSERT_NE(tree, nullptr);

    tree->animateLineage(0);
    EXPECT_EQ(takeErrorBox(),
        QStringLiteral("An animation needs two or more pictures. Picture 0 has no parent in this run."));
    tree->animateLineage(2);
    AnimationWindow* animation = shown<AnimationWindow>();
    ASSERT_NE(animation, nullptr);
    ASSERT_EQ(animation->morph().pictures(), 3);
    for (int id = 0; id < 3; ++id)
        EXPECT_TRUE(sameTraits(animation->morph().codes()[static_cast<std::size_t>(id)], picture(id)->GenCode().Code()))
            << id;
}

TEST_F(AnimationWindowTest, ExportAnimationOpensOnTheFileBoxWithItsDefaults)
{
    AnimationWindow* animation = pausedAnimation();
    ASSERT_NE(animation, nullptr);
    ExportAnimationDialog* dialog = exportDialog(animation);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export Animation"));
    EXPECT_EQ(dialog->txtFile->text(), path(QStringLiteral("animation.webp")));
    EXPECT_EQ(QApplication::focusWidget(), dialog->txtFile);
    EXPECT_EQ(std::make_tuple(dialog->spnScale->value(), dialog->spnScale->minimum(), dialog->spnScale->maximum()),
        std::make_tuple(4, 1, 16));
    EXPECT_EQ(std::make_tuple(dialog->spnFramesPerSecond->value(), dialog->spnFramesPerSecond->minimum(),
                  dialog->spnFramesPerSecond->maximum()),
        std::make_tuple(30, 1, 60));
    EXPECT_FALSE(dialog->cbxWholeTree->isChecked());
    EXPECT_TRUE(dialog->cbxSmooth->isChecked());
    EXPECT_FALSE(dialog->cbxTransparent->isChecked());
    EXPECT_TRUE(dialog->btnExport->isDefault());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    for (const QWidget* control : std::initializer_list<const QWidget*> { dialog->txtFile, dialog->btnBrowse,
             dialog->spnScale, dialog->spnFramesPerSecond, dialog->cbxWholeTree, dialog->cbxSmooth,
             dialog->cbxTransparent, dialog->btnExport, dialog->btnCancel })
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
}

TEST_F(AnimationWindowTest, ExportWritesTheWindowsLoopAndCloses)
{
    AnimationWindow* animation = pausedAnimation();
    ASSERT_NE(animation, nullptr);
    QTest::mouseClick(animation->cbxBackAndForth, Qt::LeftButton, {}, QPoint(8, 8));
    ExportAnimationDialog* dialog = exportDialog(animation);
    ASSERT_NE(dialog, nullptr);
    exportTo(dialog, path(QStringLiteral("loop.GIF")));

    EXPECT_TRUE(QTest::qWaitFor([] { return shown<ExportAnimationDialog>() == nullptr; }, 20000));
    EXPECT_EQ(takeErrorBox(), QString());
    // There and back: 30 frames each way.
    EXPECT_EQ(AnimationReading::readGif(contents(path(QStringLiteral("loop.GIF")))).frames.size(), 60U);
}

TEST_F(AnimationWindowTest, AnotherSuffixIsRefusedNamingBothAndTheDialogStays)
{
    AnimationWindow* animation = pausedAnimation();
    ASSERT_NE(animation, nullptr);
    ExportAnimationDialog* dialog = exportDialog(animation);
    ASSERT_NE(dialog, nullptr);
    const QStringList before = entries(folder.path());
    exportTo(dialog, path(QStringLiteral("loop.png")));

    const QString refusal = takeErrorBox();
    EXPECT_TRUE(refusal.contains(u".webp or .gif")) << refusal.toStdString();
    EXPECT_EQ(shown<ExportAnimationDialog>(), dialog);
    EXPECT_EQ(entries(folder.path()), before);
}

TEST_F(AnimationWindowTest, AFrameTooBigIsRefusedBeforeReplacingIsAsked)
{
    AnimationWindow* animation = animate({ PictureCodes::hugeTree(), PictureCodes::hugeTree() }, { 0, 1 });
    ASSERT_NE(animation, nullptr);
    ExportAnimationDialog* dialog = exportDialog(animation);
    ASSERT_NE(dialog, nullptr);
    QFile old(path(QStringLiteral("big.webp")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    dialog->cbxWholeTree->setChecked(true);
    dialog->spnScale->setValue(16);
    exportTo(dialog, path(QStringLiteral("big.webp")));

    EXPECT_TRUE(takeErrorBox().startsWith(u"Out of memory (error 7)"));
    EXPECT_EQ(takeErrorBox(), QString());
    EXPECT_EQ(contents(path(QStringLiteral("big.webp"))), QByteArray("old"));
}

TEST_F(AnimationWindowTest, ALongExportShowsItsProgressAndCancelledLeavesNothing)
{
    AnimationWindow* animation = pausedAnimation();
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
