#pragma once
// What a picture needs from its window; the program's is frmObject, tests use their own.

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class DrawingSurface;

class PictureWindow {
public:
    virtual ~PictureWindow() = default;

    // Keeps what is drawn when the window is covered, moved or minimised.
    virtual void SetPersistentDrawing(bool on) = 0;
    virtual void Show() = 0;
    virtual void SetTag(const QString& tag) = 0;
    virtual QString Tag() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetName(const QString& name) = 0;
    // Ticked Parent box; a window that was closed is never ticked.
    virtual bool IsParentTicked() const = 0;
    // picDraw.
    virtual DrawingSurface& Surface() = 0;
    // Closes the window and releases it; the picture keeps everything else.
    virtual void Unload() = 0;
    // Shown, and neither closed nor unloaded.
    virtual bool IsOpen() const = 0;
    // Where the window's frame goes on the screen, before it is first shown.
    virtual void Place(QPoint) { }

    // What the program hears from the window: its closing (by Done or its frame) and each save.
    struct Events {
        std::function<void()> closed;
        std::function<void(const QString& fileName)> saved;
    };
    virtual void SetEvents(Events) { }

    using Factory = std::function<std::unique_ptr<PictureWindow>()>;
    // How pictures create their windows: the program installs frmObject's at start-up.
    static void SetFactory(Factory factory);
    static std::unique_ptr<PictureWindow> Create();
};
