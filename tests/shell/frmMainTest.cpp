#include "shell/frmMain.h"

#include "core/platform/Twips.h"
#include "program/modGenes.h"
#include "program/modMain.h"
#include "program/modObject.h"
#include "support/CaseNames.h"
#include "support/ProgramState.h"
#include "support/WindowTesting.h"
#include "ui/dialogs/AboutAuthor.h"
#include "ui/dialogs/AboutCorvane.h"
#include "ui/dialogs/AboutVantrell.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/ErrorMR.h"
#include "ui/dialogs/Info.h"
#include "ui/dialogs/License.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <gmock/gmock.h>
#include <memory>

namespace {

using CaseNames::PrintTo;

using testing::ElementsAre;

class frmMainTest : public ProgramStateTest {
protected:
    ~frmMainTest() override
    {
        window.reset();
        WindowTesting::closeLeftoverWindows();
    }

    // Shows the window and waits until it has the keyboard, as after a real start.
    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Replaces the mutation-rate box's text by typing, as a user does.
    void typeMutationRate(const QString& text)
    {
        window->txtMutationRate->setFocus();
        QTest::keyClick(window->txtMutationRate, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window->txtMutationRate, Qt::Key_Backspace);
        QTest::keyClicks(window->txtMutationRate, text);
    }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }

    int endings = 0;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>([this] { ++endings; });
};

TEST_F(frmMainTest, MutationRateBoxStartsWithBlankThenZero)
{
    EXPECT_EQ(window->txtMutationRate->text(), QStringLiteral(" 0"));
    EXPECT_TRUE(modMain::IsMutationRateValid());
    EXPECT_EQ(window->txtName->text(), QString());
}

TEST_F(frmMainTest, GenesMenuStartsWithDoneCheckedAndDrawNot)
{
    EXPECT_TRUE(window->G_Done->isChecked());
    EXPECT_FALSE(window->G_Draw->isChecked());
    EXPECT_TRUE(modMain::UseDone);
    EXPECT_FALSE(modMain::UseDraw);
}

TEST_F(frmMainTest, StartUpPutsTheProgramStateBack)
{
    window.reset();
    modObject::NextID = 12;
    modGenes::MutationRate = 0.75;
    modMain::UseDone = false;
    modMain::UseDraw = true;

    window = std::make_unique<frmMain>([this] { ++endings; });

    EXPECT_EQ(modObject::NextID, 0);
    EXPECT_EQ(modObject::Objects.count(), 0);
    EXPECT_EQ(modGenes::MutationRate, 0.0);
    EXPECT_TRUE(modMain::UseDone);
    EXPECT_FALSE(modMain::UseDraw);
    EXPECT_EQ(window->txtMutationRate->text(), QStringLiteral(" 0"));
}

TEST_F(frmMainTest, StartUpCreatesTheSixDialogsHidden)
{
    QSet<QString> captions;
    for (DialogWindow* dialog : WindowTesting::windowsOf<DialogWindow>()) {
        EXPECT_FALSE(dialog->isVisible()) << dialog->windowTitle().toStdString();
        captions.insert(dialog->windowTitle());
    }

    const QSet<QString> expected { QStringLiteral("ErrorMR"), QStringLiteral("About Author"),
        QStringLiteral("About Corvane Software"), QStringLiteral("About Vantrell"), QStringLiteral("License"),
        QStringLiteral("Info") };
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(WindowTesting::windowsOf<DialogWindow>().size(), 6);
}

TEST_F(frmMainTest, CaptionAndClientArea)
{
    showWindow();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Main"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(Twips::toPixels(2820), Twips::toPixels(1140)));
    EXPECT_EQ(window->centralWidget()->y(), window->menuBar()->geometry().bottom() + 1);
}

struct ControlPlace {
    const char* name;
    int left, top, width, height;
};

