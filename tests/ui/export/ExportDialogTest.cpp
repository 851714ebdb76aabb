// The Export Picture dialog, driven from a picture window as a user would.

#include "core/export/PictureRender.h"
#include "program/Preferences.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/PictureTesting.h"
#include "support/ScopedTmpfs.h"
#include "support/SvgReading.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QSpinBox>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

using CaseNames::PrintTo;

class ExportDialogTest : public PictureTest {
protected:
    // Opens the picture and its Export dialog with Ctrl+E.
    ExportDialog* openDialog(const GeneticCode& code = PictureCodes::wideTree())
    {
        form = openPicture(code);
        if (!form)
            return nullptr;
        form->btnSave->setFocus();
        press(QKeySequence(Qt::CTRL | Qt::Key_E));
        ExportDialog* dialog = shown<ExportDialog>();
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(activated(dialog));
        }
        return dialog;
    }

    static void exportTo(ExportDialog* dialog, const QString& fileName)
    {
        replaceText(dialog->txtFile, fileName);
        QTest::keyClick(dialog->txtFile, Qt::Key_Return);
    }

    static void typeScale(ExportDialog* dialog, int scale)
    {
        dialog->spnScale->setFocus();
        QTest::keyClick(dialog->spnScale, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dialog->spnScale, QString::number(scale));
        ASSERT_EQ(dialog->spnScale->value(), scale);
    }

    static void click(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8)); }

    frmObject* form = nullptr;
};

TEST_F(ExportDialogTest, OpensOnTheFileBoxWithTheRememberedSettings)
{
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Export Picture"));
    EXPECT_EQ(dialog->txtFile->text(), path(QStringLiteral("picture-0.png")));
    EXPECT_EQ(QApplication::focusWidget(), dialog->txtFile);
    EXPECT_EQ(dialog->spnScale->value(), 4);
    EXPECT_EQ(dialog->spnScale->minimum(), 1);
    EXPECT_EQ(dialog->spnScale->maximum(), 32);
    const struct {
        QAbstractButton* control;
        const char* text;
        bool ticked;
    } boxes[] = {
        { dialog->cbxWholeTree, "Whole tree", false },
        { dialog->cbxSmooth, "Smooth edges", true },
        { dialog->cbxTransparent, "Transparent background", false },
    };
    for (const auto& box : boxes) {
        EXPECT_EQ(box.control->text().remove(u'&'), QString::fromLatin1(box.text));
        EXPECT_EQ(box.control->isChecked(), box.ticked) << box.text;
    }
    EXPECT_EQ(dialog->btnBrowse->text().remove(u'&'), QStringLiteral("Browse..."));
    EXPECT_EQ(dialog->btnExport->text().remove(u'&'), QStringLiteral("Export"));
    EXPECT_EQ(dialog->btnCancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(dialog->btnExport->isDefault());
    // Window-modal to the picture window, which waits for it.
    EXPECT_EQ(dialog->parentWidget(), form);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(WindowTesting::focusChainOrder(dialog,
                  { "txtFile", "btnBrowse", "spnScale", "cbxWholeTree", "cbxSmooth", "cbxTransparent", "btnExport",
                      "btnCancel" }),
        QStringList({ "txtFile", "btnBrowse", "spnScale", "cbxWholeTree", "cbxSmooth", "cbxTransparent", "btnExport",
            "btnCancel" }));
}

TEST_F(ExportDialogTest, EnterExportsThePngAtScaleFourAndCloses)
{
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->txtFile, Qt::Key_Return);
    WindowTesting::flushDeletions();

    EXPECT_EQ(shown<ExportDialog>(), nullptr);
    EXPECT_EQ(takeErrorBox(), QString());
    const QImage image(path(QStringLiteral("picture-0.png")));
    EXPECT_EQ(image.size(), QSize(452, 420));
    EXPECT_EQ(entries(folder.path()), QStringList({ "code-0.gen", "picture-0.png" }));
}

struct FormatCase {
    const char* name;
    const char* fileName;
    QByteArray start;
};

class ExportDialogFormatTest : public ExportDialogTest, public testing::WithParamInterface<FormatCase> { };

