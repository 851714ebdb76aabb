#include "core/platform/Twips.h"
#include "support/OpenTesting.h"

#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

class frmObjectTest : public OpenTest {
protected:
    // Opens one picture whose trunk is the only thing drawn, in a known colour.
    frmObject* openTrunk()
    {
        open(QStringLiteral("0"));
        clsObject& p = *picture(0);
        clsGenSeq& code = p.GenCode();
        code.SetGLength(0, 500);
        code.SetGWidth(0, 4);
        code.SetGColorRed(0, 40);
        code.SetGColorGreen(0, 90);
        code.SetGColorBlue(0, 220);
        code.SetGDone(0, false);
        code.SetGDone(1, true);
        modMain::UseDone = true;
        p.Display().Surface().Clear();
        p.Draw_Line(0, clsObject::StartAngle, clsObject::StartX, clsObject::StartY, 1.0);
        p.Display().Surface().Finish();
        frmObject* form = window(0);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
        return form;
    }

    static QColor shownAt(QWidget* area, int xTwips, int yTwips)
    {
        const QImage image = area->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(xTwips / 15.0 * ratio), static_cast<int>(yTwips / 15.0 * ratio));
    }
};

TEST_F(frmObjectTest, ControlsStandWhereTheLayoutPutsThem)
{
    open(QStringLiteral("0"));
    frmObject* form = window(0);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->size(), QSize(Twips::toPixels(3255), Twips::toPixels(2295)));
    const struct {
        QWidget* control;
        QRect twips;
    } table[] = {
        { form->txtName, { 960, 1800, 2175, 375 } },
        { form->btnSave, { 120, 720, 1095, 375 } },
        { form->picDraw, { 1440, 120, 1695, 1575 } },
        { form->btnDone, { 120, 240, 1095, 375 } },
        { form->cbxParent, { 240, 1200, 1095, 375 } },
        { form->lblName, { 240, 1800, 615, 255 } },
    };
    form->resize(form->size() * 2);
    for (const auto& row : table) {
        SCOPED_TRACE(row.control->objectName().toStdString());
        EXPECT_EQ(row.control->geometry(),
            Twips::toPixels(row.twips.x(), row.twips.y(), row.twips.width(), row.twips.height()));
    }
    EXPECT_EQ(form->btnSave->text(), QStringLiteral("Save"));
    EXPECT_EQ(form->btnDone->text(), QStringLiteral("Done"));
    EXPECT_EQ(form->cbxParent->text(), QStringLiteral("Parent"));
    EXPECT_EQ(form->lblName->text(), QStringLiteral("Name:"));
    EXPECT_FALSE(form->cbxParent->isChecked());
}

TEST_F(frmObjectTest, TabVisitsTheControlsInTheLayoutsOrder)
{
    open(QStringLiteral("0"));
    frmObject* form = window(0);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->txtName->setFocus();
    for (QWidget* next : std::initializer_list<QWidget*> {
             form->btnSave, form->picDraw, form->btnDone, form->cbxParent, form->txtName }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(frmObjectTest, TheDrawingShowsTheTrunkInItsGenesColour)
{
    frmObject* form = openTrunk();
    for (const int y : { 1150, 1350, 1550 })
        EXPECT_EQ(shownAt(form->picDraw, 850, y), QColor(40, 90, 220)) << y;
    const QColor background = form->palette().color(QPalette::Window);
    EXPECT_EQ(shownAt(form->picDraw, 300, 1300), background);
    EXPECT_EQ(shownAt(form->picDraw, 850, 900), background);
}

TEST_F(frmObjectTest, TheDrawingSurvivesHidingAndResizing)
{
    frmObject* form = openTrunk();
    form->hide();
    form->resize(form->size() * 3 / 2);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    EXPECT_EQ(shownAt(form->picDraw, 850, 1300), QColor(40, 90, 220));
}

TEST_F(frmObjectTest, EscapePressesDone)
{
    open(QStringLiteral("0"));
    frmObject* form = window(0);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_Escape);
    WindowTesting::flushDeletions();
    EXPECT_EQ(window(0), nullptr);
    EXPECT_EQ(modObject::Objects.count(), 1);
}

TEST_F(frmObjectTest, TypingANameChangesOnlyWhereSaveWrites)
{
    open(QStringLiteral("0"), QStringLiteral("first.gen"));
    frmObject* form = window(0);
    EXPECT_EQ(form->txtName->text(), QStringLiteral("first.gen"));
    replaceText(form->txtName, QStringLiteral(" "));
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    EXPECT_EQ(takeErrorBox(), QString());
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral(" "))));
    EXPECT_EQ(picture(0)->Name, QStringLiteral("first.gen"));
}

} // namespace
