#include "harness/OpenSession.h"

#include "core/genefile/GeneFileWriter.h"
#include "program/clsObject.h"
#include "program/modObject.h"
#include "support/PictureCodes.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/picture/FormWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

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
    flushDeletions();
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
    flushDeletions();
}

void OpenSession::openAndClose()
{
    clickOpen();
    showPending();
    closeLatest();
    flushDeletions();
}

double percentile(const std::vector<double>& sorted, double fraction)
{
    const double at = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return percentile(samples, 0.5);
}

void printMilliseconds(const char* label, std::vector<double> samples)
{
    if (samples.empty())
        return;
    std::sort(samples.begin(), samples.end());
    std::printf("%s: median %.2f ms, p10 %.2f ms, p90 %.2f ms\n", label, percentile(samples, 0.5),
        percentile(samples, 0.1), percentile(samples, 0.9));
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