TEST_P(ExportDialogFormatTest, WritesTheFormatItsSuffixNames)
{
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const QString name = path(QString::fromLatin1(GetParam().fileName));
    exportTo(dialog, name);
    EXPECT_EQ(takeErrorBox(), QString());
    EXPECT_TRUE(readFile(name).startsWith(GetParam().start));
}

INSTANTIATE_TEST_SUITE_P(Suffixes, ExportDialogFormatTest,
    testing::Values(FormatCase { "Png", "tree.png", "\x89PNG\r\n" },
        FormatCase { "UpperPng", "TREE.PNG", "\x89PNG\r\n" }, FormatCase { "Svg", "tree.svg", "<?xml" },
        FormatCase { "MixedSvg", "tree.sVg", "<?xml" }, FormatCase { "Pdf", "tree.pdf", "%PDF-" },
        FormatCase { "UpperPdf", "tree.PDF", "%PDF-" }),
    CaseNames::testName);

TEST_F(ExportDialogTest, ScaleOneWithoutSmoothEdgesIsTheWindowPixelForPixel)
{
    ExportDialog* dialog = openDialog(PictureCodes::seededTree(11));
    ASSERT_NE(dialog, nullptr);
    typeScale(dialog, 1);
    click(dialog->cbxSmooth);
    ASSERT_FALSE(dialog->cbxSmooth->isChecked());
    exportTo(dialog, path(QStringLiteral("one.png")));

    const QImage exported(path(QStringLiteral("one.png")));
    const QImage& shown = form->surface().image();
    ASSERT_EQ(exported.size(), shown.size());
    EXPECT_TRUE(exported.convertToFormat(QImage::Format_RGB32) == shown.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ExportDialogTest, WholeTreeAndTransparencyShapeTheImage)
{
    const GeneticCode code = PictureCodes::trunk(500, 4, QColor(40, 90, 220));
    ExportDialog* dialog = openDialog(code);
    ASSERT_NE(dialog, nullptr);
    click(dialog->cbxWholeTree);
    click(dialog->cbxTransparent);
    exportTo(dialog, path(QStringLiteral("trunk.png")));

    const QImage image(path(QStringLiteral("trunk.png")));
    // 60 x 560 twips at scale 4: 16 x 150 pixels (149.3 grown to the whole pixel).
    EXPECT_EQ(image.size(), QSize(16, 150));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(image.pixelColor(8, 75), QColor(40, 90, 220));
    // The round cap leaves the corners of the frame empty.
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
}

TEST_F(ExportDialogTest, AnotherSuffixIsRefusedAndTheDialogStays)
{
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const QString name = path(QStringLiteral("tree.jpg"));
    exportTo(dialog, name);

    const QString refusal = takeErrorBox();
    EXPECT_TRUE(refusal.contains(u".png, .svg or .pdf")) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(name)) << refusal.toStdString();
    EXPECT_EQ(shown<ExportDialog>(), dialog);
    EXPECT_EQ(entries(folder.path()), QStringList { "code-0.gen" });
}

struct ReplaceCase {
    const char* name;
    QMessageBox::StandardButton answer;
    bool replaced;
};

class ExportDialogReplaceTest : public ExportDialogTest, public testing::WithParamInterface<ReplaceCase> { };

