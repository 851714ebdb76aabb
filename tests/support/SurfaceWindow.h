#pragma once
// A picture window that is nothing but its drawing surface, for tests and benchmarks of the drawing.

#include "program/PictureWindow.h"

#include <utility>

template <typename SurfaceType> class SurfaceWindow final : public PictureWindow {
public:
    template <typename... Args>
    explicit SurfaceWindow(Args&&... args)
        : surface(std::forward<Args>(args)...)
    {
    }

    void SetPersistentDrawing(bool) override { }
    void Show() override { }
    void SetTag(const QString&) override { }
    QString Tag() const override { return {}; }
    void SetCaption(const QString&) override { }
    void SetName(const QString&) override { }
    bool IsParentTicked() const override { return false; }
    DrawingSurface& Surface() override { return surface; }
    void Unload() override { }
    bool IsOpen() const override { return true; }

    SurfaceType surface;
};
