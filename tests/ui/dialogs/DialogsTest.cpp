#include "ui/dialogs/Dialogs.h"

#include "core/platform/Twips.h"
#include "support/CaseNames.h"
#include "support/WindowTesting.h"
#include "ui/dialogs/AboutAuthor.h"
#include "ui/dialogs/AboutCorvane.h"
#include "ui/dialogs/AboutVantrell.h"
#include "ui/dialogs/ErrorMR.h"
#include "ui/dialogs/Info.h"
#include "ui/dialogs/License.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Control {
    const char* name;
    // Null for a picture box, which shows an image instead of a text.
    const char* text;
    int left, top, width, height;
};

struct DialogLayout {
    const char* name;
    std::function<DialogWindow&()> load;
    std::function<void()> show;
    const char* caption;
    int width, height;
    bool fixedSize;
    const char* button;
    // In tab order.
    std::vector<Control> controls;
};

using CaseNames::PrintTo;

template <typename Dialog>
DialogLayout layoutOf(const char* name, const char* caption, int width, int height, bool fixedSize, const char* button,
    std::vector<Control> controls)
{
    return { name, []() -> DialogWindow& { return Dialogs::Load<Dialog>(); }, [] { Dialogs::Show<Dialog>(); }, caption,
        width, height, fixedSize, button, std::move(controls) };
}

const char* const infoText
    = "Vantrell is a program that makes pictures using a Genetic Algorithm. When the you create a new picture, this "
      "program  creates a \"Genetic Code\" for that picture. This genetic code comes from two places: mutations, and "
      "the parents. When a gene mutates, it takes on a random value. If a gene doesn't mutate, it is taken randomly "
      "from one of the parents (a picture with the parent check box selected. It also is possible to save a picture "
      "(by typing the place where it is to be saved in the Name text box) and open a picture (by typing in the name of "
      "the file containing the \"Genetic Code\" into the text box to the right of the Open button. When saving a "
      "picture however, be careful because if the file you named exists, it will be overwritten.";

const std::vector<DialogLayout>& layouts()
{
    static const std::vector<DialogLayout> all {
        layoutOf<ErrorMR>("ErrorMR", "ErrorMR", 2940, 1305, true, "btnOK",
            {
                { "lblText", "The  Mutation Rate must be a number.", 120, 120, 2775, 375 },
                { "btnOK", "OK", 960, 720, 1095, 375 },
            }),
        layoutOf<AboutVantrell>("AboutVantrell", "About Vantrell", 5820, 1860, false, "Ok",
            {
                { "lblName", "Vantrell version 1.0", 1200, 240, 3135, 255 },
                { "lblAuthor", "by Pellarin", 1200, 720, 3135, 255 },
                { "lblCopywrite", "Copyright (c) 2026 Pellarin", 1200, 480, 3135, 255 },
                { "Ok", "Ok", 4440, 120, 1215, 375 },
                { "icnVantrell", nullptr, 240, 240, 720, 720 },
                { "icnCorvane", nullptr, 240, 240, 720, 720 },
                { "lblComments",
                    "If you have any comments or thoughts on this program, please send them to vantrell@example.org",
                    1200, 1080, 3135, 615 },
            }),
        layoutOf<AboutCorvane>("AboutCorvane", "About Corvane Software", 6300, 2235, false, "Ok",
            {
                { "Ok", "Ok", 4440, 120, 1215, 375 },
                { "icnCorvane", nullptr, 240, 240, 720, 720 },
                { "lblWebPage",
                    "To find out more about Corvane Software and about other programs made by Corvane Software you can "
                    "visit our web site. Our website can be reached from the web site: ",
                    1080, 120, 3135, 975 },
                { "lblGetWebPage",
                    " Or, we will send you the current URL of Corvane Software's home pae if you send an e-mail to:",
                    1080, 1200, 3255, 735 },
                { "lbltarrow", "      http://www.example.com/", 1080, 960, 3135, 255 },
                { "lblEMail", "      corvane@example.com", 1080, 1920, 2535, 1455 },
            }),
        layoutOf<AboutAuthor>("AboutAuthor", "About Author", 4695, 1155, false, "Ok",
            {
                { "lblText", "To find out about the author, you can visit the web site:", 120, 240, 3135, 495 },
                { "lblWebSite", "     http://www.example.org/pellarin/", 120, 720, 3135, 255 },
                { "Ok", "Ok", 3360, 120, 1215, 375 },
            }),
        layoutOf<License>("License", "License", 4695, 1215, false, "Ok",
            {
                { "lblLicense",
                    "Copyright (c) 2026 Pellarin. Vantrell is free software under the MIT License, "
                    "provided \"as is\", without warranty of any kind.",
                    120, 120, 3135, 975 },
                { "Ok", "Ok", 3360, 120, 1215, 375 },
            }),
        layoutOf<Info>("Info", "Info", 6060, 2865, false, "btnOK",
            {
                { "btnOK", "OK", 4680, 240, 1215, 375 },
                { "lblInfo", infoText, 120, 120, 4455, 2895 },
            }),
    };
    return all;
}