TEST_P(ExportDialogReplaceTest, AnExistingFileIsReplacedOnlyOnYes)
{
    const QString name = path(QStringLiteral("old.svg"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    exportTo(dialog, name);

    QMessageBox* question = shown<QMessageBox>();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->text().contains(name));
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
    QTest::mouseClick(question->button(GetParam().answer), Qt::LeftButton);
    WindowTesting::flushDeletions();

    EXPECT_EQ(readFile(name).startsWith("<?xml"), GetParam().replaced);
    EXPECT_EQ(readFile(name) == "old contents", !GetParam().replaced);
    // Told No, the user can choose another name.
    EXPECT_EQ(shown<ExportDialog>() != nullptr, !GetParam().replaced);
    EXPECT_EQ(takeErrorBox(), QString());
}

INSTANTIATE_TEST_SUITE_P(Answers, ExportDialogReplaceTest,
    testing::Values(ReplaceCase { "Yes", QMessageBox::Yes, true }, ReplaceCase { "No", QMessageBox::No, false }),
    CaseNames::testName);

struct FailureCase {
    const char* name;
    // Prepares what stands in the way and gives the name to export to; an empty name skips the case.
    std::function<QString(const QString& folder, std::unique_ptr<ScopedTmpfs>& tmpfs)> make;
    const char* says;
};

class ExportDialogFailureTest : public ExportDialogTest, public testing::WithParamInterface<FailureCase> { };

TEST_P(ExportDialogFailureTest, ShowsTheFileAndTheReasonAndLeavesNothing)
{
    std::unique_ptr<ScopedTmpfs> tmpfs;
    const QString name = GetParam().make(folder.path(), tmpfs);
    if (name.isEmpty())
        GTEST_SKIP() << "a tmpfs could not be mounted";
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const QString where = QFileInfo(name).absolutePath();
    const QStringList before = entries(where);
    exportTo(dialog, name);

    EXPECT_EQ(takeErrorBox(), QString::fromUtf8(GetParam().says).arg(name));
    EXPECT_EQ(shown<ExportDialog>(), dialog);
    EXPECT_EQ(entries(where), before);
}

QString mountTmpfs(std::unique_ptr<ScopedTmpfs>& tmpfs)
{
    tmpfs = std::make_unique<ScopedTmpfs>(64);
    return tmpfs->mounted() ? tmpfs->path() : QString();
}

INSTANTIATE_TEST_SUITE_P(Failures, ExportDialogFailureTest,
    testing::Values(
        FailureCase { "MissingFolder", [](const QString& folder, auto&) { return folder + "/missing/tree.png"; },
            "No such file or directory (error 76) in \"%1\"" },
        FailureCase { "Folder",
            [](const QString& folder, auto&) {
                QDir(folder).mkdir("tree.png");
                return folder + "/tree.png";
            },
            "Is a directory (error 75) in \"%1\"" },
        FailureCase { "Fifo",
            [](const QString& folder, auto&) {
                ::mkfifo(QFile::encodeName(folder + "/tree.pdf").constData(), 0600);
                return folder + "/tree.pdf";
            },
            "Not a regular file (error 75) in \"%1\"" },
        FailureCase { "FullDisk",
            [](const QString&, std::unique_ptr<ScopedTmpfs>& tmpfs) {
                const QString mounted = mountTmpfs(tmpfs);
                if (mounted.isEmpty())
                    return mounted;
                QFile filler(mounted + "/filler");
                if (filler.open(QIODevice::WriteOnly)) {
                    const QByteArray block(4096, 'x');
                    while (filler.write(block) == block.size() && filler.flush()) { }
                }
                return mounted + "/tree.svg";
            },
            "No space left on device (error 61) in \"%1\"" },
        FailureCase { "ReadOnlyFileSystem",
            [](const QString&, std::unique_ptr<ScopedTmpfs>& tmpfs) {
                const QString mounted = mountTmpfs(tmpfs);
                if (mounted.isEmpty() || !tmpfs->remountReadOnly())
                    return QString();
                return mounted + "/tree.png";
            },
            "Read-only file system (error 75) in \"%1\"" }),
    CaseNames::testName);

TEST_F(ExportDialogTest, AnImageOverTheBoundIsRefusedBeforeAnythingIsAsked)
{
    const QString name = path(QStringLiteral("huge.png"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    ExportDialog* dialog = openDialog(PictureCodes::hugeTree());
    ASSERT_NE(dialog, nullptr);
    typeScale(dialog, 13);
    click(dialog->cbxWholeTree);
    exportTo(dialog, name);

    const QString refusal = takeErrorBox();
    EXPECT_TRUE(refusal.startsWith(u"Out of memory (error 7)")) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(u"the largest scale that fits is 12")) << refusal.toStdString();
    EXPECT_EQ(shown<QMessageBox>(), nullptr);
    EXPECT_EQ(readFile(name), QByteArray());
    EXPECT_EQ(shown<ExportDialog>(), dialog);
}

TEST_F(ExportDialogTest, ScaleFrameSmoothnessAndTransparencyAreRemembered)
{
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    typeScale(dialog, 7);
    click(dialog->cbxWholeTree);
    click(dialog->cbxSmooth);
    click(dialog->cbxTransparent);
    exportTo(dialog, path(QStringLiteral("first.svg")));
    WindowTesting::flushDeletions();
    ASSERT_EQ(shown<ExportDialog>(), nullptr);

    form->activateWindow();
    ASSERT_TRUE(activated(form));
    press(QKeySequence(Qt::CTRL | Qt::Key_E));
    dialog = shown<ExportDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->spnScale->value(), 7);
    EXPECT_TRUE(dialog->cbxWholeTree->isChecked());
    EXPECT_FALSE(dialog->cbxSmooth->isChecked());
    EXPECT_TRUE(dialog->cbxTransparent->isChecked());
    // Cancelled choices are forgotten.
    typeScale(dialog, 9);
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    WindowTesting::flushDeletions();
    ASSERT_EQ(shown<ExportDialog>(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("picture-0.png"))));

    EXPECT_EQ(Preferences::current().exportSettings.scale, 7);
    EXPECT_EQ(Preferences::current().exportSettings.frame, Drawing::Frame::WholeTree);
    EXPECT_FALSE(Preferences::current().exportSettings.smooth);
    EXPECT_TRUE(Preferences::current().exportSettings.transparent);
}

