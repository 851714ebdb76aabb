#pragma once
// A picture's window as the program shows it: a frmObject that goes away when it is closed.

#include "picture/PictureWindow.h"
#include "picture/frmObject.h"

#include <QPointer>

class FormWindow final : public PictureWindow {
public:
    FormWindow();
    ~FormWindow() override;

    void SetPersistentDrawing(bool on) override;
    void Show() override;
    void SetTag(const QString& tag) override;
    QString Tag() const override;
    void SetCaption(const QString& caption) override;
    void SetName(const QString& name) override;
    bool IsParentTicked() const override;
    DrawingSurface& Surface() override;
    void Unload() override;
    bool IsOpen() const override;
    void Place(QPoint topLeft) override;
    void SetEvents(Events events) override;

    // The window, or null once it has been closed.
    frmObject* form() const { return m_form; }

private:
    QPointer<frmObject> m_form;
};

// Makes every picture open a FormWindow.
void installPictureWindows();