const ControlPlace mainControls[] = {
    { "lblMutationRate", 120, 120, 1095, 255 },
    { "txtMutationRate", 1200, 120, 1455, 375 },
    { "btnOpen", 120, 600, 975, 375 },
    { "txtName", 1200, 600, 1455, 375 },
};

class frmMainControl : public frmMainTest, public testing::WithParamInterface<ControlPlace> {
protected:
    QWidget* control() const { return window->findChild<QWidget*>(QString::fromLatin1(GetParam().name)); }
    QRect expectedGeometry() const
    {
        const ControlPlace& p = GetParam();
        return Twips::toPixels(p.left, p.top, p.width, p.height);
    }
};

TEST_P(frmMainControl, SitsAtItsPlaceInTheClientArea)
{
    showWindow();
    QWidget* widget = control();
    ASSERT_NE(widget, nullptr);

    EXPECT_EQ(widget->parentWidget(), window->centralWidget());
    EXPECT_EQ(widget->geometry(), expectedGeometry());
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
}

TEST_P(frmMainControl, KeepsItsPlaceWhenTheWindowIsResized)
{
    showWindow();
    window->resize(window->width() + 150, window->height() + 90);
    QTest::qWait(0);

    EXPECT_EQ(control()->geometry(), expectedGeometry());
}

INSTANTIATE_TEST_SUITE_P(Layout, frmMainControl, testing::ValuesIn(mainControls), CaseNames::testName);

TEST_F(frmMainTest, LabelAndButtonTexts)
{
    EXPECT_EQ(window->lblMutationRate->text(), QStringLiteral("Mutation Rate"));
    EXPECT_EQ(window->btnOpen->text(), QStringLiteral("Open"));
}

TEST_F(frmMainTest, KeyboardFocusStartsInTheMutationRateBox)
{
    showWindow();

    EXPECT_EQ(QApplication::focusWidget(), window->txtMutationRate);
}

TEST_F(frmMainTest, TabOrderIsMutationRateLabelOpenName)
{
    const QStringList order { QStringLiteral("txtMutationRate"), QStringLiteral("lblMutationRate"),
        QStringLiteral("btnOpen"), QStringLiteral("txtName") };

    EXPECT_EQ(WindowTesting::focusChainOrder(window.get(), order), order);
}

TEST_F(frmMainTest, TabGoesFromMutationRateToOpenToName)
{
    showWindow();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->btnOpen);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->txtName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->txtMutationRate);
}

// Captions of the actions a menu holds, in order.
QStringList captionsIn(const QWidget* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions.append(item->text());
    return captions;
}

// File, Genes and Info keep their places; Pictures goes between Genes and Info.
TEST_F(frmMainTest, MenuBarHoldsFileGenesPicturesInfo)
{
    EXPECT_THAT(captionsIn(window->menuBar()), ElementsAre("&File", "&Genes", "&Pictures", "&Info"));
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->menu(), window->findChild<QMenu*>(QStringLiteral("M_File")));
    EXPECT_EQ(menus[1]->menu(), window->findChild<QMenu*>(QStringLiteral("M_Genes")));
    EXPECT_EQ(menus[2]->menu(), window->findChild<QMenu*>(QStringLiteral("M_Pictures")));
    EXPECT_EQ(menus[3]->menu(), window->findChild<QMenu*>(QStringLiteral("M_Info")));
}

// A menu that does not fit the bar's one row would hide behind its extension button.
TEST_F(frmMainTest, EveryMenuShowsInTheBarAtTheLaidOutWidth)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QMenuBar* bar = window->menuBar();
    EXPECT_EQ(bar->width(), Twips::toPixels(2820));
    for (QAction* menu : bar->actions()) {
        const QRect shown = bar->actionGeometry(menu);
        EXPECT_FALSE(shown.isEmpty()) << menu->text().toStdString();
        EXPECT_TRUE(bar->rect().contains(shown)) << menu->text().toStdString();
    }
}

struct MenuContents {
    const char* menu;
    std::vector<const char*> items;
    std::vector<const char*> captions;
};

