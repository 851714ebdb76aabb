#include "harness/OpenSession.h"

#include "core/genefile/GeneFileWriter.h"
#include "program/clsObject.h"
#include "program/modObject.h"
#include "support/PictureCodes.h"
#include "support/WindowTesting.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/picture/FormWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

OpenSession::OpenSession()
    : window([] {})
{
    installPictureWindows(window.commands());
    treeFile = folder.filePath(QStringLiteral("tree.gen"));
    GeneFileWriter::Save(PictureCodes::wideTree(), treeFile);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "OpenSession: the main window was never exposed\n");
    window.txtMutationRate->setText(QStringLiteral("0"));
    window.txtName->setText(treeFile);
}

OpenSession::~OpenSession()
{
    startAfresh();
    Dialogs::DestroyAll();
    WindowTesting::flushDeletions();
}

void OpenSession::clickOpen()
{
    QTest::mouseClick(window.btnOpen, Qt::LeftButton);
}

void OpenSession::breedFromTickedTree()
{
    window.txtName->setText(treeFile);
    clickOpen();
    showPending();
    clsObject& parent = *modObject::Objects.item(modObject::KeyOf(static_cast<qint16>(modObject::NextID - 1)));
    if (frmObject* const form = dynamic_cast<FormWindow&>(parent.Display()).form())
        form->cbxParent->setChecked(true);
    window.txtName->clear();
}

void OpenSession::showPending()
{
    QCoreApplication::processEvents();
}

void OpenSession::pressDone(clsObject& picture)
{
    if (frmObject* const form = dynamic_cast<FormWindow&>(picture.Display()).form())
        QTest::mouseClick(form->btnDone, Qt::LeftButton);
}

void OpenSession::closeLatest()
{
    pressDone(*modObject::Objects.item(modObject::KeyOf(static_cast<qint16>(modObject::NextID - 1))));
}

void OpenSession::closeAll()
{
    modObject::Objects.forEach([](const std::shared_ptr<clsObject>& picture) { pressDone(*picture); });
}

void OpenSession::startAfresh()
{
    closeAll();
    modObject::InitObject();
    WindowTesting::flushDeletions();
}

void OpenSession::openAndClose()
{
    clickOpen();
    showPending();
    closeLatest();
    WindowTesting::flushDeletions();
}
