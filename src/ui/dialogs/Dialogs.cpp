#include "ui/dialogs/Dialogs.h"

#include "ui/dialogs/AboutAuthor.h"
#include "ui/dialogs/AboutCorvane.h"
#include "ui/dialogs/AboutVantrell.h"
#include "ui/dialogs/ErrorMR.h"
#include "ui/dialogs/Info.h"
#include "ui/dialogs/License.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace Dialogs {

namespace {

// Null once the dialog has been destroyed by a close through its frame.
template <typename Dialog> QPointer<Dialog>& instance()
{
    static QPointer<Dialog> dialog;
    return dialog;
}

template <typename Dialog> void destroy()
{
    if (QPointer<Dialog>& dialog = instance<Dialog>())
        dialog->deleteLater();
}

} // namespace

template <typename Dialog> Dialog& Load()
{
    QPointer<Dialog>& dialog = instance<Dialog>();
    // A top-level window without an owner; it deletes itself when closed (WA_DeleteOnClose) or by DestroyAll.
    if (!dialog)
        dialog = new Dialog();
    return *dialog;
}

template <typename Dialog> void Show()
{
    Dialog& dialog = Load<Dialog>();
    dialog.setWindowState(dialog.windowState() & ~Qt::WindowMinimized);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void DestroyAll()
{
    destroy<ErrorMR>();
    destroy<AboutAuthor>();
    destroy<AboutCorvane>();
    destroy<AboutVantrell>();
    destroy<License>();
    destroy<Info>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template ErrorMR& Load<ErrorMR>();
template AboutVantrell& Load<AboutVantrell>();
template AboutCorvane& Load<AboutCorvane>();
template AboutAuthor& Load<AboutAuthor>();
template License& Load<License>();
template Info& Load<Info>();
template void Show<ErrorMR>();
template void Show<AboutVantrell>();
template void Show<AboutCorvane>();
template void Show<AboutAuthor>();
template void Show<License>();
template void Show<Info>();

} // namespace Dialogs
