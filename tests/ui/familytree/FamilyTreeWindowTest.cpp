#include "ui/familytree/FamilyTreeWindow.h"

#include "core/drawing/WindowBackground.h"
#include "core/export/RasterRender.h"
#include "core/genefile/GeneFileWriter.h"
#include "core/genetics/GeneticCode.h"
#include "support/OpenTesting.h"
#include "ui/editor/GenesEditor.h"
#include "ui/export/ExportDialog.h"
#include "ui/familytree/PictureNode.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QXmlStreamReader>

#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::Pair;
using testing::UnorderedElementsAre;

// Two generations from two parents: 0 and 1 at random, 2 bred from both, 3 bred from 2.
class FamilyTreeTest : public OpenTest {
protected:
    void openTwoGenerations()
    {
        open(QStringLiteral("0"));
        open(QStringLiteral("0"));
        tick(window(0));
        tick(window(1));
        open(QStringLiteral("0.1"));
        tick(window(0));
        tick(window(1));
        tick(window(2));
        open(QStringLiteral("0.1"));
    }

    FamilyTreeWindow* showTree()
    {
        main->P_FamilyTree->trigger();
        FamilyTreeWindow* tree = main->FamilyTree();
        EXPECT_NE(tree, nullptr);
        if (tree) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(tree));
        }
        return tree;
    }

    static bool waitForThumbnail(FamilyTreeWindow* tree, qint16 id)
    {
        return QTest::qWaitFor([&] { return tree->node(id) && tree->node(id)->hasThumbnail(); }, 5000);
    }

    // The middle of picture id's node on the view's viewport.
    static QPoint onViewport(FamilyTreeWindow* tree, qint16 id)
    {
        PictureNode* node = tree->node(id);
        return tree->mapFromScene(node->sceneBoundingRect().center());
    }
};

TEST_F(FamilyTreeTest, GenerationsStandInRowsWithLinesFromEachParentToEachChild)
{
    openTwoGenerations();
    FamilyTreeWindow* tree = showTree();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->windowTitle(), QStringLiteral("Family Tree"));
    const FamilyLayout& layout = tree->layout();
    EXPECT_EQ(layout.generation(0), 0);
    EXPECT_EQ(layout.generation(1), 0);
    EXPECT_EQ(layout.generation(2), 1);
    EXPECT_EQ(layout.generation(3), 2);
    EXPECT_THAT(tree->lines(), UnorderedElementsAre(Pair(0, 2), Pair(1, 2), Pair(2, 3)));
    const auto y = [&](qint16 id) { return tree->node(id)->pos().y(); };
    EXPECT_EQ(y(0), y(1));
    EXPECT_LT(y(1) + PictureNode::size().height(), y(2));
    EXPECT_LT(y(2) + PictureNode::size().height(), y(3));
}

TEST_F(FamilyTreeTest, ItFollowsTheRunAsPicturesOpenAndClose)
{
    open(QStringLiteral("0"));
    FamilyTreeWindow* tree = showTree();
    ASSERT_NE(tree, nullptr);
    tick(window(0));
    open(QStringLiteral("0.2"));
    ASSERT_NE(tree->node(1), nullptr);
    EXPECT_EQ(tree->layout().generation(1), 1);
    EXPECT_THAT(tree->lines(), ElementsAre(Pair(0, 1)));

    EXPECT_EQ(tree->node(0)->opacity(), 1.0);
    window(0)->btnDone->click();
    WindowTesting::flushDeletions();
    EXPECT_LT(tree->node(0)->opacity(), 1.0);
    EXPECT_THAT(tree->node(0)->toolTip().toStdString(), HasSubstr("closed"));
    EXPECT_THAT(tree->node(1)->toolTip().toStdString(), HasSubstr("open"));
}

TEST_F(FamilyTreeTest, AskedForAgainTheOneWindowComesToTheFront)
{
    FamilyTreeWindow* first = showTree();
    main->P_FamilyTree->trigger();
    EXPECT_EQ(main->FamilyTree(), first);
    EXPECT_EQ(WindowTesting::windowsOf<FamilyTreeWindow>().size(), 1);
}

TEST_F(FamilyTreeTest, TheToolTipGivesIdNameBirthFlagsAndState)
{
    openTwoGenerations();
    FamilyTreeWindow* tree = showTree();
    const std::string tip = tree->toolTipOf(2).toStdString();
    EXPECT_THAT(tip, HasSubstr("Picture 2"));
    EXPECT_THAT(tip, HasSubstr("bred from 0 and 1 at rate 0.1"));
    EXPECT_THAT(tip, HasSubstr("Done on, Draw off"));
    EXPECT_THAT(tip, HasSubstr("open"));
}

TEST_F(FamilyTreeTest, AThumbnailIsThePictureAsItsWindowShowsIt)
{
    open(QStringLiteral("0"));
    const QImage shown = window(0)->surface().image().copy();
    FamilyTreeWindow* tree = showTree();
    ASSERT_TRUE(waitForThumbnail(tree, 0));
    EXPECT_EQ(tree->node(0)->thumbnail(), shown);
}

