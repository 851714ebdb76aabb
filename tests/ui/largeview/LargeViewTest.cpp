// The large view: one per picture, fitted and sharp at every size, its menu, and how it closes.

#include "core/drawing/WindowBackground.h"
#include "core/export/RasterRender.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/PictureTesting.h"
#include "ui/picture/frmObject.h"

#include <QClipboard>
#include <QMimeData>

#include <gtest/gtest.h>
#include <string>

namespace {

using CaseNames::PrintTo;

const QColor trunkColour(40, 90, 220);

class LargeViewTest : public PictureTest {
protected:
    ~LargeViewTest() override { QGuiApplication::clipboard()->clear(); }

    // Opens the picture and its large view with Ctrl+L, and waits for the view to show.
    LargeView* openView(const GeneticCode& code = PictureCodes::trunk(500, 4, trunkColour))
    {
        form = openPicture(code);
        if (!form)
            return nullptr;
        press(QKeySequence(Qt::CTRL | Qt::Key_L));
        LargeView* view = shown<LargeView>();
        EXPECT_NE(view, nullptr);
        if (view) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        }
        return view;
    }

    // What the view shows at its present size.
    static QImage imageOf(LargeView* view) { return view->grab().toImage(); }

    // The picture drawn for a view of this size, as it should show.
    QImage expected(QSize size, Drawing::Frame frame) const
    {
        const GeneticCode code = picture(0)->GenCode().Code();
        const qreal ratio = form->devicePixelRatioF();
        const Drawing::Flags flags = picture(0)->DrawnWith();
        return Drawing::renderFitted(code, flags,
            { .shown = Drawing::shownPartOf(code, flags, frame),
                .pixels = size * ratio,
                .devicePixelRatio = ratio,
                .background = Drawing::windowBackground() });
    }

    static bool samePixels(const QImage& a, const QImage& b)
    {
        return a.size() == b.size()
            && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
    }

    frmObject* form = nullptr;
};

TEST_F(LargeViewTest, OpensTitledWithThePictureAtFourTimesTheDrawingArea)
{
    LargeView* view = openView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Picture 0"));
    EXPECT_EQ(view->size(), QSize(452, 420));
    EXPECT_TRUE(view->isWindow());
    // Resizable.
    EXPECT_NE(view->minimumSize(), view->maximumSize());

    const QImage image = imageOf(view);
    EXPECT_TRUE(samePixels(image, expected(view->size(), Drawing::Frame::Window)));
    // Four times the window's pixels: the trunk is up the middle, 4 pixels wide times 4.
    for (const int x : { 220, 226, 233 })
        EXPECT_EQ(image.pixelColor(x, 300), trunkColour) << x;
    for (const int x : { 210, 243 })
        EXPECT_EQ(image.pixelColor(x, 300), Drawing::windowBackground()) << x;
}

struct SizeCase {
    const char* name;
    QSize size;
    bool wholeTree;
};

class LargeViewSizeTest : public LargeViewTest, public testing::WithParamInterface<SizeCase> { };

