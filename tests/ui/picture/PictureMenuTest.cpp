// The picture window's right-click menu and its shortcuts, wherever the focus is in the window.

#include "core/drawing/TreeDrawing.h"
#include "program/Preferences.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/PictureTesting.h"
#include "ui/breed/BreedWindow.h"
#include "ui/editor/GenesEditor.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include <gtest/gtest.h>
#include <string>

namespace {

using CaseNames::PrintTo;

class PictureMenuTest : public PictureTest {
protected:
    ~PictureMenuTest() override { QGuiApplication::clipboard()->clear(); }

    static bool clipboardHoldsAPicture()
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasImage() && data->hasFormat(QStringLiteral("image/svg+xml"));
    }
};

TEST_F(PictureMenuTest, ARightClickOnTheDrawingOpensTheMenu)
{
    frmObject* form = openPicture(PictureCodes::wideTree());
    ASSERT_NE(form, nullptr);
    QMenu* menu = rightClick(form->picDraw);
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 5);
    const struct {
        const char* text;
        QKeySequence shortcut;
    } expected[] = {
        { "&Copy Picture", QKeySequence(Qt::CTRL | Qt::Key_C) },
        { "&Export Picture...", QKeySequence(Qt::CTRL | Qt::Key_E) },
        { "&View Large", QKeySequence(Qt::CTRL | Qt::Key_L) },
        { "Edit &Genes...", QKeySequence(Qt::CTRL | Qt::Key_G) },
        { "&Breed from This", QKeySequence() },
    };
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->text(), QString::fromLatin1(expected[i].text));
        EXPECT_EQ(items[i]->shortcut(), expected[i].shortcut) << expected[i].text;
    }
    // What a double click does, shown in bold.
    EXPECT_EQ(menu->defaultAction(), form->P_ViewLarge);
    menu->close();
}

TEST_F(PictureMenuTest, ARightClickElsewhereOpensNoPictureMenu)
{
    frmObject* form = openPicture(PictureCodes::wideTree());
    ASSERT_NE(form, nullptr);
    for (QWidget* control : std::initializer_list<QWidget*> { form, form->btnSave, form->cbxParent }) {
        rightClick(control);
        EXPECT_FALSE(form->M_Picture->isVisible()) << control->objectName().toStdString();
    }
}

struct MenuItemCase {
    const char* name;
    int item;
};

class PictureMenuItemTest : public PictureMenuTest, public testing::WithParamInterface<MenuItemCase> { };

TEST_P(PictureMenuItemTest, ChoosingAnItemDoesIt)
{
    frmObject* form = openPicture(PictureCodes::wideTree());
    ASSERT_NE(form, nullptr);
    QMenu* menu = rightClick(form->picDraw);
    ASSERT_NE(menu, nullptr);
    choose(menu, menu->actions().at(GetParam().item));
    WindowTesting::flushDeletions();
    EXPECT_EQ(clipboardHoldsAPicture(), GetParam().item == 0);
    EXPECT_EQ(shown<ExportDialog>() != nullptr, GetParam().item == 1);
    EXPECT_EQ(shown<LargeView>() != nullptr, GetParam().item == 2);
    EXPECT_EQ(shown<GenesEditor>() != nullptr, GetParam().item == 3);
    EXPECT_EQ(shown<BreedWindow>() != nullptr, GetParam().item == 4);
    EXPECT_EQ(takeErrorBox(), QString());
}

INSTANTIATE_TEST_SUITE_P(Items, PictureMenuItemTest,
    testing::Values(MenuItemCase { "CopyPicture", 0 }, MenuItemCase { "ExportPicture", 1 },
        MenuItemCase { "ViewLarge", 2 }, MenuItemCase { "EditGenes", 3 }, MenuItemCase { "BreedFromThis", 4 }),
    CaseNames::testName);

struct ShortcutCase {
    const char* name;
    QWidget* (*focus)(frmObject*);
    QKeyCombination key;
};

class PictureShortcutTest : public PictureMenuTest, public testing::WithParamInterface<ShortcutCase> { };

TEST_P(PictureShortcutTest, WorksWhereverTheFocusIs)
{
    frmObject* form = openPicture(PictureCodes::wideTree());
    ASSERT_NE(form, nullptr);
    QWidget* focus = GetParam().focus(form);
    focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focus);
    QTest::keyClick(focus, GetParam().key.key(), GetParam().key.keyboardModifiers());
    WindowTesting::flushDeletions();

    EXPECT_EQ(clipboardHoldsAPicture(), GetParam().key.key() == Qt::Key_C);
    EXPECT_EQ(shown<ExportDialog>() != nullptr, GetParam().key.key() == Qt::Key_E);
    EXPECT_EQ(shown<LargeView>() != nullptr, GetParam().key.key() == Qt::Key_L);
    EXPECT_EQ(shown<GenesEditor>() != nullptr, GetParam().key.key() == Qt::Key_G);
    EXPECT_EQ(takeErrorBox(), QString());
}