struct GenesMenuCase {
    const char* name;
    GeneticCode code;
    // Which item of the Genes menu is chosen after the picture is drawn.
    bool toggleDone;
    std::size_t lines;
};

class ExportDialogFlagsTest : public ExportDialogTest, public testing::WithParamInterface<GenesMenuCase> { };

TEST_P(ExportDialogFlagsTest, TheExportIsDrawnAsTheWindowWasAfterTheGenesMenuChanged)
{
    form = openPicture(GetParam().code);
    ASSERT_NE(form, nullptr);
    (GetParam().toggleDone ? main->G_Done : main->G_Draw)->trigger();
    ASSERT_NE(modMain::DrawFlags(), picture(0)->DrawnWith());

    form->activateWindow();
    ASSERT_TRUE(activated(form));
    form->btnDone->setFocus();
    press(QKeySequence(Qt::CTRL | Qt::Key_E));
    ExportDialog* dialog = shown<ExportDialog>();
    ASSERT_NE(dialog, nullptr);
    exportTo(dialog, path(QStringLiteral("tree.svg")));

    EXPECT_EQ(readSvg(readFile(path(QStringLiteral("tree.svg")))).lines.size(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(GenesMenu, ExportDialogFlagsTest,
    testing::Values(GenesMenuCase { "DoneUnticked", PictureCodes::wideTreeDoneAt(5), true, 31 },
        GenesMenuCase { "DrawTicked", PictureCodes::wideTreeWithHiddenTrunk(), false, 4095 }),
    CaseNames::testName);

TEST_F(ExportDialogTest, BrowseFillsTheFileBoxFromASaveDialog)
{
    ExportDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->btnBrowse, Qt::LeftButton);
    auto* browse = dialog->findChild<QFileDialog*>();
    ASSERT_NE(browse, nullptr);
    EXPECT_TRUE(browse->isVisible());
    EXPECT_EQ(browse->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(browse->windowModality(), Qt::WindowModal);
    EXPECT_EQ(browse->selectedNameFilter(), QStringLiteral("PNG image (*.png)"));

    const QString chosen = path(QStringLiteral("chosen.pdf"));
    browse->selectFile(chosen);
    ASSERT_TRUE(activated(browse));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    WindowTesting::flushDeletions();

    EXPECT_EQ(dialog->txtFile->text(), chosen);
    EXPECT_FALSE(QFileInfo::exists(chosen));
    EXPECT_EQ(shown<ExportDialog>(), dialog);
}

TEST_F(ExportDialogTest, OpenWithoutAParentShowsAModelessDialogForThatPicture)
{
    ExportDialog::Open(nullptr, 12, PictureCodes::trunk(500, 4, Qt::red), {});
    ExportDialog* dialog = shown<ExportDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(dialog->txtFile->text(), path(QStringLiteral("picture-12.png")));
    ASSERT_TRUE(activated(dialog));
    QTest::keyClick(dialog->txtFile, Qt::Key_Escape);
    WindowTesting::flushDeletions();
    EXPECT_EQ(shown<ExportDialog>(), nullptr);
    EXPECT_EQ(entries(folder.path()), QStringList());
}

} // namespace
