// The Breed window by keys alone: select, Enter, Back, Forward, New Offspring and Open as Picture, from a picture of
// the run ticked in the main window; and the last ID, which leaves the window as it was.

#include "ui/breed/BreedWindow.h"

#include "core/breeding/Generations.h"
#include "support/PictureCodes.h"
#include "support/PictureTesting.h"
#include "ui/breed/BreedGrid.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

class BreedWindowTest : public PictureTest {
protected:
    // Picture 0, the wide tree, ticked; Ctrl+B in the main window.
    BreedWindow* breedFromTheTree()
    {
        tick(openPicture(PictureCodes::wideTree()));
        main->activateWindow();
        EXPECT_TRUE(activated(main.get()));
        press(QKeySequence(Qt::CTRL | Qt::Key_B));
        BreedWindow* breed = shown<BreedWindow>();
        if (breed) {
            breed->activateWindow();
            EXPECT_TRUE(activated(breed));
        }
        return breed;
    }

    Generations& generations() { return main->run().generations(); }
    const Generation& showing() { return generations().shown(); }
    const GeneticCode& cell(int index) { return showing().cells[static_cast<std::size_t>(index)]; }
};

TEST_F(BreedWindowTest, KeysSelectBreedGoBackAndForwardAndKeepACell)
{
    BreedWindow* breed = breedFromTheTree();
    ASSERT_NE(breed, nullptr);
    EXPECT_EQ(breed->windowTitle(), QStringLiteral("Breed"));
    EXPECT_EQ(QApplication::focusWidget(), breed->picGrid);
    ASSERT_EQ(generations().count(), 1);
    EXPECT_EQ(showing().cellCount(), 16);
    EXPECT_EQ(showing().ids.front(), 0);
    EXPECT_TRUE(sameTraits(cell(0), picture(0)->GenCode().Code()));

    // Right and Space select cell 2, the key 3 cell 3; Enter breeds from both.
    for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Space, Qt::Key_3 })
        press(QKeySequence(key));
    EXPECT_EQ(showing().selection, (std::vector<int> { 1, 2 }));
    const GeneticCode second = cell(1);
    const GeneticCode third = cell(2);
    press(QKeySequence(Qt::Key_Return));
    ASSERT_EQ(generations().count(), 2);
    EXPECT_TRUE(sameTraits(cell(0), second));
    EXPECT_TRUE(sameTraits(cell(1), third));
    EXPECT_EQ(showing().focus, 0);
    EXPECT_EQ(showing().ids[0], 1);
    EXPECT_EQ(showing().ids[1], 2);
    EXPECT_EQ(breed->lblGeneration->text(), QStringLiteral("Generation 2 of 2"));
    // Each chosen cell is a closed picture of the run, bred from picture 0; the registry and the main window's boxes
    // are as they were.
    for (const qint16 id : { 1, 2 }) {
        const PictureRecord* record = main->run().history().find(id);
        ASSERT_NE(record, nullptr);
        EXPECT_FALSE(record->open);
        EXPECT_EQ(record->birth.kind, BirthRecord::Kind::BredInWindow);
        EXPECT_EQ(record->birth.parents, std::vector<qint16> { 0 });
    }
    EXPECT_EQ(modObject::Objects.count(), 1);
    EXPECT_EQ(main->txtMutationRate->text(), QStringLiteral("0"));

    // Back shows the first generation as it was left, Forward the second.
    press(QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_EQ(generations().shownIndex(), 0);
    EXPECT_EQ(showing().selection, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(showing().focus, 2);
    EXPECT_TRUE(sameTraits(cell(1), second));
    press(QKeySequence(Qt::ALT | Qt::Key_Right));
    EXPECT_EQ(generations().shownIndex(), 1);

    // New Offspring: the same parents, other offspring.
    const GeneticCode offspring = cell(5);
    press(QKeySequence(Qt::Key_F5));
    ASSERT_EQ(generations().count(), 3);
    EXPECT_TRUE(sameTraits(cell(0), second));
    EXPECT_TRUE(sameTraits(cell(1), third));
    EXPECT_FALSE(sameTraits(cell(5), offspring));

    // Breeding from the first generation again drops those after it; its cells keep their IDs.
    press(QKeySequence(Qt::Key_Backspace));
    press(QKeySequence(Qt::ALT | Qt::Key_Left));
    press(QKeySequence(Qt::Key_Enter));
    EXPECT_EQ(generations().count(), 2);
    EXPECT_EQ(showing().ids[0], 1);
    EXPECT_EQ(main->run().history().pictures().size(), 3U);

    // Ctrl+Return opens the focused cell as picture 3 of the run.
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));
    frmObject* opened = window(3);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(sameTraits(picture(3)->GenCode().Code(), cell(0)));
    EXPECT_EQ(modObject::Objects.count(), 2);

    // An offspring opened as a picture is that picture from then on: breeding from it enters no other.
    breed->activateWindow();
    ASSERT_TRUE(activated(breed));
    press(QKeySequence(Qt::Key_Down));
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));
    ASSERT_NE(window(4), nullptr);
    EXPECT_EQ(main->run().history().find(4)->birth.kind, BirthRecord::Kind::BredInWindow);
    breed->activateWindow();
    ASSERT_TRUE(activated(breed));
    press(QKeySequence(Qt::Key_Return));
    EXPECT_EQ(showing().ids[0], 4);
    EXPECT_EQ(main->run().history().pictures().size(), 5U);
}

TEST_F(BreedWindowTest, TheLastIDLeavesTheWindowAsItWas)
{
    BreedWindow* breed = breedFromTheTree();
    ASSERT_NE(breed, nullptr);
    modObject::NextID = 32766;
    for (const Qt::Key key : { Qt::Key_2, Qt::Key_3, Qt::Key_Return })
        press(QKeySequence(key));
    EXPECT_THAT(takeErrorBox().toStdString(), testing::HasSubstr("Overflow"));
    EXPECT_EQ(generations().count(), 1);
    EXPECT_EQ(showing().ids[1], -1);
    EXPECT_EQ(main->run().history().pictures().size(), 1U);
    EXPECT_EQ(modObject::NextID, 32766);
}

} // namespace