void PrintTo(const MenuContents& contents, std::ostream* os)
{
    *os << contents.menu;
}

const MenuContents menuContents[] = {
    { "M_File", { "F_Exit" }, { "&Exit" } },
    { "M_Genes", { "G_Done", "G_Draw" }, { "D&one", "D&raw" } },
    { "M_Pictures",
        { "P_OpenFile", "P_Album", "P_OpenLitter", "P_CloseUnticked", "P_ReopenClosed", "P_AnimateTicked", "P_Breed",
            "", "P_FamilyTree", "P_RecoverRun" },
        { "&Open File...", "Albu&m...", "Open &Litter...", "Close &Unticked Pictures", "Reopen &Closed Picture",
            "&Animate Ticked Pictures", "&Breed...", "", "&Family Tree", "&Recover Run..." } },
    { "M_Info", { "I_About", "I_License", "I_Info" }, { "&About", "&License", "&Info" } },
    { "I_About", { "I_A_AboutVantrell", "I_A_AboutCorvane", "I_A_AboutAuthor" },
        { "About &Vantrell", "About &Corvane", "About &Author" } },
};

class frmMainMenu : public frmMainTest, public testing::WithParamInterface<MenuContents> { };

TEST_P(frmMainMenu, HoldsItsItemsInOrder)
{
    const auto* menu = window->findChild<QMenu*>(QString::fromLatin1(GetParam().menu));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(static_cast<std::size_t>(items.size()), GetParam().items.size());
    for (std::size_t i = 0; i < GetParam().items.size(); ++i) {
        const QAction* item = items[static_cast<qsizetype>(i)];
        const QObject* named = item->menu() ? static_cast<const QObject*>(item->menu()) : item;
        EXPECT_EQ(named->objectName().toStdString(), GetParam().items[i]);
        EXPECT_EQ(item->text().toStdString(), GetParam().captions[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, frmMainMenu, testing::ValuesIn(menuContents),
    [](const testing::TestParamInfo<MenuContents>& info) { return info.param.menu; });

struct ToggleCase {
    const char* name;
    const char* item;
    int clicks;
    bool checked;
    bool* flag;
};

const ToggleCase toggleCases[] = {
    { "DoneOnce", "G_Done", 1, false, &modMain::UseDone },
    { "DoneTwice", "G_Done", 2, true, &modMain::UseDone },
    { "DrawOnce", "G_Draw", 1, true, &modMain::UseDraw },
    { "DrawTwice", "G_Draw", 2, false, &modMain::UseDraw },
    { "DrawThrice", "G_Draw", 3, true, &modMain::UseDraw },
};

class frmMainToggle : public frmMainTest, public testing::WithParamInterface<ToggleCase> { };

TEST_P(frmMainToggle, FlagFollowsTheCheckMark)
{
    QAction* item = action(GetParam().item);
    ASSERT_NE(item, nullptr);

    for (int i = 0; i < GetParam().clicks; ++i) {
        item->trigger();
        EXPECT_EQ(*GetParam().flag, item->isChecked()) << "after click " << i + 1;
    }

    EXPECT_EQ(item->isChecked(), GetParam().checked);
    EXPECT_EQ(*GetParam().flag, GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(Genes, frmMainToggle, testing::ValuesIn(toggleCases), CaseNames::testName);

TEST_F(frmMainTest, TogglingOneFlagLeavesTheOther)
{
    window->G_Draw->trigger();

    EXPECT_TRUE(modMain::UseDone);
    EXPECT_TRUE(window->G_Done->isChecked());
}

TEST_F(frmMainTest, RestartRestoresDoneCheckedAndDrawUnchecked)
{
    window->G_Done->trigger();
    window->G_Draw->trigger();
    window.reset();

    window = std::make_unique<frmMain>([this] { ++endings; });

    EXPECT_TRUE(window->G_Done->isChecked());
    EXPECT_FALSE(window->G_Draw->isChecked());
    EXPECT_TRUE(modMain::UseDone);
    EXPECT_FALSE(modMain::UseDraw);
}

TEST_F(frmMainTest, AccessKeysReachGenesDraw)
{
    showWindow();

    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->M_Genes->isVisible(); }));
    QTest::keyClick(window->M_Genes, Qt::Key_R);

    EXPECT_TRUE(window->G_Draw->isChecked());
    EXPECT_TRUE(modMain::UseDraw);
}

struct TypedRate {
    const char* name;
    const char* typed;
    double rate;
};

constexpr double previousRate = 0.5;

const TypedRate typedRates[] = {
    { "Fraction", "0.25", 0.25 },
    { "Negative", "-0.1", -0.1 },
    { "OneOrMore", "3", 3.0 },
    { "Exponent", "5E-2", 0.05 },
    { "BlanksAround", " 0.125 ", 0.125 },
    { "Empty", "", previousRate },
    { "Letters", "abc", previousRate },
    { "DigitsThenLetters", "0.2x", previousRate },
    { "CommaInEnglishLocale", "0,25", previousRate },
};

class frmMainTypedRate : public frmMainTest, public testing::WithParamInterface<TypedRate> { };

TEST_P(frmMainTypedRate, ReadMutationRateTakesOnlyNumericText)
{
    showWindow();
    modGenes::MutationRate = previousRate;
    typeMutationRate(QString::fromLatin1(GetParam().typed));
    ASSERT_EQ(window->txtMutationRate->text(), QString::fromLatin1(GetParam().typed));

    modGenes::ReadMutationRate();

    EXPECT_DOUBLE_EQ(modGenes::MutationRate, GetParam().rate);
}

INSTANTIATE_TEST_SUITE_P(Typed, frmMainTypedRate, testing::ValuesIn(typedRates), CaseNames::testName);

TEST_F(frmMainTest, NameTextIsTheNameBox)
{
    showWindow();
    QTest::keyClicks(window->txtName, QStringLiteral("tree.gen"));

    EXPECT_EQ(modMain::MainWindow().name(), QStringLiteral("tree.gen"));
}

struct InfoItem {
    const char* item;
    const char* caption;
};

void PrintTo(const InfoItem& item, std::ostream* os)
{
    *os << item.item;
}

const InfoItem infoItems[] = {
    { "I_A_AboutVantrell", "About Vantrell" },
    { "I_A_AboutCorvane", "About Corvane Software" },
    { "I_A_AboutAuthor", "About Author" },
    { "I_License", "License" },
    { "I_Info", "Info" },
};

class frmMainInfoItem : public frmMainTest, public testing::WithParamInterface<InfoItem> {
protected:
    QList<QWidget*> dialogs() const { return WindowTesting::windowsTitled(QString::fromLatin1(GetParam().caption)); }
};

TEST_P(frmMainInfoItem, ShowsItsDialogBesideTheMainWindow)
{
    showWindow();

    action(GetParam().item)->trigger();

    const QList<QWidget*> shown = dialogs();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front()->isVisible());
    EXPECT_FALSE(shown.front()->isModal());
    EXPECT_EQ(shown.front()->parentWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(endings, 0);
}

TEST_P(frmMainInfoItem, ChosenTwiceShowsOneDialogInFront)
{
    showWindow();
    action(GetParam().item)->trigger();
    const QPointer<QWidget> first = dialogs().value(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    action(GetParam().item)->trigger();

    ASSERT_EQ(dialogs().size(), 1);
    EXPECT_EQ(dialogs().front(), first.data());
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));
}

INSTANTIATE_TEST_SUITE_P(InfoMenu, frmMainInfoItem, testing::ValuesIn(infoItems),
    [](const testing::TestParamInfo<InfoItem>& info) { return info.param.item; });

struct RefusedRate {
    const char* name;
    const char* typed;
};

const RefusedRate refusedRates[] = { { "Empty", "" }, { "Letters", "abc" }, { "Blanks", "   " } };

class frmMainRefusedOpen : public frmMainTest, public testing::WithParamInterface<RefusedRate> {
protected:
    QList<QWidget*> errorDialogs() const { return WindowTesting::windowsTitled(QStringLiteral("ErrorMR")); }
};

TEST_P(frmMainRefusedOpen, ShowsErrorMRAndChangesNothing)
{
    showWindow();
    modGenes::MutationRate = previousRate;
    typeMutationRate(QString::fromLatin1(GetParam().typed));
    QTest::keyClicks(window->txtName, QStringLiteral("tree.gen"));

    QTest::mouseClick(window->btnOpen, Qt::LeftButton);

    ASSERT_EQ(errorDialogs().size(), 1);
    EXPECT_TRUE(errorDialogs().front()->isVisible());
    EXPECT_FALSE(errorDialogs().front()->isModal());
    EXPECT_EQ(modObject::NextID, 0);
    EXPECT_EQ(modObject::Objects.count(), 0);
    EXPECT_EQ(modGenes::MutationRate, previousRate);
    EXPECT_EQ(window->txtMutationRate->text(), QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(window->txtName->text(), QStringLiteral("tree.gen"));
}

TEST_P(frmMainRefusedOpen, PressedAgainKeepsOneErrorMR)
{
    showWindow();
    typeMutationRate(QString::fromLatin1(GetParam().typed));
    QTest::mouseClick(window->btnOpen, Qt::LeftButton);
    const QPointer<QWidget> first = errorDialogs().value(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::mouseClick(window->btnOpen, Qt::LeftButton);

    ASSERT_EQ(errorDialogs().size(), 1);
    EXPECT_EQ(errorDialogs().front(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(modObject::NextID, 0);
}

INSTANTIATE_TEST_SUITE_P(NotANumber, frmMainRefusedOpen, testing::ValuesIn(refusedRates), CaseNames::testName);

TEST_F(frmMainTest, ErrorMRClosedThroughItsFrameIsCreatedAgainByOpen)
{
    showWindow();
    typeMutationRate(QStringLiteral("abc"));
    QTest::mouseClick(window->btnOpen, Qt::LeftButton);
    const QPointer<QWidget> first = WindowTesting::windowsTitled(QStringLiteral("ErrorMR")).value(0);
    ASSERT_FALSE(first.isNull());
    first->close();
    WindowTesting::flushDeletions();
    ASSERT_TRUE(first.isNull());

    QTest::mouseClick(window->btnOpen, Qt::LeftButton);

    const QList<QWidget*> shown = WindowTesting::windowsTitled(QStringLiteral("ErrorMR"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front()->isVisible());
}

TEST_F(frmMainTest, ClosingTheMainWindowEndsTheProgram)
{
    showWindow();

    window->close();

    EXPECT_EQ(endings, 1);
}

TEST_F(frmMainTest, FileExitEndsTheProgram)
{
    window->F_Exit->trigger();

    EXPECT_EQ(endings, 1);
}

TEST_F(frmMainTest, FileExitByAccessKeysEndsTheProgram)
{
    showWindow();

    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->M_File->isVisible(); }));
    QTest::keyClick(window->M_File, Qt::Key_E);

    EXPECT_EQ(endings, 1);
}

TEST_F(frmMainTest, TheMainWindowsTerminationEndsTheProgram)
{
    window.reset();

    EXPECT_EQ(endings, 1);
}

TEST_F(frmMainTest, ClosingOrHidingADialogDoesNotEndTheProgram)
{
    showWindow();
    window->I_Info->trigger();
    window->I_License->trigger();

    Dialogs::Load<Info>().close();
    WindowTesting::flushDeletions();
    QTest::mouseClick(Dialogs::Load<License>().Ok, Qt::LeftButton);

    EXPECT_EQ(endings, 0);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
