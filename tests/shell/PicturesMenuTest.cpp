#include "core/genefile/GeneFileWriter.h"
#include "core/genetics/GeneticCode.h"
#include "support/GeneticCodeMatchers.h"
#include "support/OpenTesting.h"

#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QSpinBox>

#include <gmock/gmock.h>
#include <string>

namespace {

class PicturesMenuTest : public OpenTest {
protected:
    // The IDs of the registered pictures, in order.
    static std::vector<int> registered()
    {
        std::vector<int> ids;
        modObject::Objects.forEach([&](const std::shared_ptr<clsObject>& p) { ids.push_back(p->ID); });
        return ids;
    }

    static int openWindows()
    {
        int count = 0;
        for (frmObject* form : WindowTesting::windowsOf<frmObject>())
            count += form->isVisible() ? 1 : 0;
        return count;
    }

    static QInputDialog* litterDialog()
    {
        for (QInputDialog* dialog : WindowTesting::windowsOf<QInputDialog>())
            if (dialog->isVisible())
                return dialog;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = w->findChild<QInputDialog*>(); d && d->isVisible())
                return d;
        return nullptr;
    }

    void setRate(const QString& rate) { replaceText(main->txtMutationRate, rate); }
};

TEST_F(PicturesMenuTest, ALitterOpensThatManyPicturesWithConsecutiveIds)
{
    open(QStringLiteral("0"));
    main->OpenLitter(9);
    EXPECT_THAT(registered(), testing::ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 8, 9));
    EXPECT_EQ(openWindows(), 10);
    for (int id = 1; id <= 9; ++id)
        EXPECT_NE(window(id), nullptr) << id;
}

TEST_F(PicturesMenuTest, TheMenuAsksHowManyEnterAcceptsNineAndTheNumberIsRemembered)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->P_OpenLitter->trigger();
    QInputDialog* dialog = litterDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Litter"));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("How many pictures?"));
    EXPECT_EQ(dialog->intMinimum(), 2);
    EXPECT_EQ(dialog->intMaximum(), 64);
    EXPECT_EQ(dialog->intValue(), 9);
    QTest::keyClick(dialog->findChild<QSpinBox*>(), Qt::Key_Return);
    WindowTesting::flushDeletions();
    EXPECT_EQ(modObject::Objects.count(), 9);

    main->P_OpenLitter->trigger();
    dialog = litterDialog();
    ASSERT_NE(dialog, nullptr);
    auto* box = dialog->findChild<QSpinBox*>();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_Return);
    WindowTesting::flushDeletions();
    EXPECT_EQ(modObject::Objects.count(), 12);
    EXPECT_EQ(Preferences::current().litterSize, 3);
}

TEST_F(PicturesMenuTest, ABadRateShowsErrorMROnceAndOpensNothing)
{
    setRate(QStringLiteral("abc"));
    main->OpenLitter(5);
    EXPECT_EQ(modObject::Objects.count(), 0);
    EXPECT_EQ(modObject::NextID, 0);
    EXPECT_EQ(openWindows(), 0);
    EXPECT_EQ(WindowTesting::windowsTitled(QStringLiteral("ErrorMR")).size(), 1);
    EXPECT_TRUE(WindowTesting::windowsTitled(QStringLiteral("ErrorMR")).front()->isVisible());
}

TEST_F(PicturesMenuTest, ALitterStopsAtTheFirstOpenThatFailsAndKeepsThoseOpened)
{
    setRate(QStringLiteral("0"));
    modObject::NextID = 32764;
    main->P_OpenLitter->trigger();
    QInputDialog* dialog = litterDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->setIntValue(5);
    dialog->accept();
    EXPECT_THAT(registered(), testing::ElementsAre(32764, 32765, 32766));
    EXPECT_THAT(takeErrorBox().toStdString(), testing::HasSubstr("Overflow"));
    EXPECT_EQ(openWindows(), 3);
}

TEST_F(PicturesMenuTest, ALitterOfOneParentAtHalfRateGivesDifferentChildren)
{
    open(QStringLiteral("0"));
    tick(window(0));
    setRate(QStringLiteral("0.5"));
    main->OpenLitter(4);
    ASSERT_EQ(modObject::Objects.count(), 5);
    for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 4; ++b)
            EXPECT_FALSE(sameTraits(picture(a)->GenCode().Code(), picture(b)->GenCode().Code())) << a << " and " << b;
    for (int id = 1; id <= 4; ++id)
        EXPECT_EQ(main->run().history().find(id)->birth.kind, BirthRecord::Kind::Bred);
}