TEST_P(LargeViewSizeTest, IsDrawnAnewForEverySizeAndFrame)
{
    LargeView* view = openView(PictureCodes::seededTree(21));
    ASSERT_NE(view, nullptr);
    imageOf(view);
    if (GetParam().wholeTree)
        view->V_WholeTree->trigger();
    view->resize(GetParam().size);

    const QImage image = imageOf(view);
    EXPECT_TRUE(samePixels(
        image, expected(GetParam().size, GetParam().wholeTree ? Drawing::Frame::WholeTree : Drawing::Frame::Window)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LargeViewSizeTest,
    testing::Values(SizeCase { "Large", { 1000, 900 }, false }, SizeCase { "Wide", { 900, 250 }, false },
        SizeCase { "Tall", { 200, 700 }, false }, SizeCase { "Small", { 60, 50 }, false },
        SizeCase { "WholeTree", { 452, 420 }, true }, SizeCase { "WholeTreeWide", { 800, 300 }, true }),
    CaseNames::testName);

TEST_F(LargeViewTest, IsDrawnAsThePictureWasAfterTheGenesMenuChanged)
{
    GeneticCode code = PictureCodes::wideTree();
    code[3].Done = true;
    form = openPicture(code);
    ASSERT_NE(form, nullptr);
    main->G_Done->trigger();
    ASSERT_FALSE(modMain::UseDone);
    form->P_ViewLarge->trigger();
    LargeView* view = shown<LargeView>();
    ASSERT_NE(view, nullptr);

    const QImage image = imageOf(view);
    EXPECT_TRUE(samePixels(image, expected(view->size(), Drawing::Frame::Window)));
    const GeneticCode all = code;
    const QImage everything = Drawing::renderFitted(all, { false, false },
        { .shown = { Drawing::WindowFrame, true },
            .pixels = view->size() * view->devicePixelRatioF(),
            .devicePixelRatio = view->devicePixelRatioF(),
            .background = Drawing::windowBackground() });
    EXPECT_FALSE(samePixels(image, everything));
}

TEST_F(LargeViewTest, AskingAgainBringsTheSameViewToTheFront)
{
    LargeView* view = openView();
    ASSERT_NE(view, nullptr);
    form->activateWindow();
    ASSERT_TRUE(activated(form));
    QTest::mouseDClick(form->picDraw, Qt::LeftButton);
    EXPECT_EQ(WindowTesting::windowsOf<LargeView>().size(), 1);
    EXPECT_EQ(shown<LargeView>(), view);
    EXPECT_TRUE(activated(view));
}

TEST_F(LargeViewTest, EachPictureHasItsOwn)
{
    LargeView* first = openView();
    ASSERT_NE(first, nullptr);
    frmObject* second = openPicture(PictureCodes::wideTree());
    ASSERT_NE(second, nullptr);
    second->P_ViewLarge->trigger();
    const QList<LargeView*> views = WindowTesting::windowsOf<LargeView>();
    ASSERT_EQ(views.size(), 2);
    EXPECT_EQ(views.count(first), 1);
    EXPECT_TRUE(views.contains(second->largeView()));
    EXPECT_EQ(second->largeView()->windowTitle(), QStringLiteral("Picture 1"));
}

struct ClosingCase {
    const char* name;
    void (*close)(frmObject* form, LargeView* view);
    bool windowStays;
};

class LargeViewClosingTest : public LargeViewTest, public testing::WithParamInterface<ClosingCase> { };

TEST_P(LargeViewClosingTest, Closes)
{
    LargeView* view = openView();
    ASSERT_NE(view, nullptr);
    GetParam().close(form, view);
    WindowTesting::flushDeletions();
    EXPECT_TRUE(WindowTesting::windowsOf<LargeView>().isEmpty());
    EXPECT_EQ(window(0) != nullptr, GetParam().windowStays);
    // The picture is still there and can be viewed again while its window is.
    if (GetParam().windowStays) {
        window(0)->P_ViewLarge->trigger();
        EXPECT_NE(shown<LargeView>(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, LargeViewClosingTest,
    testing::Values(ClosingCase { "Escape",
                        [](frmObject*, LargeView* view) {
                            ASSERT_TRUE(activated(view));
                            QTest::keyClick(view, Qt::Key_Escape);
                        },
                        true },
        ClosingCase { "ItsCloseBox", [](frmObject*, LargeView* view) { view->close(); }, true },
        ClosingCase { "DoneInThePictureWindow",
            [](frmObject* form, LargeView*) { QTest::mouseClick(form->btnDone, Qt::LeftButton); }, false },
        ClosingCase { "ThePictureWindowsCloseBox", [](frmObject* form, LargeView*) { form->close(); }, false }),
    CaseNames::testName);

TEST_F(LargeViewTest, ItsMenuSwitchesTheFrameCopiesAndExports)
{
    LargeView* view = openView();
    ASSERT_NE(view, nullptr);
    imageOf(view);
    QMenu* menu = rightClick(view);
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    QStringList texts;
    for (QAction* item : items)
        if (!item->isSeparator())
            texts.append(item->text());
    EXPECT_EQ(texts, QStringList({ "&Whole Tree", "&Copy Picture", "&Export Picture..." }));
    EXPECT_TRUE(view->V_WholeTree->isCheckable());
    EXPECT_FALSE(view->V_WholeTree->isChecked());

    choose(menu, view->V_WholeTree);
    EXPECT_TRUE(view->V_WholeTree->isChecked());
    EXPECT_TRUE(samePixels(imageOf(view), expected(view->size(), Drawing::Frame::WholeTree)));

    rightClick(view);
    choose(menu, view->V_Copy);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasImage());
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/svg+xml")));

    rightClick(view);
    choose(menu, view->V_Export);
    ExportDialog* dialog = shown<ExportDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), view);
    EXPECT_EQ(dialog->txtFile->text(), path(QStringLiteral("picture-0.png")));
    EXPECT_EQ(takeErrorBox(), QString());
}

TEST_F(LargeViewTest, ItsShortcutsCopyAndExport)
{
    LargeView* view = openView();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(activated(view));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasImage());
    QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
    EXPECT_NE(shown<ExportDialog>(), nullptr);
}

} // namespace
