// The genes editor as a user works it: opened from a picture, driven by keys, opening and saving what it made.

#include "ui/editor/GenesEditor.h"

#include "core/drawing/FrameGeometry.h"
#include "core/journal/Journal.h"
#include "core/journal/RunJournal.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/PictureTesting.h"
#include "support/TestCodes.h"
#include "ui/editor/GenePreview.h"
#include "ui/editor/GeneTable.h"

#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QUndoStack>
#include <QWheelEvent>

#include <gtest/gtest.h>
#include <string>
#include <variant>

namespace {

using CaseNames::PrintTo;

class GenesEditorTest : public PictureTest {
protected:
    // Opens a picture of code and, by Ctrl+G in its window, its editor.
    GenesEditor* editPicture(const GeneticCode& code)
    {
        frmObject* form = openPicture(code);
        if (!form)
            return nullptr;
        press(QKeySequence(Qt::CTRL | Qt::Key_G));
        GenesEditor* editor = GenesEditor::Of(static_cast<qint16>(form->Tag.toShort()));
        EXPECT_TRUE(editor && activated(editor));
        return editor;
    }

    // Types text as the keyboard would: each key to whatever has the focus when it is pressed.
    static void typeKeys(const QString& text)
    {
        for (const QChar key : text)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
};

TEST_F(GenesEditorTest, CtrlGOpensOneEditorAPictureOnGeneZerosLength)
{
    GenesEditor* editor = editPicture(testCode(0));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Genes of Picture 0"));
    EXPECT_EQ(QApplication::focusWidget(), editor->tblGenes);
    EXPECT_EQ(editor->tblGenes->currentIndex(), editor->tblGenes->model()->index(0, 0));
    const QAbstractItemModel* table = editor->tblGenes->model();
    EXPECT_EQ(table->headerData(11, Qt::Vertical).toString(), QStringLiteral("Gene 11"));
    QStringList columns;
    for (int column = 0; column < table->columnCount(); ++column)
        columns.append(table->headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(columns, QStringList({ "Length", "Width", "Angle", "Red", "Green", "Blue", "Done", "Draw" }));
    EXPECT_EQ(table->index(0, 2).data().toString(), QStringLiteral("19.09859"));

    window(0)->activateWindow();
    ASSERT_TRUE(activated(window(0)));
    window(0)->P_EditGenes->trigger();
    EXPECT_TRUE(activated(editor));
    EXPECT_EQ(WindowTesting::windowsOf<GenesEditor>().size(), 1);
}

// A key pressed, or text typed, with the focus where it is.
using Keys = std::vector<std::variant<QString, QKeyCombination>>;

struct KeyCase {
    const char* name;
    Keys keys;
    std::function<void(GeneticCode&)> expected;
    QPoint current;
    bool open;
    QString message;
    const char* focus = "tblGenes";
};

const KeyCase keyCases[] = {
    { "TypingStartsAnEditThatEnterCommitsInPlace", { QStringLiteral("250"), Qt::Key_Return },
        [](GeneticCode& c) { c[0].Length = 250; }, { 0, 0 }, true, {} },
    { "EscCancelsAnEdit", { QStringLiteral("250"), Qt::Key_Escape }, [](GeneticCode&) {}, { 0, 0 }, true, {} },
    { "EscWithoutAnEditCloses", { Qt::Key_Escape }, [](GeneticCode&) {}, { 0, 0 }, false, {} },
    { "ArrowsAndTabMove", { Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab }, [](GeneticCode&) {}, { 2, 1 }, true, {} },
    { "TabCommitsAndMovesOn", { QStringLiteral("-7"), Qt::Key_Tab, QStringLiteral("90"), Qt::Key_Return },
        [](GeneticCode& c) {
            c[0].Length = -7;
            c[0].Width = 90;
        },
        { 1, 0 }, true, {} },
    { "SpaceSwitchesDoneAndDraw", { Qt::Key_End, Qt::Key_Space, Qt::Key_Left, Qt::Key_Down, Qt::Key_Space },
        [](GeneticCode& c) {
            c[0].Draw = !c[0].Draw;
            c[1].Done = !c[1].Done;
        },
        { 6, 1 }, true, {} },
    { "ARefusedValueKeepsTheCellAndSaysWhy", { QStringLiteral("99999"), Qt::Key_Return }, [](GeneticCode&) {}, { 0, 0 },
        true,
        QStringLiteral(
            "Gene 0: Length takes a whole number from -32768 to 32767, not \"99999\"; the cell keeps 100.") },
    { "UndoAndBothRedos",
        { QStringLiteral("250"), Qt::Key_Return, Qt::Key_Right, QStringLiteral("9"), Qt::Key_Return,
            Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Z,
            Qt::CTRL | Qt::Key_Y },
        [](GeneticCode& c) { c[0].Length = 250; }, { 1, 0 }, true, {} },
    { "CtrlTabLeavesTheTable", { Qt::Key_Right, Qt::CTRL | Qt::Key_Tab }, [](GeneticCode&) {}, { 1, 0 }, true, {},
        "cbxWholeTree" },
};

class GenesEditorKeyTest : public GenesEditorTest, public testing::WithParamInterface<KeyCase> { };

TEST_P(GenesEditorKeyTest, TheKeysDoWhatTheySay)
{
    GenesEditor* editor = editPicture(testCode(0));
    ASSERT_NE(editor, nullptr);
    for (const auto& key : GetParam().keys) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        if (const auto* text = std::get_if<QString>(&key))
            typeKeys(*text);
        else
            QTest::keyClick(QApplication::focusWidget(), std::get<QKeyCombination>(key).key(),
                std::get<QKeyCombination>(key).keyboardModifiers());
        // Enter commits an edit through the event loop.
        QCoreApplication::processEvents();
    }
    WindowTesting::flushDeletions();
    if (!GetParam().open) {
        EXPECT_EQ(GenesEditor::Of(0), nullptr);
        return;
    }
    ASSERT_EQ(GenesEditor::Of(0), editor);
    GeneticCode expected = picture(0)->GenCode().Code();
    GetParam().expected(expected);
    EXPECT_TRUE(sameTraits(editor->edits().code(), expected));
    EXPECT_FALSE(editor->tblGenes->editing());
    const QModelIndex current = editor->tblGenes->currentIndex();
    EXPECT_EQ(QPoint(current.column(), current.row()), GetParam().current);
    EXPECT_EQ(editor->lblMessage->text(), GetParam().message);
    EXPECT_EQ(editor->picPreview->highlighted(), current.row());
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), GetParam().focus);
}