TEST_F(FamilyTreeTest, DoubleClickReopensAClosedPictureWithItsExactCode)
{
    open(QStringLiteral("0"));
    const GeneticCode code = picture(0)->GenCode().Code();
    window(0)->btnDone->click();
    WindowTesting::flushDeletions();
    FamilyTreeWindow* tree = showTree();
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, onViewport(tree, 0));
    ASSERT_EQ(modObject::Objects.count(), 2);
    EXPECT_TRUE(sameTraits(picture(1)->GenCode().Code(), code));
    EXPECT_NE(window(1), nullptr);
    EXPECT_EQ(main->run().history().find(1)->birth.kind, BirthRecord::Kind::Copy);
    ASSERT_NE(tree->node(1), nullptr);
    EXPECT_THAT(tree->lines(), ElementsAre(Pair(0, 1)));
    EXPECT_THAT(tree->toolTipOf(1).toStdString(), HasSubstr("copy of 0"));
}

TEST_F(FamilyTreeTest, ThePictureMenusEditGenesOpensTheEditorOfAClosedPicture)
{
    open(QStringLiteral("0"));
    const GeneticCode code = picture(0)->GenCode().Code();
    window(0)->btnDone->click();
    WindowTesting::flushDeletions();
    FamilyTreeWindow* tree = showTree();
    QStringList items;
    // The menu runs its own event loop: it is read, and Edit Genes chosen, from within.
    QTimer::singleShot(0, tree, [&items] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* item : menu->actions()) {
            items.append(item->text());
            if (item->text() == u"Edit &Genes...")
                item->trigger();
        }
        menu->close();
    });
    const QPoint at = onViewport(tree, 0);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    EXPECT_EQ(items,
        QStringList({ "&Reopen", "&Save Genetic Code As...", "&Export Picture...", "Edit &Genes...", "Animate &Lineage",
            "&Breed from This" }));
    GenesEditor* editor = GenesEditor::Of(0);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(sameTraits(editor->edits().original(), code));
}

TEST_F(FamilyTreeTest, SaveGeneticCodeAsWritesTheFileAndCountsAsThePicturesSave)
{
    openTwoGenerations();
    window(2)->btnDone->click();
    WindowTesting::flushDeletions();
    FamilyTreeWindow* tree = showTree();
    tree->saveGeneticCode(2, path(QStringLiteral("two.gen")));
    QFile file(path(QStringLiteral("two.gen")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), GeneFileWriter::Contents(picture(2)->GenCode().Code()));
    open(QStringLiteral("0"), QStringLiteral("two.gen"));
    EXPECT_THAT(main->run().history().find(4)->birth.parents, ElementsAre(2));
}

TEST_F(FamilyTreeTest, ExportPictureOpensTheExportDialogForThatPicture)
{
    openTwoGenerations();
    window(2)->btnDone->click();
    WindowTesting::flushDeletions();
    FamilyTreeWindow* tree = showTree();
    tree->exportPicture(2);
    auto* dialog = tree->findChild<ExportDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QFileInfo(dialog->txtFile->text()).fileName(), QStringLiteral("picture-2.png"));
    dialog->txtFile->setText(path(QStringLiteral("two.png")));
    dialog->spnScale->setValue(1);
    dialog->cbxSmooth->setChecked(false);
    QTest::mouseClick(dialog->btnExport, Qt::LeftButton);
    Drawing::RenderOptions asInTheWindow;
    asInTheWindow.background = Drawing::windowBackground();
    const QImage expected = Drawing::renderImage(picture(2)->GenCode().Code(), picture(2)->DrawnWith(), asInTheWindow);
    EXPECT_EQ(QImage(path(QStringLiteral("two.png"))).convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(FamilyTreeTest, TheFamilyTreeExportsAsPngAndSvg)
{
    openTwoGenerations();
    FamilyTreeWindow* tree = showTree();
    tree->exportTree(path(QStringLiteral("tree.png")));
    QImageReader png(path(QStringLiteral("tree.png")));
    ASSERT_TRUE(png.canRead());
    EXPECT_GE(png.size().height(), 3 * static_cast<int>(PictureNode::size().height()));
    EXPECT_GE(png.size().width(), 2 * static_cast<int>(PictureNode::size().width()));

    tree->exportTree(path(QStringLiteral("tree.SVG")));
    QFile svg(path(QStringLiteral("tree.SVG")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&svg);
    int images = 0;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"image")
            ++images;
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(images, 4);
}

TEST_F(FamilyTreeTest, AnotherSuffixIsRefusedAndNothingIsWritten)
{
    open(QStringLiteral("0"));
    FamilyTreeWindow* tree = showTree();
    EXPECT_THROW(tree->exportTree(path(QStringLiteral("tree.pdf"))), RuntimeError);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("tree.pdf"))));
}

TEST_F(FamilyTreeTest, CtrlWheelAndCtrlPlusMinusZoom)
{
    open(QStringLiteral("0"));
    FamilyTreeWindow* tree = showTree();
    const double before = tree->transform().m11();
    QTest::keyClick(tree, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(tree->transform().m11(), before);
    QTest::keyClick(tree, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(tree->transform().m11(), before);

    const QPoint at = tree->viewport()->rect().center();
    QWheelEvent wheel(at, tree->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
        Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tree->viewport(), &wheel);
    EXPECT_GT(tree->transform().m11(), before);
}

} // namespace
