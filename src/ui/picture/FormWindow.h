#pragma once
// A picture's window as the program shows it: a frmObject that goes away when it is closed, and is made anew,
// in its design state, when a closed picture is shown again.

#include "program/PictureWindow.h"
#include "ui/picture/frmObject.h"
#include "ui/windows/RunCommands.h"

#include <QPointer>

class FormWindow final : public PictureWindow {
public:
    explicit FormWindow(RunCommands commands);
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
    // The window, made anew when it was closed.
    frmObject& loaded();
    // The window tells the events given what happens to it.
    void connectEvents();

    RunCommands m_commands;
    QPointer<frmObject> m_form;
    Events m_events;
};

// Makes every picture open a FormWindow, which asks commands of the run.
void installPictureWindows(const RunCommands& commands = {});