INSTANTIATE_TEST_SUITE_P(Keys, GenesEditorKeyTest, testing::ValuesIn(keyCases), CaseNames::testName);

TEST_F(GenesEditorTest, TheWheelStepsTheCellUnderItInOneStep)
{
    GenesEditor* editor = editPicture(testCode(0));
    ASSERT_NE(editor, nullptr);
    const QModelIndex width = editor->tblGenes->model()->index(3, 1);
    const QPoint at = editor->tblGenes->visualRect(width).center();
    QWidget* cells = editor->tblGenes->viewport();
    for (const int notch : { 120, 120, 60, 60 }) {
        QWheelEvent wheel(at, cells->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(cells, &wheel);
    }
    EXPECT_EQ(editor->tblGenes->currentIndex(), width);
    EXPECT_EQ(editor->edits().code()[3].Width, picture(0)->GenCode().Code()[3].Width + 3);
    EXPECT_EQ(editor->edits().steps().count(), 1);
}

TEST_F(GenesEditorTest, OpenAsNewPictureOpensTheEditedCodeWithThePicturesFlagsAndKeepsTheJournal)
{
    Journal journal(path(QStringLiteral("runs")), QDateTime(QDate(2026, 12, 8), QTime(12, 0)));
    main->AttachJournal(journal);
    main->G_Draw->trigger();
    GenesEditor* editor = editPicture(testCode(0));
    ASSERT_NE(editor, nullptr);
    // The flags the picture was drawn with count, not the menu's now.
    main->G_Draw->trigger();
    typeKeys(QStringLiteral("250"));
    press(QKeySequence(Qt::CTRL | Qt::Key_Return));

    GeneticCode edited = picture(0)->GenCode().Code();
    edited[0].Length = 250;
    ASSERT_NE(window(1), nullptr);
    EXPECT_TRUE(sameTraits(picture(1)->GenCode().Code(), edited));
    EXPECT_EQ(picture(1)->DrawnWith(), (Drawing::Flags { true, true }));
    EXPECT_TRUE(sameTraits(picture(0)->GenCode().Code(), editor->edits().original()));
    const BirthRecord birth = BirthRecord::edited(0, { true, true });
    EXPECT_EQ(main->run().history().find(1)->birth, birth);

    const RunJournal kept = RunJournal::read(journal.path());
    ASSERT_EQ(kept.pictures.size(), 2U);
    EXPECT_EQ(kept.pictures[1].birth, birth);
    EXPECT_TRUE(sameTraits(kept.pictures[1].code, edited));
    main->run().recover(kept, true);
    EXPECT_TRUE(sameTraits(picture(3)->GenCode().Code(), edited));
}

TEST_F(GenesEditorTest, ThePreviewDrawsTheCurrentGeneInFullAndTheRestFaded)
{
    GenesEditor* editor = editPicture(PictureCodes::trunk(500, 8, Qt::red));
    ASSERT_NE(editor, nullptr);
    const auto trunkPixel = [editor] {
        const QImage shown = editor->picPreview->grab().toImage();
        const QTransform toPreview = Drawing::fitInto(Drawing::WindowFrame, QRectF(editor->picPreview->rect()));
        return shown.pixelColor(toPreview.map(QPointF(850, 1350)).toPoint());
    };
    EXPECT_EQ(trunkPixel(), QColor(Qt::red));
    QTest::keyClick(editor->tblGenes, Qt::Key_Down);
    const QColor faded = trunkPixel();
    EXPECT_NE(faded, QColor(Qt::red));
    EXPECT_GT(faded.red(), faded.green());

    editor->cbxWholeTree->click();
    EXPECT_EQ(editor->picPreview->frame(), Drawing::Frame::WholeTree);
}

TEST_F(GenesEditorTest, DoubleClickingASwatchSetsTheColourInOneStep)
{
    GenesEditor* editor = editPicture(testCode(0));
    ASSERT_NE(editor, nullptr);
    QHeaderView* swatches = editor->tblGenes->verticalHeader();
    const int row2 = swatches->sectionViewportPosition(2) + swatches->sectionSize(2) / 2;
    QTest::mouseDClick(swatches->viewport(), Qt::LeftButton, {}, QPoint(swatches->width() / 2, row2));
    auto* dialog = editor->findChild<QColorDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->setCurrentColor(QColor(1, 2, 3));
    dialog->accept();
    const clsGene& gene = editor->edits().code()[2];
    EXPECT_EQ(QColor(gene.ColorRed, gene.ColorGreen, gene.ColorBlue), QColor(1, 2, 3));
    EXPECT_EQ(editor->E_Undo->text(), QStringLiteral("&Undo Set Colour of Gene 2"));
}

TEST_F(GenesEditorTest, AGeneCopiedInOneEditorPastesIntoAnother)
{
    GenesEditor* from = editPicture(testCode(0));
    GenesEditor* into = editPicture(testCode(1));
    ASSERT_NE(from, nullptr);
    ASSERT_NE(into, nullptr);
    from->tblGenes->setCurrentIndex(from->tblGenes->model()->index(5, 0));
    QMenu* menu = rightClick(from->tblGenes->viewport());
    ASSERT_EQ(menu, from->M_Gene);
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions.append(item->text());
    EXPECT_EQ(captions, QStringList({ "Randomize Gene", "Copy Gene", "Paste Gene" }));
    choose(menu, from->G_Copy);
    into->tblGenes->setCurrentIndex(into->tblGenes->model()->index(2, 3));
    into->G_Paste->trigger();
    EXPECT_TRUE(sameTraits(into->edits().code()[2], picture(0)->GenCode().Code()[5]));
    into->G_Randomize->trigger();
    EXPECT_EQ(into->E_Undo->text(), QStringLiteral("&Undo Randomize Gene 2"));
    QGuiApplication::clipboard()->clear();
}

TEST_F(GenesEditorTest, SaveAsWritesTheEditedCodeAndRevertGoesBack)
{
    GenesEditor* editor = editPicture(testCode(0));
    ASSERT_NE(editor, nullptr);
    typeKeys(QStringLiteral("250"));
    QTest::mouseClick(editor->btnSaveAs, Qt::LeftButton);
    auto* dialog = editor->findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    emit dialog->fileSelected(path(QStringLiteral("edited.gen")));
    GeneticCode edited = picture(0)->GenCode().Code();
    edited[0].Length = 250;
    EXPECT_EQ(readFile(path(QStringLiteral("edited.gen"))), GeneFileWriter::Contents(edited));
    emit dialog->fileSelected(path(QStringLiteral("missing/edited.gen")));
    EXPECT_TRUE(takeErrorBox().contains(u"missing/edited.gen"));
    dialog->close();

    EXPECT_TRUE(editor->btnRevert->isEnabled());
    QTest::mouseClick(editor->btnRevert, Qt::LeftButton);
    EXPECT_TRUE(sameTraits(editor->edits().code(), picture(0)->GenCode().Code()));
    EXPECT_FALSE(editor->btnRevert->isEnabled());
    EXPECT_EQ(editor->edits().steps().count(), 2);
}

} // namespace
