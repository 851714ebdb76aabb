#pragma once
// What a picture needs from its window; the program's is frmObject, tests use their own.

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

    using Factory = std::function<std::unique_ptr<PictureWindow>()>;
    // How pictures create their windows: the program installs frmObject's at start-up.
    static void SetFactory(Factory factory);
    static std::unique_ptr<PictureWindow> Create();
};