class DialogTest : public testing::TestWithParam<DialogLayout> {
protected:
    DialogTest() { WindowTesting::closeLeftoverWindows(); }
    ~DialogTest() override { WindowTesting::closeLeftoverWindows(); }

    DialogWindow& dialog() const { return GetParam().load(); }

    QAbstractButton* button() const
    {
        return dialog().findChild<QAbstractButton*>(QString::fromLatin1(GetParam().button));
    }

    QList<QWidget*> shown() const { return WindowTesting::windowsTitled(QString::fromLatin1(GetParam().caption)); }

    void showAndWait() const
    {
        GetParam().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog()));
    }

    // After hide, the dialog is hidden and kept, not destroyed.
    void expectHiddenAndKept(const std::function<void()>& hide) const
    {
        const QPointer<DialogWindow> before = &dialog();

        hide();
        WindowTesting::flushDeletions();

        ASSERT_FALSE(before.isNull());
        EXPECT_FALSE(before->isVisible());
    }
};

TEST_P(DialogTest, CaptionAndClientSize)
{
    showAndWait();

    EXPECT_EQ(dialog().windowTitle().toStdString(), GetParam().caption);
    EXPECT_EQ(dialog().size(), QSize(Twips::toPixels(GetParam().width), Twips::toPixels(GetParam().height)));
}

TEST_P(DialogTest, OnlyErrorMRHasAFixedSize)
{
    const bool fixed = dialog().minimumSize() == dialog().size() && dialog().maximumSize() == dialog().size();

    EXPECT_EQ(fixed, GetParam().fixedSize);
}

TEST_P(DialogTest, ControlsAtTheirPlacesWithTheirTexts)
{
    for (const Control& expected : GetParam().controls) {
        SCOPED_TRACE(expected.name);
        const auto* control = dialog().findChild<QWidget*>(QString::fromLatin1(expected.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), &dialog());
        EXPECT_EQ(control->geometry(), Twips::toPixels(expected.left, expected.top, expected.width, expected.height));
        EXPECT_TRUE(control->isEnabled());
        if (!expected.text)
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            EXPECT_EQ(label->text().toStdString(), expected.text);
            EXPECT_TRUE(label->wordWrap());
        } else {
            const auto* pressable = qobject_cast<const QAbstractButton*>(control);
            ASSERT_NE(pressable, nullptr);
            EXPECT_EQ(pressable->text().toStdString(), expected.text);
        }
    }
}

TEST_P(DialogTest, TabOrderFollowsTheTable)
{
    QStringList named;
    for (const Control& control : GetParam().controls)
        named.append(QString::fromLatin1(control.name));

    EXPECT_EQ(WindowTesting::focusChainOrder(&dialog(), named), named);
}

TEST_P(DialogTest, CreatedHidden)
{
    EXPECT_FALSE(dialog().isVisible());
}

TEST_P(DialogTest, ShownModelessWithoutOwner)
{
    showAndWait();

    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(dialog().isModal());
    EXPECT_EQ(dialog().windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog().parentWidget(), nullptr);
}

TEST_P(DialogTest, ShownTwiceStaysOneWindow)
{
    showAndWait();
    const QPointer<DialogWindow> first = &dialog();

    GetParam().show();

    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown().front(), first.data());
    EXPECT_TRUE(first->isVisible());
}

TEST_P(DialogTest, ButtonHidesTheDialogAndKeepsIt)
{
    showAndWait();
    ASSERT_NE(button(), nullptr);

    expectHiddenAndKept([this] { QTest::mouseClick(button(), Qt::LeftButton); });
}

TEST_P(DialogTest, EnterPressesTheButton)
{
    showAndWait();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));

    expectHiddenAndKept([this] { QTest::keyClick(&dialog(), Qt::Key_Return); });
}

TEST_P(DialogTest, EscapeHidesTheDialogAndKeepsIt)
{
    showAndWait();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));

    expectHiddenAndKept([this] { QTest::keyClick(&dialog(), Qt::Key_Escape); });
}

TEST_P(DialogTest, ClosedThroughItsFrameIsDestroyedAndShownAnew)
{
    showAndWait();
    const QPointer<DialogWindow> closed = &dialog();

    closed->close();
    WindowTesting::flushDeletions();
    ASSERT_TRUE(closed.isNull());
    EXPECT_TRUE(shown().isEmpty());

    GetParam().show();

    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().front()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogTest, testing::ValuesIn(layouts()), CaseNames::testName);

} // namespace