TEST_F(PicturesMenuTest, ALittersWindowsDoNotOverlapEachOtherOrTheMainWindow)
{
    main->move(0, 0);
    main->OpenLitter(9);
    std::vector<QRect> frames;
    for (int id = 0; id < 9; ++id) {
        ASSERT_NE(window(id), nullptr);
        frames.push_back(window(id)->frameGeometry());
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_FALSE(frames[i].intersects(main->frameGeometry())) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(frames[i].intersects(frames[j])) << i << " and " << j;
    }
}

TEST_F(PicturesMenuTest, CloseUntickedKeepsExactlyTheTickedPictures)
{
    main->OpenLitter(5);
    tick(window(1));
    tick(window(3));
    window(4)->btnDone->click();
    WindowTesting::flushDeletions();
    main->P_CloseUnticked->trigger();
    WindowTesting::flushDeletions();
    EXPECT_EQ(window(0), nullptr);
    EXPECT_NE(window(1), nullptr);
    EXPECT_EQ(window(2), nullptr);
    EXPECT_NE(window(3), nullptr);
    EXPECT_EQ(modObject::Objects.count(), 5);
    EXPECT_FALSE(main->run().history().find(0)->open);
    EXPECT_TRUE(main->run().history().find(1)->open);
}

// Regression: the second litter went exactly over the parents left open, hiding them.
TEST_F(PicturesMenuTest, ASecondLitterGoesClearOfTheParentsLeftOpen)
{
    main->move(0, 0);
    main->OpenLitter(9);
    tick(window(2));
    tick(window(5));
    main->P_CloseUnticked->trigger();
    WindowTesting::flushDeletions();
    const QRect parents[] = { window(2)->frameGeometry(), window(5)->frameGeometry() };
    main->OpenLitter(9);
    for (int id = 9; id < 18; ++id) {
        ASSERT_NE(window(id), nullptr);
        for (const QRect& parent : parents)
            EXPECT_FALSE(window(id)->frameGeometry().intersects(parent)) << id;
    }
}

TEST_F(PicturesMenuTest, ReopenClosedShowsTheLatestClosedFirstAsItWasUntilNoneIsLeft)
{
    EXPECT_FALSE(main->P_ReopenClosed->isEnabled());
    open(QStringLiteral("0"), QStringLiteral("first.gen"));
    open(QStringLiteral("0"), QStringLiteral("second.gen"));
    const QImage drawing = window(1)->surface().image().copy();
    tick(window(1));
    window(0)->btnDone->click();
    window(1)->close();
    WindowTesting::flushDeletions();
    ASSERT_TRUE(main->P_ReopenClosed->isEnabled());

    main->P_ReopenClosed->trigger();
    ASSERT_NE(window(1), nullptr);
    EXPECT_EQ(window(0), nullptr);
    EXPECT_EQ(window(1)->txtName->text(), QStringLiteral("second.gen"));
    EXPECT_FALSE(window(1)->cbxParent->isChecked());
    EXPECT_EQ(window(1)->surface().image(), drawing);
    EXPECT_TRUE(main->run().history().find(1)->open);
    main->P_ReopenClosed->trigger();
    EXPECT_NE(window(0), nullptr);
    EXPECT_FALSE(main->P_ReopenClosed->isEnabled());
    EXPECT_EQ(modObject::Objects.count(), 2);
}

struct ShortcutCase {
    const char* item;
    QKeySequence keys;
};

class PicturesMenuShortcut : public PicturesMenuTest, public testing::WithParamInterface<ShortcutCase> { };

TEST_P(PicturesMenuShortcut, HasItsKeys)
{
    const auto* item = main->findChild<QAction*>(QString::fromLatin1(GetParam().item));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(Items, PicturesMenuShortcut,
    testing::Values(ShortcutCase { "P_OpenLitter", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O) },
        ShortcutCase { "P_CloseUnticked", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W) },
        ShortcutCase { "P_ReopenClosed", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T) },
        ShortcutCase { "P_AnimateTicked", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A) },
        ShortcutCase { "P_FamilyTree", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F) }),
    [](const auto& info) { return std::string(info.param.item); });

// Birth records of every way of being born.
class BirthTest : public PicturesMenuTest {
protected:
    const BirthRecord& birth(int id) { return main->run().history().find(id)->birth; }
};