QWidget* nameBox(frmObject* form)
{
    return form->txtName;
}

INSTANTIATE_TEST_SUITE_P(Focus, PictureShortcutTest,
    testing::Values(ShortcutCase { "CopyFromTheEmptyNameBox", nameBox, Qt::CTRL | Qt::Key_C },
        ShortcutCase {
            "CopyFromSave", [](frmObject* form) -> QWidget* { return form->btnSave; }, Qt::CTRL | Qt::Key_C },
        ShortcutCase { "CopyFromTheDrawing", [](frmObject* form) { return form->picDraw; }, Qt::CTRL | Qt::Key_C },
        ShortcutCase { "ExportFromTheNameBox", nameBox, Qt::CTRL | Qt::Key_E },
        ShortcutCase {
            "ExportFromDone", [](frmObject* form) -> QWidget* { return form->btnDone; }, Qt::CTRL | Qt::Key_E },
        ShortcutCase {
            "ViewLargeFromParent", [](frmObject* form) -> QWidget* { return form->cbxParent; }, Qt::CTRL | Qt::Key_L },
        ShortcutCase { "ViewLargeFromTheNameBox", nameBox, Qt::CTRL | Qt::Key_L },
        ShortcutCase { "EditGenesFromTheNameBox", nameBox, Qt::CTRL | Qt::Key_G }),
    CaseNames::testName);

struct NameBoxCase {
    const char* name;
    QString text;
    // Selected from this position to the end; -1 selects nothing.
    int selectFrom;
    QString copiedText;
    bool picture;
};

class NameBoxCopyTest : public PictureMenuTest, public testing::WithParamInterface<NameBoxCase> { };

TEST_P(NameBoxCopyTest, CtrlCCopiesTheSelectedTextOrElseThePicture)
{
    frmObject* form = openPicture(PictureCodes::wideTree());
    ASSERT_NE(form, nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    replaceText(form->txtName, GetParam().text);
    if (GetParam().selectFrom >= 0)
        form->txtName->setSelection(GetParam().selectFrom, static_cast<int>(GetParam().text.size()));
    else
        form->txtName->deselect();
    QTest::keyClick(form->txtName, Qt::Key_C, Qt::ControlModifier);

    EXPECT_EQ(clipboardHoldsAPicture(), GetParam().picture);
    if (!GetParam().picture) {
        EXPECT_EQ(QGuiApplication::clipboard()->text(), GetParam().copiedText);
    }
    // The box keeps its text either way.
    EXPECT_EQ(form->txtName->text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Selection, NameBoxCopyTest,
    testing::Values(NameBoxCase { "PartSelected", QStringLiteral("tree.gen"), 5, QStringLiteral("gen"), false },
        NameBoxCase { "AllSelected", QStringLiteral("tree.gen"), 0, QStringLiteral("tree.gen"), false },
        NameBoxCase { "NothingSelected", QStringLiteral("tree.gen"), -1, {}, true },
        NameBoxCase { "EmptyBox", QString(), -1, {}, true }),
    CaseNames::testName);

TEST_F(PictureMenuTest, ADoubleClickOnTheDrawingViewsItLarge)
{
    frmObject* form = openPicture(PictureCodes::wideTree());
    ASSERT_NE(form, nullptr);
    QTest::mouseDClick(form->btnSave, Qt::LeftButton);
    EXPECT_EQ(shown<LargeView>(), nullptr);
    QTest::mouseDClick(form->picDraw, Qt::LeftButton);
    EXPECT_NE(shown<LargeView>(), nullptr);
}

TEST_F(PictureMenuTest, AFailedCopyIsShownAndTheWindowGoesOn)
{
    GeneticCode huge = PictureCodes::trunk(10000, 16, Qt::red);
    huge[0].Angle = -Drawing::StartAngle;
    huge[1] = { 10000, 16, 0.0, 0, 0, 255, false, true };
    huge[2].Done = true;
    frmObject* form = openPicture(huge);
    ASSERT_NE(form, nullptr);
    Preferences::change([](UserSettings& settings) {
        settings.exportSettings = { 32, Drawing::Frame::WholeTree, true };
    });
    form->btnSave->setFocus();
    press(QKeySequence::Copy);

    EXPECT_TRUE(takeErrorBox().contains(u"the largest scale that fits is 12"));
    EXPECT_FALSE(clipboardHoldsAPicture());
    EXPECT_NE(window(0), nullptr);
}

} // namespace