TEST_F(BirthTest, APictureReadFromAFileRecordsItsAbsolutePathAndRate)
{
    clsGenSeq code;
    GeneFileWriter::Save(code.Code(), path(QStringLiteral("a.gen")));
    open(QStringLiteral("0.25"), QStringLiteral("a.gen"));
    EXPECT_EQ(birth(0).kind, BirthRecord::Kind::File);
    EXPECT_EQ(birth(0).file, QFileInfo(path(QStringLiteral("a.gen"))).absoluteFilePath());
    EXPECT_EQ(birth(0).rate, 0.25);
    EXPECT_TRUE(birth(0).parents.empty());
}

TEST_F(BirthTest, ABredPictureRecordsTheTickedPicturesAndRate)
{
    open(QStringLiteral("0"));
    open(QStringLiteral("0"));
    open(QStringLiteral("0"));
    tick(window(0));
    tick(window(2));
    open(QStringLiteral("0.1"));
    EXPECT_EQ(birth(3).kind, BirthRecord::Kind::Bred);
    EXPECT_THAT(birth(3).parents, testing::ElementsAre(0, 2));
    EXPECT_EQ(birth(3).rate, 0.1);
}

TEST_F(BirthTest, WithoutParentsOrAtRateOneThePictureIsRandom)
{
    open(QStringLiteral("0.3"));
    EXPECT_EQ(birth(0).kind, BirthRecord::Kind::Random);
    tick(window(0));
    open(QStringLiteral("1"));
    EXPECT_EQ(birth(1).kind, BirthRecord::Kind::Random);
    EXPECT_TRUE(birth(1).parents.empty());
}

TEST_F(BirthTest, ThePictureRemembersTheFlagsItsDrawingUsed)
{
    main->G_Draw->trigger();
    open(QStringLiteral("0"));
    main->G_Draw->trigger();
    main->G_Done->trigger();
    EXPECT_EQ(birth(0).flags, (Drawing::Flags { true, true }));
    EXPECT_EQ(picture(0)->DrawnWith(), (Drawing::Flags { true, true }));
}

TEST_F(BirthTest, OpeningAFileAPictureSavedMakesThatPictureItsParent)
{
    open(QStringLiteral("0"));
    replaceText(window(0)->txtName, QStringLiteral("kept.gen"));
    QTest::mouseClick(window(0)->btnSave, Qt::LeftButton);
    open(QStringLiteral("0"), QStringLiteral("kept.gen"));
    EXPECT_EQ(birth(1).kind, BirthRecord::Kind::File);
    EXPECT_THAT(birth(1).parents, testing::ElementsAre(0));
}

TEST_F(BirthTest, AFileChangedSinceItsSaveHasNoParent)
{
    open(QStringLiteral("0"));
    replaceText(window(0)->txtName, QStringLiteral("kept.gen"));
    QTest::mouseClick(window(0)->btnSave, Qt::LeftButton);
    QFile file(path(QStringLiteral("kept.gen")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.replace(0, 1, bytes.startsWith('1') ? "2" : "1");
    file.seek(0);
    file.write(bytes);
    file.close();
    open(QStringLiteral("0"), QStringLiteral("kept.gen"));
    EXPECT_TRUE(birth(1).parents.empty());
}

TEST_F(BirthTest, AReopenedPictureIsACopyWithExactlyTheOriginalsCodeAndFlags)
{
    main->G_Done->trigger();
    open(QStringLiteral("0"));
    main->G_Done->trigger();
    window(0)->btnDone->click();
    WindowTesting::flushDeletions();
    main->run().openCopy(0);
    ASSERT_EQ(modObject::Objects.count(), 2);
    EXPECT_EQ(birth(1).kind, BirthRecord::Kind::Copy);
    EXPECT_EQ(birth(1).copyOf, 0);
    EXPECT_EQ(picture(1)->DrawnWith(), (Drawing::Flags { false, false }));
    EXPECT_TRUE(sameTraits(picture(1)->GenCode().Code(), picture(0)->GenCode().Code()));
    ASSERT_NE(window(1), nullptr);
    EXPECT_EQ(window(1)->txtName->text(), picture(0)->Name);
}

TEST_F(BirthTest, ACopyIsDrawnAsItsOriginalWas)
{
    main->G_Done->trigger();
    open(QStringLiteral("0"));
    const QImage original = window(0)->surface().image().copy();
    main->G_Done->trigger();
    main->run().openCopy(0);
    EXPECT_EQ(window(1)->surface().image(), original);
}

} // namespace
